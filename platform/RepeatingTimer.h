// A repeating call on the main thread at a fixed interval, kept firing while a control tracks
// the mouse (Qt's event loop has no separate tracking mode).
#pragma once

#include <QObject>
#include <QTimer>
#include <functional>

class RepeatingTimer : public QObject {
    Q_OBJECT
public:
    // interval in seconds; the timer starts at once and is owned by parent.
    RepeatingTimer(double interval, std::function<void()> action, QObject *parent);

private:
    QTimer timer{this}; // a child too, so its ticks can be watched
};

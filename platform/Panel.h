// A panel, as the interface definition names one: a tool window that floats above the program's
// windows, not above other programs', and stays out of the task bar. It first opens at its
// origin, and afterwards where it was left.
#pragma once

#include <QPoint>
#include <QWidget>

class Panel : public QWidget {
    Q_OBJECT
    // Where the panel first opens: its frame's top-left, in points from the top-left of its
    // screen's available area, moved in as far as it takes to show the whole panel there.
    Q_PROPERTY(QPoint origin MEMBER origin)
public:
    Q_INVOKABLE explicit Panel(QWidget *parent = nullptr);

protected:
    void showEvent(QShowEvent *event) override;

private:
    QPoint origin;
    bool placed = false;
};

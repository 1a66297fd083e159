// A precise QTimer; its interval is whole milliseconds, so 1/30 s runs at 33 ms (30.3 Hz).
#include "RepeatingTimer.h"

#include <cmath>

RepeatingTimer::RepeatingTimer(double interval, std::function<void()> action, QObject *parent)
    : QObject(parent) {
    timer.setTimerType(Qt::PreciseTimer);
    timer.setInterval(static_cast<int>(std::lround(interval * 1000)));
    connect(&timer, &QTimer::timeout, this, std::move(action));
    timer.start();
}

// The wall clock, seconds since the Unix epoch with sub-microsecond resolution.
#include "AbsoluteTime.h"

#include <chrono>

static double wallClock() {
    using namespace std::chrono;
    return duration<double>(system_clock::now().time_since_epoch()).count();
}

static double (*timeSource)() = wallClock;

double absoluteTime() {
    return timeSource();
}

void setAbsoluteTimeSource(double (*source)()) {
    timeSource = source ? source : wallClock;
}

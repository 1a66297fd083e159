// A monotonic clock: seconds since an arbitrary start, never stepped by time sync or by hand.
#include "AbsoluteTime.h"

#include <chrono>

static double steadyClock() {
    using namespace std::chrono;
    return duration<double>(steady_clock::now().time_since_epoch()).count();
}

static double (*timeSource)() = steadyClock;

double absoluteTime() {
    return timeSource();
}

void setAbsoluteTimeSource(double (*source)()) {
    timeSource = source ? source : steadyClock;
}

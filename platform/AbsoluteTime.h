// Absolute time in seconds as a double, from a monotonic clock unless a test replaces the source.
#pragma once

double absoluteTime();
// nullptr restores the monotonic clock.
void setAbsoluteTimeSource(double (*source)());

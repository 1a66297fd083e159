// Absolute time in seconds as a double, from the wall clock unless a test replaces the source.
#pragma once

double absoluteTime();
// nullptr restores the wall clock.
void setAbsoluteTimeSource(double (*source)());

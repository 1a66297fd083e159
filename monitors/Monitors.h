// Windows kept on the monitors there are: when one is unplugged (or turned off), every window of
// the program that was on it comes back whole on a remaining one.
#pragma once

// From now on, for the program's whole life: each top-level window that is no longer whole on any
// monitor moves whole onto the one Qt gave it, at the same place relative to the monitor's
// available area as far as it fits. Hidden windows too, so a panel shown again later is not off
// screen.
void keepWindowsOnMonitors();

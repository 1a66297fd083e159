// What a screen reader is told of the wave plots and the buttons that show them: each is named in
// the interface definition and described by its live wave (amplitude, delta, frequency, phase);
// a wave button is a button a screen reader can press.
#pragma once

// Once per process; the plot and button constructors call it.
void describeWavesToScreenReaders();

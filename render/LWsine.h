// One sine wave of time, f(t) = d + a * sin(p * pi + t * f); the phase p is in units of pi.
#pragma once

struct LWSine {
    float f; // frequency: multiplies t
    float a; // amplitude
    float d; // delta: offset added to the wave
    float p; // phase, units of pi (1 is half a turn)
};

// The wave's value at t. t * f is formed in float; the rest in double, narrowed at the end.
float f(const LWSine *wave, float t);

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

// The shortest span of t, a whole number of turns, after which every wave and cos(t) repeat,
// with frequencies taken on a 0.01 grid (k / 100 repeats after 100 / gcd(k, 100) turns): 4 pi for
// waves of 4.5 and 0, at most 200 pi. Phases wrapped by it run on without a jump.
double commonPeriod(const LWSine *const *waves, int count);

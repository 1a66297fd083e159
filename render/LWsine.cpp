// The wave function, whose mix of float and double steps the plots rely on bit for bit, and the
// span after which the waves repeat together.
#include "LWsine.h"

#include <cmath>
#include <numeric>

static constexpr double pi = 3.141592653589793;

float f(const LWSine *wave, float t) {
    const float product = t * wave->f;
    const double arg = static_cast<double>(wave->p) * pi + product;
    return static_cast<float>(wave->d + wave->a * std::sin(arg));
}

double commonPeriod(const LWSine *const *waves, int count) {
    long long turns = 1; // cos(t), the rock
    for (int i = 0; i < count; ++i) {
        if (!std::isfinite(waves[i]->f))
            continue;
        // Only hundredths modulo a whole turn count: gcd(k, 100) = gcd(k mod 100, 100).
        const long long k = std::llround(std::fmod(std::fabs(double(waves[i]->f)) * 100, 100.0));
        turns = std::lcm(turns, 100 / std::gcd(k, 100LL));
    }
    return 2 * pi * double(turns);
}

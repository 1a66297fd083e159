// The wave function; its mix of float and double steps is relied on bit for bit by the plots.
#include "LWsine.h"

#include <cmath>

float f(const LWSine *wave, float t) {
    const float product = t * wave->f;
    const double arg = static_cast<double>(wave->p) * 3.141592653589793 + product;
    return static_cast<float>(wave->d + wave->a * std::sin(arg));
}

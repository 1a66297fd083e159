// The wave function's exact float results, including the single-precision product t * f.
#include "LWsine.h"

#include <cmath>
#include <cstring>
#include <gtest/gtest.h>

static std::uint32_t bits(float value) {
    std::uint32_t word;
    std::memcpy(&word, &value, 4);
    return word;
}

TEST(Wave, DegenerateWavesGiveTheirClosedForms) {
    const LWSine flat{4.5f, 0.0f, -0.59f, 0.3f};
    for (float t : {0.0f, 0.7f, 123.456f, -9.0f})
        EXPECT_EQ(f(&flat, t), -0.59f);
    const LWSine still{0.0f, 0.5f, 0.25f, 0.5f}; // sin(pi / 2) = 1: d + a
    EXPECT_EQ(f(&still, 77.0f), 0.75f);
    const LWSine halfTurn{0.0f, 0.2f, -0.12f, 1.0f}; // sin(pi) is 1.2e-16 in double, not 0
    EXPECT_EQ(f(&halfTurn, 5.0f), static_cast<float>(-0.12 + 0.2f * std::sin(3.141592653589793)));
}

TEST(Wave, ProductIsSinglePrecisionAndTheRestDouble) {
    const LWSine dist{4.5f, 0.382f, -0.59f, 0.0f}; // the default distance wave
    // With t * f formed in double these would differ in the last bits.
    EXPECT_EQ(bits(f(&dist, 0.7f)), 0xbf17dcb5u);
    EXPECT_EQ(bits(f(&dist, 123.456f)), 0xbece9e27u);
    EXPECT_EQ(bits(f(&dist, 12345.678f)), 0xbf3abd9au);
    EXPECT_EQ(bits(f(&dist, 0.1f)), 0xbed901f8u);
}

// The wave function's exact float results: t * f in single precision, the rest in double.
#include "LWsine.h"

#include <cmath>
#include <cstring>
#include <gtest/gtest.h>

static std::uint32_t bits(float value) {
    std::uint32_t word;
    std::memcpy(&word, &value, 4);
    return word;
}

TEST(Wave, ExactFloatResults) {
    const LWSine flat{4.5f, 0.0f, -0.59f, 0.3f}, peak{0.0f, 0.5f, 0.25f, 0.5f};
    EXPECT_EQ(f(&flat, 123.456f), -0.59f);
    EXPECT_EQ(f(&peak, 77.0f), 0.75f);             // d + a
    const LWSine dist{4.5f, 0.382f, -0.59f, 0.0f}; // with t * f in double these differ
    EXPECT_EQ(bits(f(&dist, 0.7f)), 0xbf17dcb5u);
    EXPECT_EQ(bits(f(&dist, 123.456f)), 0xbece9e27u);
    EXPECT_EQ(bits(f(&dist, 12345.678f)), 0xbf3abd9au);
}

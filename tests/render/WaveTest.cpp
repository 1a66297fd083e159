// The wave function bit for bit: t * f in single precision, p * pi and the rest in double. The
// expected words were worked out apart from this code, step by step with IEEE float and double.
#include "LWsine.h"

#include <cmath>
#include <cstring>
#include <gtest/gtest.h>

static std::uint32_t bits(float value) {
    std::uint32_t word;
    std::memcpy(&word, &value, 4);
    return word;
}

TEST(Wave, ExactFloatResultsOverPhasesAndTimes) {
    const LWSine flat{4.5f, 0.0f, -0.59f, 0.3f}, peak{0.0f, 0.5f, 0.25f, 0.5f};
    EXPECT_EQ(f(&flat, 123.456f), -0.59f);
    EXPECT_EQ(f(&peak, 77.0f), 0.75f); // d + a
    const LWSine dist{4.5f, 0.382f, -0.59f, 0.0f}, size{4.5f, 0.2f, -0.12f, 1.0f},
        odd{2.25f, 0.5f, 0.25f, -1.3f};
    struct Case {
        const LWSine *wave;
        float t;
        std::uint32_t word;
    };
    // t * f in double changes the dist words; p * pi in single precision changes size and odd.
    for (const Case &c : {Case{&dist, 0.7f, 0xbf17dcb5u}, Case{&dist, 12345.678f, 0xbf3abd9au},
                          Case{&size, 0.0f, 0xbdf5c28fu}, Case{&size, 0.7f, 0xbdf25103u},
                          Case{&size, 123.456f, 0xbe5ed726u}, Case{&odd, 0.7f, 0xbd3abd15u},
                          Case{&odd, 123.456f, 0x3d8a7da1u}})
        EXPECT_EQ(bits(f(c.wave, c.t)), c.word) << c.t;
}

// Whole turns after which all three waves and cos(t) repeat, worked out by hand: f = k / 100
// repeats every 100 / gcd(k, 100) turns.
TEST(Wave, CommonPeriodIsTheLeastWholeNumberOfTurns) {
    const auto period = [](float a, float b, float c) {
        const LWSine x{a, 1, 0, 0}, y{b, 1, 0, 0}, z{c, 1, 0, 0};
        const LWSine *const waves[] = {&x, &y, &z};
        return commonPeriod(waves, 3) / (2 * M_PI);
    };
    EXPECT_DOUBLE_EQ(period(4.5f, 4.5f, 0), 2);   // the defaults
    EXPECT_DOUBLE_EQ(period(1, 2, 10), 1);        // whole frequencies: the rock's turn
    EXPECT_DOUBLE_EQ(period(0.25f, 0.2f, 3), 20); // 4 and 5 turns
    EXPECT_DOUBLE_EQ(period(0.37f, 0, 0), 100);   // the longest on the grid
    EXPECT_DOUBLE_EQ(period(0.01f, 9.99f, 0.5f), 100);
}

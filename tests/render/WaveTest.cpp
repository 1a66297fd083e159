// The wave function bit for bit: t * f in single precision, p * pi and the rest in double. The
// expected words were worked out apart from this code, step by step with IEEE float and double.
#include "LWsine.h"

#include <cmath>
#include <cstring>
#include <gtest/gtest.h>

TEST(Wave, ExactFloatResultsOverPhasesAndTimes) {
    const LWSine flat{4.5f, 0.0f, -0.59f, 0.3f}, peak{0.0f, 0.5f, 0.25f, 0.5f};
    EXPECT_EQ(std::make_pair(f(&flat, 123.456f), f(&peak, 77.0f)), std::make_pair(-0.59f, 0.75f));
    const LWSine dist{4.5f, 0.382f, -0.59f, 0.0f}, size{4.5f, 0.2f, -0.12f, 1.0f},
        odd{2.25f, 0.5f, 0.25f, -1.3f};
    // t * f in double changes the dist words; p * pi in single precision changes size and odd.
    for (const auto &[wave, t, word] :
         {std::tuple(&dist, 0.7f, 0xbf17dcb5u), std::tuple(&dist, 12345.678f, 0xbf3abd9au),
          std::tuple(&size, 0.0f, 0xbdf5c28fu), std::tuple(&size, 0.7f, 0xbdf25103u),
          std::tuple(&size, 123.456f, 0xbe5ed726u), std::tuple(&odd, 0.7f, 0xbd3abd15u),
          std::tuple(&odd, 123.456f, 0x3d8a7da1u)}) {
        const float value = f(wave, t);
        std::uint32_t bits;
        std::memcpy(&bits, &value, 4);
        EXPECT_EQ(bits, word) << t;
    }
}

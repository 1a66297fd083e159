// The display-list fractal in a real context: triangles counted as the GL draws them.
#include "GLWindow.h"
#include "LWTetra.h"

#include <array>
#include <gtest/gtest.h>

// Depths low..high draw 4^low + ... + 4^high tetrahedra of four triangles; the list past high is
// empty, even after an earlier, deeper build filled it; low above high draws nothing.
TEST(Tetra, BaseListDrawsTheSumOfPowersOfFourFromLowToHigh) {
    GLWindow window(64, 64);
    setCorners();
    const GLuint base = glGenLists(6);
    for (const auto &[low, high, tetrahedra] : {std::array<GLuint, 3>{0, 4, 341},
                                                {0, 0, 1},
                                                {0, 1, 5},
                                                {0, 2, 21},
                                                {0, 3, 85},
                                                {1, 3, 84},
                                                {4, 4, 256},
                                                {2, 1, 0}}) {
        drawTetra(base, 0, low, high, 1.0f, 10.0f, 0.5f);
        EXPECT_EQ(primitivesOf(base), 4 * tetrahedra) << low << ".." << high;
        EXPECT_EQ(primitivesOf(base + high + 1), 0u);
        EXPECT_EQ(primitivesOf(base + high), high >= low ? 4u : 0u);
    }
    glDeleteLists(base, 6);
}

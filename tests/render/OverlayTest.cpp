// Axes, logo and smoothing pass, checked through GL state and pixels read back.
#include "GLWindow.h"
#include "LWdraw.h"

#include <cstring>
#include <gtest/gtest.h>
#include <tuple>

using RGBA = std::array<int, 4>;
static const RGBA white{255, 255, 255, 255}, grey{204, 204, 204, 255};

// Fills a rectangle of window pixels, whatever the matrices.
static void fill(int x, int y, int w, int h, float level) {
    glEnable(GL_SCISSOR_TEST);
    glScissor(x, y, w, h);
    glClearColor(level, level, level, 1);
    glClear(GL_COLOR_BUFFER_BIT);
    glDisable(GL_SCISSOR_TEST);
}

static GLint integer(GLenum pname) {
    GLint value = 0;
    glGetIntegerv(pname, &value);
    return value;
}

class Overlay : public ::testing::Test {
protected:
    void SetUp() override {
        glClear(GL_DEPTH_BUFFER_BIT);
        fill(0, 0, width, height, 0.8f);
        window.centredPixelProjection();
    }
    static constexpr int width = 320, height = 200;
    GLWindow window{width, height};
};

TEST_F(Overlay, AxesAreDashedAndLeaveTheirState) {
    glLineWidth(5);
    drawAxis(100, 2);
    EXPECT_FALSE(glIsEnabled(GL_LINE_STIPPLE));
    EXPECT_EQ(integer(GL_LINE_WIDTH), 1);
    EXPECT_EQ(integer(GL_LINE_STIPPLE_PATTERN), 0xff00);
    // The X axis: red dashes of eight pixels, positive half only.
    EXPECT_EQ(backPixel(width / 2 + 12, height / 2), (RGBA{255, 0, 0, 255}));
    EXPECT_EQ(backPixel(width / 2 + 4, height / 2), grey);
    EXPECT_EQ(backPixel(width / 2 - 12, height / 2), grey);
}

TEST_F(Overlay, LogoIsBlendedThirtyTwoPixelsInFromTheLowerRight) {
    std::vector<unsigned char> logo(64 * 64 * 4); // left half opaque red, right half transparent
    for (int i = 0; i < 64 * 64; ++i)
        logo[i * 4] = logo[i * 4 + 3] = i % 64 < 32 ? 255 : 0;
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    drawLogo(logo.data(), width, height);
    EXPECT_FALSE(glIsEnabled(GL_BLEND));
    EXPECT_EQ(backPixel(width - 96, 32), (RGBA{255, 0, 0, 255}));
    EXPECT_EQ(backPixel(width - 96 + 31, 32 + 63), (RGBA{255, 0, 0, 255}));
    EXPECT_EQ(backPixel(width - 96 + 40, 40), grey);
    EXPECT_EQ(backPixel(width - 97, 32), grey);
    EXPECT_EQ(backPixel(width - 96, 31), grey);
}

// A frame with a hard edge (left half white), and matrices that would move a raster position.
TEST_F(Overlay, SmoothingSoftensEdgesAndKeepsFlatAreasAndDepth) {
    fill(0, 0, width / 2, height, 1);
    std::memset(out, 0xab, 64);
    goSmooth(0, height);
    goSmooth(width, 0);
    EXPECT_EQ(out[63], 0xab); // nothing read, drawn or written for an empty view

    std::vector<unsigned char> frame(width * height * 4), smoothed(frame.size());
    glReadPixels(0, 0, width, height, GL_RGBA, GL_UNSIGNED_INT_8_8_8_8, frame.data());
    glEnable(GL_DEPTH_TEST);
    glTranslatef(37, -21, 0);
    goSmooth(width, height);
    EXPECT_EQ(0, std::memcmp(in, frame.data(), frame.size()));
    glReadPixels(0, 0, width, height, GL_RGBA, GL_UNSIGNED_INT_8_8_8_8, smoothed.data());
    EXPECT_EQ(0, std::memcmp(out, smoothed.data(), smoothed.size())); // the frame is out now
    EXPECT_EQ(integer(GL_DRAW_BUFFER), GL_BACK);
    EXPECT_EQ(integer(GL_READ_BUFFER), GL_BACK);

    const int edge = width / 2; // first grey column
    EXPECT_EQ(backPixel(0, 0), white);
    EXPECT_EQ(backPixel(edge + 2, 10), grey);
    const RGBA left = backPixel(edge - 1, 50), right = backPixel(edge, 50);
    EXPECT_GT(left[0], right[0]);
    EXPECT_LT(left[0], 255);
    EXPECT_GT(right[0], 204);
    GLfloat depth; // colour only: the depth stays cleared
    glReadPixels(edge, 50, 1, 1, GL_DEPTH_COMPONENT, GL_FLOAT, &depth);
    EXPECT_EQ(depth, 1.0f);
}

// The buffers grow for a view beyond 1440 x 900, hold while the view needs more than half of
// them, go back to the static ones after, and are left alone for a view beyond 8K UHD.
TEST(LargeOverlay, SmoothingBuffersGrowShrinkBackAndSkipHugeViews) {
    GLWindow window(1600, 1000);
    fill(0, 0, 1600, 1000, 0);
    fill(1500, 900, 100, 100, 1); // a white square in the upper right corner
    goSmooth(1600, 1000);
    EXPECT_EQ(smoothCapacity(), 1600u * 1000u);
    EXPECT_EQ(backPixel(1599, 999), white);
    EXPECT_EQ(backPixel(1499, 950)[0], 64);
    const unsigned char *grown = out;
    goSmooth(1440, 900);
    EXPECT_EQ(out, grown);
    goSmooth(1600, 501); // 801,600 pixels: still more than half
    EXPECT_EQ(std::make_tuple(out, smoothCapacity()), std::make_tuple(grown, 1600u * 1000u));
    goSmooth(1600, 500); // half: back to the static buffers
    EXPECT_EQ(smoothCapacity(), 1440u * 900u);
    EXPECT_NE(out, grown);

    out[0] = 0xab;
    goSmooth(7681, 4320);
    goSmooth(16000, 16000);
    EXPECT_EQ(smoothCapacity(), 1440u * 900u);
    EXPECT_EQ(out[0], 0xab); // nothing read, filtered or drawn
}

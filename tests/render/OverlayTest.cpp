// Axes, logo and smoothing pass, checked through GL state and real pixels read back.
#include "GLWindow.h"
#include "LWdraw.h"

#include <cstring>
#include <gtest/gtest.h>

using RGBA = std::array<int, 4>;

// Fills a rectangle of window pixels white, whatever the matrices.
static void fillWhite(int x, int y, int w, int h) {
    glEnable(GL_SCISSOR_TEST);
    glScissor(x, y, w, h);
    glClearColor(1, 1, 1, 1);
    glClear(GL_COLOR_BUFFER_BIT);
    glDisable(GL_SCISSOR_TEST);
}

class Overlay : public ::testing::Test {
protected:
    void SetUp() override {
        glClearColor(0.8f, 0.8f, 0.8f, 1);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        window.centredPixelProjection();
    }
    static void leftHalfWhite() { fillWhite(0, 0, width / 2, height); }
    static constexpr int width = 320;
    static constexpr int height = 200;
    GLWindow window{width, height};
};

static GLint integer(GLenum pname) {
    GLint value = 0;
    glGetIntegerv(pname, &value);
    return value;
}

TEST_F(Overlay, AxesAreDashedColouredAndLeaveTheirState) {
    glLineWidth(5);
    drawAxis(100, 2);
    EXPECT_FALSE(glIsEnabled(GL_LINE_STIPPLE));
    EXPECT_EQ(integer(GL_LINE_WIDTH), 1);
    EXPECT_EQ(integer(GL_LINE_STIPPLE_PATTERN), 0xff00);
    EXPECT_EQ(integer(GL_LINE_STIPPLE_REPEAT), 1);
    GLfloat colour[4];
    glGetFloatv(GL_CURRENT_COLOR, colour);
    EXPECT_EQ(colour[0] + colour[1], 0.0f);
    EXPECT_EQ(colour[2], 1.0f);

    // Along the X axis (row at the centre), red dashes alternate with the background.
    int red = 0, grey = 0;
    for (int x = width / 2 + 1; x < width / 2 + 99; ++x) {
        const RGBA p = window.pixel(x, height / 2);
        red += p == RGBA{255, 0, 0, 255};
        grey += p[0] == 204 && p[1] == 204;
    }
    EXPECT_GT(red, 30);
    EXPECT_GT(grey, 30);
    // Y axis is green, and only the positive half of each axis is drawn.
    bool green = false;
    for (int y = height / 2 + 1; y < height / 2 + 99; ++y)
        green |= window.pixel(width / 2, y) == RGBA{0, 255, 0, 255};
    EXPECT_TRUE(green);
    for (int x = 0; x < width / 2 - 2; ++x)
        ASSERT_EQ(window.pixel(x, height / 2)[0], 204);
}

TEST_F(Overlay, LogoIsBlendedThirtyTwoPixelsInFromTheLowerRight) {
    // Left half opaque red, right half fully transparent blue.
    std::vector<unsigned char> logo(64 * 64 * 4);
    for (int i = 0; i < 64 * 64; ++i) {
        const unsigned char on = i % 64 < 32 ? 255 : 0, off = 255 - on;
        const unsigned char pixel[4] = {on, 0, off, on};
        std::memcpy(&logo[i * 4], pixel, 4);
    }
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    drawLogo(logo.data(), width, height);
    EXPECT_FALSE(glIsEnabled(GL_BLEND));
    GLfloat raster[4];
    glGetFloatv(GL_CURRENT_RASTER_POSITION, raster);
    EXPECT_EQ(raster[0], width - 96.0f);
    EXPECT_EQ(raster[1], 32.0f);
    EXPECT_EQ(window.pixel(width - 96, 32), (RGBA{255, 0, 0, 255}));
    EXPECT_EQ(window.pixel(width - 96 + 31, 32 + 63), (RGBA{255, 0, 0, 255}));
    EXPECT_EQ(window.pixel(width - 96 + 40, 40)[2], 204); // transparent half: background
    EXPECT_EQ(window.pixel(width - 97, 32)[1], 204);
    EXPECT_EQ(window.pixel(width - 96, 31)[1], 204);
}

// The smoothing pass over a frame whose left half is white and right half grey, with matrices
// that would move a raster position anywhere.
TEST_F(Overlay, SmoothingSoftensEdgesAndKeepsFlatAreas) {
    leftHalfWhite();
    // What the frame holds as GL_UNSIGNED_INT_8_8_8_8 words: in must receive exactly this.
    std::vector<unsigned char> packed(width * height * 4);
    glReadPixels(0, 0, width, height, GL_RGBA, GL_UNSIGNED_INT_8_8_8_8, packed.data());
    const int edge = width / 2; // first grey column
    glEnable(GL_DEPTH_TEST);
    glTranslatef(37, -21, 0);
    glScalef(0.5f, 3, 1);
    goSmooth(width, height);
    EXPECT_TRUE(glIsEnabled(GL_DEPTH_TEST));
    EXPECT_EQ(0, std::memcmp(in, packed.data(), packed.size()));
    EXPECT_EQ(integer(GL_DRAW_BUFFER), GL_BACK);
    EXPECT_EQ(integer(GL_READ_BUFFER), GL_BACK);
    // The frame now is out, pixel for pixel.
    std::vector<unsigned char> frame(packed.size());
    glReadPixels(0, 0, width, height, GL_RGBA, GL_UNSIGNED_INT_8_8_8_8, frame.data());
    EXPECT_EQ(0, std::memcmp(out, frame.data(), frame.size()));
    EXPECT_NE(0, std::memcmp(out, packed.data(), packed.size()));

    EXPECT_EQ(window.pixel(10, 10), (RGBA{255, 255, 255, 255}));
    EXPECT_EQ(window.pixel(edge + 10, 10), (RGBA{204, 204, 204, 255}));
    EXPECT_EQ(window.pixel(0, 0), (RGBA{255, 255, 255, 255})); // the border repeats its edge
    EXPECT_EQ(window.pixel(width - 1, height - 1), (RGBA{204, 204, 204, 255}));
    const RGBA left = window.pixel(edge - 1, 50), right = window.pixel(edge, 50);
    EXPECT_GT(left[0], right[0]);
    EXPECT_LT(left[0], 255);
    EXPECT_GT(right[0], 204);
    GLfloat depth; // the pass replaces colour only: the depth stays cleared
    glReadPixels(edge, 50, 1, 1, GL_DEPTH_COMPONENT, GL_FLOAT, &depth);
    EXPECT_EQ(depth, 1.0f);
}

TEST_F(Overlay, SmoothingOfAnEmptyViewTouchesNothing) {
    leftHalfWhite();
    std::memset(out, 0xab, 64);
    const auto before = window.readRGBA();
    goSmooth(0, height);
    goSmooth(width, 0);
    EXPECT_EQ(out[0], 0xab);
    EXPECT_EQ(out[63], 0xab);
    EXPECT_EQ(window.readRGBA(), before);
}

TEST(LargeOverlay, SmoothingGrowsOnceForViewsBeyond1440By900) {
    GLWindow window(1600, 1000);
    glClearColor(0, 0, 0, 1);
    glClear(GL_COLOR_BUFFER_BIT);
    fillWhite(1500, 900, 100, 100); // a white square in the upper right corner
    goSmooth(1600, 1000);
    EXPECT_EQ(smoothCapacity(), 1600u * 1000u);
    const unsigned char *grown = out;
    // The corner pixel survived the read and the draw; the square's edge is softened.
    EXPECT_EQ(window.pixel(1599, 999), (RGBA{255, 255, 255, 255}));
    EXPECT_EQ(window.pixel(1499, 950)[0], 64);
    goSmooth(1600, 1000);
    goSmooth(1440, 900);
    EXPECT_EQ(out, grown);
    EXPECT_EQ(smoothCapacity(), 1600u * 1000u);
}

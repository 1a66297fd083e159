// The axes and the smoothing pass, checked through GL state and pixels read back.
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

// On a grey frame, centred projection, one unit a pixel.
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

// The X axis: red dashes of eight pixels, positive half only; the line state is put back.
TEST_F(Overlay, AxesAreDashedAndLeaveTheirState) {
    glLineWidth(5);
    drawAxis(100, 2);
    EXPECT_EQ(std::make_tuple(glIsEnabled(GL_LINE_STIPPLE), integer(GL_LINE_WIDTH),
                              integer(GL_LINE_STIPPLE_PATTERN)),
              std::make_tuple(GLboolean(GL_FALSE), 1, 0xff00));
    EXPECT_EQ(backPixel(width / 2 + 12, height / 2), (RGBA{255, 0, 0, 255}));
    EXPECT_EQ(backPixel(width / 2 + 4, height / 2), grey);
    EXPECT_EQ(backPixel(width / 2 - 12, height / 2), grey);
}

// A frame with a hard edge (left half white), and matrices that would move a raster position:
// the edge softens, flat areas and the depth stay, the frame is kept in `in` and the result in
// `out`; an empty view is not touched.
TEST_F(Overlay, SmoothingSoftensEdgesAndKeepsFlatAreasAndDepth) {
    fill(0, 0, width / 2, height, 1);
    std::memset(out, 0xab, 64);
    goSmooth(0, height);
    goSmooth(width, 0);
    EXPECT_EQ(out[63], 0xab);
    std::vector<unsigned char> frame(width * height * 4), smoothed(frame.size());
    glReadPixels(0, 0, width, height, GL_RGBA, GL_UNSIGNED_INT_8_8_8_8, frame.data());
    glEnable(GL_DEPTH_TEST);
    glTranslatef(37, -21, 0);
    goSmooth(width, height);
    glReadPixels(0, 0, width, height, GL_RGBA, GL_UNSIGNED_INT_8_8_8_8, smoothed.data());
    EXPECT_EQ(std::make_tuple(std::memcmp(in, frame.data(), frame.size()),
                              std::memcmp(out, smoothed.data(), smoothed.size()),
                              integer(GL_DRAW_BUFFER), integer(GL_READ_BUFFER)),
              std::make_tuple(0, 0, GL_BACK, GL_BACK));
    const int edge = width / 2; // first grey column
    const RGBA left = backPixel(edge - 1, 50), right = backPixel(edge, 50);
    EXPECT_EQ(std::make_pair(backPixel(0, 0), backPixel(edge + 2, 10)),
              std::make_pair(white, grey));
    EXPECT_TRUE(255 > left[0] && left[0] > right[0] && right[0] > 204)
        << left[0] << " " << right[0];
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
    const unsigned char *grown = out;
    EXPECT_EQ(std::make_tuple(smoothCapacity(), backPixel(1599, 999), backPixel(1499, 950)[0]),
              std::make_tuple(1600u * 1000u, white, 64));
    goSmooth(1440, 900);
    goSmooth(1600, 501); // 801,600 pixels: still more than half
    EXPECT_EQ(std::make_tuple(out, smoothCapacity()), std::make_tuple(grown, 1600u * 1000u));
    goSmooth(1600, 500); // half: back to the static buffers
    EXPECT_EQ(smoothCapacity(), 1440u * 900u);
    EXPECT_NE(out, grown);
    out[0] = 0xab;
    goSmooth(7681, 4320);
    goSmooth(16000, 16000);
    EXPECT_EQ(std::make_pair(smoothCapacity(), out[0]),
              std::make_pair(std::size_t(1440 * 900), (unsigned char)0xab));
}

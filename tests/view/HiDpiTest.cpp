// Run with QT_SCALE_FACTOR=2: the view's sizes are in points, its viewport, logo and axes in
// device pixels, two per point.
#include "ViewFixture.h"

#include <algorithm>

// Bounding box, in device pixels, of the pixels whose colour is red (255, 0, 0): left, right,
// bottom, top, inclusive.
static std::array<int, 4> redBox(int w, int h) {
    const auto pixels = backRGBA(w, h);
    std::array<int, 4> box{w, -1, h, -1};
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            if (pixels[(y * w + x) * 4] == 255 && pixels[(y * w + x) * 4 + 1] == 0)
                box = {std::min(box[0], x), std::max(box[1], x), std::min(box[2], y),
                       std::max(box[3], y)};
    return box;
}

// The viewport is the view's pixels; 3841 x 2160 points are 7682 x 4320 pixels, beyond 8K UHD,
// and not drawn. An opaque red logo is 64 x 64 points, 32 points in from the right and the
// bottom, in full screen only; the red X axis, unlit, lies along the middle row, two points thick.
TEST_F(ViewTest, ViewportLogoAndAxesScaleWithTheScreen) {
    ASSERT_EQ(qEnvironmentVariable("QT_SCALE_FACTOR"), "2");
    const int wide = 2 * width, high = 2 * height;
    start("lowThresh=4\nhighThresh=0\n"); // no figure
    GLint viewport[4];
    for (const QRectF &rect : {QRectF(0, 0, width, height), QRectF(0, 0, 3841, 2160)}) {
        view->drawRect(rect);
        glGetIntegerv(GL_VIEWPORT, viewport);
        EXPECT_EQ(std::make_tuple(viewport[2], viewport[3]), std::make_tuple(wide, high));
    }
    view->logo.reset(new unsigned char[64 * 64 * 4]);
    for (int i = 0; i < 64 * 64 * 4; ++i)
        view->logo[i] = i % 4 == 0 || i % 4 == 3 ? 255 : 0;
    view->lightScene = false;
    view->showAxis = true;
    view->cam.o = {0, 0, 0};
    frame();
    const std::array<int, 4> axis = redBox(wide, high);
    EXPECT_EQ(std::make_pair(axis[2], axis[3]), std::make_pair(high / 2 - 2, high / 2 + 1));
    view->showAxis = false;
    view->inFullScreen = true;
    frame();
    EXPECT_EQ(redBox(wide, high), (std::array<int, 4>{wide - 192, wide - 65, 64, 191}));
}

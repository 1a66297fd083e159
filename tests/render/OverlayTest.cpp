// The smoothing pass, checked through GL state and pixels read back.
#include "GLWindow.h"
#include "LWdraw.h"

#include <cstring>
#include <gtest/gtest.h>
#include <tuple>

// A grey frame with a hard edge (left half white), centred projection, and matrices that would
// move a raster position: the edge softens, flat areas and the depth stay, the frame is kept in
// `in` and the result in `out`; an empty view is not touched.
TEST(Overlay, SmoothingSoftensEdgesAndKeepsFlatAreasAndDepth) {
    const int width = 320, height = 200, edge = width / 2; // the first grey column
    GLWindow window(width, height);
    glClear(GL_DEPTH_BUFFER_BIT);
    glEnable(GL_SCISSOR_TEST);
    for (const auto &[right, level] : {std::pair(width, 0.8f), std::pair(edge, 1.0f)}) {
        glScissor(0, 0, right, height);
        glClearColor(level, level, level, 1);
        glClear(GL_COLOR_BUFFER_BIT);
    }
    glDisable(GL_SCISSOR_TEST);
    window.centredPixelProjection();
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
    GLint buffers[2];
    glGetIntegerv(GL_DRAW_BUFFER, &buffers[0]);
    glGetIntegerv(GL_READ_BUFFER, &buffers[1]);
    EXPECT_EQ(std::make_tuple(std::memcmp(in, frame.data(), frame.size()),
                              std::memcmp(out, smoothed.data(), smoothed.size()), buffers[0],
                              buffers[1]),
              std::make_tuple(0, 0, GL_BACK, GL_BACK));
    const int left = backPixel(edge - 1, 50)[0], right = backPixel(edge, 50)[0];
    EXPECT_EQ(std::make_tuple(backPixel(0, 0)[0], backPixel(edge + 2, 10)[0]),
              std::make_tuple(255, 204));
    EXPECT_TRUE(255 > left && left > right && right > 204) << left << " " << right;
    GLfloat depth; // colour only: the depth stays cleared
    glReadPixels(edge, 50, 1, 1, GL_DEPTH_COMPONENT, GL_FLOAT, &depth);
    EXPECT_EQ(depth, 1.0f);
}

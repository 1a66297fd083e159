// Run with QT_SCALE_FACTOR=2: the view's sizes are in points, its viewport in device pixels.
#include "ViewFixture.h"

TEST_F(ViewTest, ViewportCoversTheWholeViewInDevicePixels) {
    ASSERT_EQ(qEnvironmentVariable("QT_SCALE_FACTOR"), "2");
    start("lowThresh=0\n");
    frame();
    GLint viewport[4];
    glGetIntegerv(GL_VIEWPORT, viewport);
    EXPECT_EQ(std::make_tuple(viewport[2], viewport[3]), std::make_tuple(2 * width, 2 * height));
}

// Run with QT_SCALE_FACTOR=2: the view's sizes are in points, its viewport in device pixels.
#include "ViewFixture.h"

TEST_F(ViewTest, ViewportCoversTheWholeViewInDevicePixels) {
    ASSERT_EQ(qEnvironmentVariable("QT_SCALE_FACTOR"), "2");
    storeText("drawShades=NO\nlowThresh=0\ndrawSmooth=YES\ncam_zoom=0.25\n");
    start(400, 300);
    ASSERT_EQ(view->devicePixelRatio(), 2.0);
    frame();
    GLint viewport[4];
    glGetIntegerv(GL_VIEWPORT, viewport);
    EXPECT_EQ(viewport[2], 800);
    EXPECT_EQ(viewport[3], 600);
    // The figure is centred in device pixels, and the background reaches the far corner.
    EXPECT_NE(backPixel(400, 300)[0], 204);
    EXPECT_EQ(backPixel(799, 599)[0], 204);
}

// The animation step and the frame, driven by hand with a fake clock; pixels read back.
#include "ViewFixture.h"

#include <QTest>
#include <cmath>

TEST_F(ViewTest, StartDelayThenSpinAndRock) {
    start();
    now += 30.0; // exactly 30 s still counts as delay; the phase goes on
    frame();
    EXPECT_EQ(std::make_tuple(view->o.x, view->o.z), std::make_tuple(0.0f, 0.0f));
    EXPECT_EQ(view->rads, 3.75f);
    now += 0.25;
    frame();
    EXPECT_EQ(view->o.z, -0.1f + 360.0f); // 0 - 0.1 wraps once
    EXPECT_FLOAT_EQ(view->o.x, float(0.1f * std::cos(double(view->rads))));
    frame();
    EXPECT_EQ(view->o.z, (-0.1f + 360.0f) - 0.1f);
    view->bubble = 0;
    view->o.z = 0;
    frame();
    frame();
    EXPECT_EQ(view->o.z, 360.0f);
    EXPECT_EQ(view->o.y, 0.0f);
}

// Unlit, the frame holds the grey background, the black dark figure and the white light one and
// nothing else; the smoothing pass softens the rims; low above high leaves the background only.
TEST_F(ViewTest, FrameShowsBackgroundAndBothFigures) {
    start("drawShades=NO\nlowThresh=0\n");
    frame();
    EXPECT_EQ(greyLevels(), (std::set<int>{0, 204, 255}));
    EXPECT_FALSE(glIsEnabled(GL_LIGHTING) || glIsEnabled(GL_BLEND));
    view->drawSmooth = true;
    frame();
    EXPECT_GT(greyLevels().size(), 10u);
    view->low = 3;
    view->high = 2;
    frame();
    EXPECT_EQ(greyLevels(), std::set<int>{204});
}

TEST_F(ViewTest, FractionalSizesTruncateTheViewportAndRoundTheLogo) {
    start();
    view->screenSize = QSizeF(1024, 768);
    view->resizeGL();
    view->inFullScreen = true;
    view->drawRect(QRectF(0, 0, 1023.7, 767.5));
    GLint viewport[4];
    glGetIntegerv(GL_VIEWPORT, viewport);
    EXPECT_EQ(std::make_tuple(viewport[2], viewport[3]), std::make_tuple(1023, 767));
    // The logo was placed for 1024 x 768, at (416, -352), seen through the 1023 x 767 viewport.
    GLfloat raster[4];
    glGetFloatv(GL_CURRENT_RASTER_POSITION, raster);
    EXPECT_NEAR(raster[0], (416.0 + 512) / 1024 * 1023, 1e-2);
    EXPECT_NEAR(raster[1], (-352.0 + 384) / 768 * 767, 1e-2);
}

TEST_F(ViewTest, ClockDrawsWhileExposedAndIdlesWhileHidden) {
    start();
    QTest::qWait(300);
    EXPECT_GE(view->frames, 4);
    view->hide();
    QTest::qWait(50);
    const int hidden = view->frames;
    QTest::qWait(300);
    EXPECT_EQ(view->frames, hidden);
}

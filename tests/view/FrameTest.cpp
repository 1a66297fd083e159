// The animation step and the frame, driven by hand with a fake clock; pixels read back.
#include "ViewFixture.h"

#include <QTest>
#include <cmath>
#include <set>
#include <tuple>

TEST_F(ViewTest, StartDelayHoldsTheOrientationForThirtySecondsWhileWavesGoOn) {
    start();
    now += 30.0; // exactly 30 s still counts as delay
    frame();
    EXPECT_EQ(view->o.x, 0.0f);
    EXPECT_EQ(view->o.z, 0.0f);
    EXPECT_EQ(view->fade, 1.0f);
    EXPECT_EQ(view->rads, static_cast<float>(0.125 * 30.0));
    now += 0.25;
    frame();
    EXPECT_EQ(view->o.z, -0.1f + 360.0f);
    const float rads = static_cast<float>(view->rads);
    EXPECT_FLOAT_EQ(view->o.x, static_cast<float>(0.1f * std::cos(double(rads))));
    EXPECT_EQ(view->o.y, 0.0f);
}

TEST_F(ViewTest, SpinWrapsIntoZeroTo360AndAZeroStepHolds360) {
    storeText("delay=NO\n");
    start();
    frame();
    EXPECT_EQ(view->o.z, -0.1f + 360.0f);
    frame();
    EXPECT_EQ(view->o.z, (-0.1f + 360.0f) - 0.1f);
    view->bubble = 0;
    view->o.z = 0;
    frame();
    EXPECT_EQ(view->o.z, 360.0f);
    frame();
    EXPECT_EQ(view->o.z, 360.0f);
    // The phase follows time, not steps: 8 s in three steps is one radian.
    view->rads = 0;
    now += 2;
    frame();
    now += 6;
    frame();
    frame();
    EXPECT_EQ(view->rads, 1.0f);
    EXPECT_EQ(view->o.y, 0.0f);
}

static std::set<int> greyLevels(const std::vector<unsigned char> &pixels) {
    std::set<int> levels;
    for (std::size_t i = 0; i < pixels.size(); i += 4)
        levels.insert(pixels[i]);
    return levels;
}

// Unlit, the frame holds the grey background, the black dark figure and the white light one,
// and nothing else; smoothed last in the frame, its rims are soft.
TEST_F(ViewTest, FrameShowsBackgroundAndTheDarkAndLightFiguresSmoothedOnRequest) {
    storeText("drawShades=NO\nlowThresh=0\n");
    start();
    frame();
    EXPECT_EQ(pixel(0, 0), (std::array<int, 4>{204, 204, 204, 255}));
    EXPECT_EQ(greyLevels(readRGBA()), (std::set<int>{0, 204, 255}));
    EXPECT_FALSE(glIsEnabled(GL_LIGHTING) || glIsEnabled(GL_BLEND));
    GLfloat modelview[16];
    glGetFloatv(GL_MODELVIEW_MATRIX, modelview);
    EXPECT_EQ(std::make_tuple(modelview[0], modelview[12], modelview[14]),
              std::make_tuple(1.0f, 0.0f, 0.0f));

    view->drawSmooth = true;
    frame();
    EXPECT_GT(greyLevels(readRGBA()).size(), 10u);
    GLint drawBuffer;
    glGetIntegerv(GL_DRAW_BUFFER, &drawBuffer);
    EXPECT_EQ(drawBuffer, GL_BACK);
}

// Lit, the figures never reach pure black; the outlines add black rims around them. The clock
// stands still, so both frames show the same pose.
TEST_F(ViewTest, LitFigureGetsBlackRimsFromTheOutlines) {
    storeText("lowThresh=0\n");
    start();
    frame();
    EXPECT_TRUE(glIsEnabled(GL_LIGHTING));
    const auto plain = greyLevels(readRGBA());
    EXPECT_GT(plain.size(), 2u);
    EXPECT_FALSE(plain.count(0));
    view->drawBorder = true;
    frame();
    EXPECT_TRUE(glIsEnabled(GL_LIGHTING));
    EXPECT_TRUE(greyLevels(readRGBA()).count(0));
}

TEST_F(ViewTest, LowAboveHighShowsOnlyTheBackground) {
    storeText("lowThresh=3\nhighThresh=2\n");
    start();
    frame();
    EXPECT_EQ(greyLevels(readRGBA()), std::set<int>{204});
}

TEST_F(ViewTest, FractionalSizesTruncateTheViewportAndRoundTheLogo) {
    start();
    view->screenSize = QSizeF(1024, 768);
    view->resizeGL();
    view->inFullScreen = true;
    view->drawRect(QRectF(0, 0, 1023.7, 767.5));
    GLint viewport[4];
    glGetIntegerv(GL_VIEWPORT, viewport);
    EXPECT_EQ(viewport[2], 1023);
    EXPECT_EQ(viewport[3], 767);
    // The logo was placed for a 1024 x 768 view: (416, -352), mapped through the 1023 x 767
    // viewport.
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

// The animation step and the frame, driven by hand with a fake clock; pixels read back.
#include "ViewFixture.h"

#include <QTest>
#include <cmath>
#include <set>

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

TEST_F(ViewTest, FrameShowsBackgroundAndTheDarkAndLightFigures) {
    storeText("drawShades=NO\nlowThresh=0\n");
    start();
    frame();
    EXPECT_EQ(pixel(0, 0), (std::array<int, 4>{204, 204, 204, 255}));
    EXPECT_EQ(pixel(width - 1, height - 1)[0], 204);
    // Unlit, the dark figure is black and the light one white; both cover the centre region.
    std::set<int> greys;
    for (int y = height / 2 - 20; y < height / 2 + 20; ++y)
        for (int x = width / 2 - 20; x < width / 2 + 20; ++x)
            greys.insert(pixel(x, y)[0]);
    EXPECT_TRUE(greys.count(0));
    EXPECT_TRUE(greys.count(255));
    EXPECT_FALSE(glIsEnabled(GL_LIGHTING));
    EXPECT_FALSE(glIsEnabled(GL_BLEND));
    GLfloat modelview[16];
    glGetFloatv(GL_MODELVIEW_MATRIX, modelview);
    EXPECT_EQ(modelview[0], 1.0f);
    EXPECT_EQ(modelview[12], 0.0f);
}

// Lit, the figures never reach pure black; the outlines add black rims around them. The clock
// stands still, so both frames show the same pose.
TEST_F(ViewTest, LitFigureGetsBlackRimsFromTheOutlines) {
    storeText("lowThresh=0\n");
    start();
    frame();
    EXPECT_TRUE(glIsEnabled(GL_LIGHTING));
    const auto plain = readRGBA();
    view->drawBorder = true;
    frame();
    EXPECT_TRUE(glIsEnabled(GL_LIGHTING));
    const auto outlined = readRGBA();
    int figure = 0, black = 0, rims = 0;
    for (std::size_t i = 0; i < plain.size(); i += 4) {
        figure += plain[i] != 204;
        black += plain[i] == 0;
        rims += outlined[i] == 0;
    }
    EXPECT_GT(figure, 1000);
    EXPECT_EQ(black, 0);
    EXPECT_GT(rims, 20);
}

TEST_F(ViewTest, LowAboveHighShowsOnlyTheBackground) {
    storeText("lowThresh=3\nhighThresh=2\n");
    start();
    frame();
    const auto pixels = readRGBA();
    for (std::size_t i = 0; i < pixels.size(); i += 4)
        ASSERT_EQ(pixels[i], 204) << i / 4;
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

// Unlit, a frame holds only black, white and the background grey; smoothed, its rims are soft.
TEST_F(ViewTest, SmoothingPassRunsLastInTheFrame) {
    storeText("drawShades=NO\nlowThresh=0\n");
    start();
    const auto greys = [this] {
        std::set<int> levels;
        const auto pixels = readRGBA();
        for (std::size_t i = 0; i < pixels.size(); i += 4)
            levels.insert(pixels[i]);
        return levels;
    };
    frame();
    EXPECT_EQ(greys(), (std::set<int>{0, 204, 255}));
    view->drawSmooth = true;
    frame();
    EXPECT_GT(greys().size(), 10u);
    GLint drawBuffer;
    glGetIntegerv(GL_DRAW_BUFFER, &drawBuffer);
    EXPECT_EQ(drawBuffer, GL_BACK);
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

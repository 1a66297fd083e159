// The animation step and the frame, driven by hand with a fake clock; pixels read back.
#include "Bundle.h"
#include "ViewFixture.h"

#include <cmath>

// Exactly 30 s still counts as the start delay, and the phase goes on (0.125 rad a second);
// then each step takes the spin step off o.z, wrapping into [0, 360), and rocks o.x by the rock
// amplitude times cos(rads).
TEST_F(ViewTest, StartDelayThenSpinAndRock) {
    start();
    now += 30.0;
    frame();
    EXPECT_EQ(seen(view->o.x, view->o.z, view->rads), "0 0 3.75");
    now += 0.25;
    frame();
    EXPECT_EQ(view->o.z, -0.1f + 360.0f);
    EXPECT_FLOAT_EQ(view->o.x, float(0.1f * std::cos(double(view->rads))));
    frame();
    EXPECT_EQ(view->o.z, (-0.1f + 360.0f) - 0.1f);
}

// A month of running, the clock advancing in irregular jumps of about an hour, then frames at
// 30 Hz over more than a whole period: each step advances the phase by 0.125 rad a second within
// 1 % modulo the waves' common period (a wrap anywhere else would make a wave jump), and the
// spin, at the slider's negative end, stays in [0, 360).
TEST_F(ViewTest, AMonthOfRunningKeepsPaceAndTheSpinInRange) {
    // Waves of 0.37, 4.5 and 2.5 repeat only after 100 turns.
    start("tetraTurn=-2\ndist_freq=0.37\nturn_freq=2.5\nturn_amp=0.3\n");
    for (int hour = 0; hour < 30 * 24; ++hour, view->updateTime())
        now += 3600 + 0.37 * (hour % 7);
    const double frameStep = 0.125 / 30, period = 200 * M_PI;
    for (int i = 0; i < int(period / frameStep) + 300; ++i) {
        const float before = view->rads;
        now += 1.0 / 30;
        view->updateTime();
        ASSERT_NEAR(std::remainder(double(view->rads) - before, period), frameStep,
                    0.01 * frameStep)
            << "at rads " << before;
        ASSERT_TRUE(view->o.z >= 0 && view->o.z < 360) << view->o.z;
    }
}

// Unlit, the frame holds the grey background, the black dark figure and the white light one and
// nothing else; the smoothing pass softens the rims and leaves flat areas. Depths low..high draw
// 4^low + ... + 4^high tetrahedra of four triangles; the list past high is empty, even after a
// deeper build filled it; low above high leaves the background only.
TEST_F(ViewTest, FrameShowsBackgroundAndBothFiguresAtEveryDepth) {
    start("drawShades=NO\nlowThresh=0\n");
    frame();
    EXPECT_EQ(seen(greyLevels(), glIsEnabled(GL_LIGHTING), glIsEnabled(GL_BLEND)),
              "QList(0, 204, 255) 0 0");
    view->drawSmooth = true;
    frame();
    EXPECT_EQ(
        seen(greyLevels().size() > 10, backPixel(0, 0)[0], backPixel(width / 2, height / 2)[0]),
        "true 204 0");
    QStringList drawn;
    for (const auto &[low, high] : {std::pair(0u, 4u), std::pair(1u, 3u), std::pair(4u, 4u),
                                    std::pair(0u, 0u), std::pair(0u, 2u), std::pair(2u, 1u)}) {
        view->low = low;
        view->high = high;
        frame();
        drawn << seen(primitivesOf(view->tetra) / 4, primitivesOf(view->tetra + high + 1));
    }
    EXPECT_EQ(drawn.join(", "), "341 0, 84 0, 256 0, 1 0, 21 0, 0 0");
    EXPECT_EQ(greyLevels(), QList<int>{204});
}

// The bundled logo, blended 32 px in from the right and bottom (in full screen only: the scaled
// screen's test); a missing or wrong-sized file means no logo at all.
TEST_F(ViewTest, LogoIsBlendedAndOnlyARightOne) {
    start("lowThresh=4\nhighThresh=0\n"); // no figure over the logo
    view->inFullScreen = true;
    frame();
    const QImage image =
        QImage(resourcePath() + "/fs.tif").convertToFormat(QImage::Format_RGBA8888);
    for (const QPoint &at : {QPoint(32, 9), QPoint(31, 50), QPoint(5, 40)}) {
        const QColor source = image.pixelColor(at);
        EXPECT_NEAR(backPixel(width - 96 + at.x(), 32 + 63 - at.y())[0],
                    source.red() * source.alphaF() + 204 * (1 - source.alphaF()), 2);
    }
    QTemporaryDir resources;
    setResourcePath(resources.path());
    QImage(32, 32, QImage::Format_RGBA8888).save(resources.filePath("fs.tif"));
    for (int i = 0; i < 2; ++i, QFile::remove(resources.filePath("fs.tif"))) {
        view->logo.reset();
        view->initLogo();
        EXPECT_FALSE(view->logo) << (i ? "missing" : "32 x 32");
    }
    setResourcePath(QString());
}

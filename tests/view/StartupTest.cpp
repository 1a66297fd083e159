// Start-up: defaults on a first run, stored and hand-edited settings, the lists and the logo.
#include "ViewFixture.h"

#include "Bundle.h"
#include "SettingsTable.h"

#include <QFile>
#include <QImage>
#include <tuple>

static auto fields(const LWSine &wave) {
    return std::tie(wave.f, wave.a, wave.d, wave.p);
}

TEST_F(ViewTest, FirstRunReadsEveryDefault) {
    start();
    EXPECT_TRUE(view->lightScene && view->waitDelay);
    EXPECT_FALSE(view->drawBorder || view->drawSmooth);
    EXPECT_EQ(std::tie(view->cam.o.x, view->cam.o.y, view->cam.o.z, view->cam.p.z, view->cam.zoom),
              std::make_tuple(0.0f, -54.735f, 120.0f, -10.0f, 2.0f));
    EXPECT_EQ(std::tie(view->low, view->high, view->bubble), std::make_tuple(1u, 3u, 0.1f));
    EXPECT_EQ(fields(view->distSine), std::make_tuple(4.5f, 0.382f, -0.59f, 0.0f));
    EXPECT_FALSE(QFile::exists(settingsStore().fileName())); // defaults answer from memory
}

// Stored values are read, YES / NO among them; what no control could have written falls back to
// the default or, for depths, into 0..4, so the lists stay within the six reserved names.
TEST_F(ViewTest, StoredAndDamagedValuesAreReadSafely) {
    start("drawShades=NO\ndrawBorder=YES\ndelay=false\ndist_amp=0.25\nhighThresh=99\n"
          "lowThresh=-7\ncam_zoom=nan\nthis is not a setting\ndist_freq=fast\n");
    EXPECT_FALSE(view->lightScene || view->waitDelay);
    EXPECT_TRUE(view->drawBorder);
    EXPECT_EQ(std::tie(view->low, view->high, view->cam.zoom), std::make_tuple(0u, 4u, 2.0f));
    EXPECT_EQ(std::tie(view->distSine.f, view->distSine.a), std::make_tuple(4.5f, 0.25f));
    frame();
    EXPECT_FALSE(glIsEnabled(GL_LIGHTING));
    EXPECT_EQ(primitivesOf(view->tetra), 4u * 341);
    EXPECT_EQ(primitivesOf(view->tetra + 5), 0u);

    const GLuint first = view->tetra; // a repeated start releases the earlier names
    view->initScene();
    EXPECT_FALSE(glIsList(first));
}

// The bundled logo, upright and 32 px in from the right and bottom, in full screen only.
TEST_F(ViewTest, LogoIsBlendedInFullScreenOnly) {
    start("lowThresh=4\nhighThresh=0\n"); // no figure over the logo
    view->inFullScreen = true;
    frame();
    const QImage image =
        QImage(resourcePath() + "/fs.tif").convertToFormat(QImage::Format_RGBA8888);
    for (const QPoint &at : {QPoint(32, 9), QPoint(31, 50), QPoint(5, 40)}) {
        const QColor source = image.pixelColor(at);
        const auto shown = backPixel(width - 96 + at.x(), 32 + 63 - at.y());
        EXPECT_NEAR(shown[0], source.red() * source.alphaF() + 204 * (1 - source.alphaF()), 2);
    }
    view->inFullScreen = false;
    frame();
    EXPECT_EQ(greyLevels(), std::set<int>{204});
}

TEST_F(ViewTest, MissingOrWrongSizedLogoMeansNoLogo) {
    QTemporaryDir resources;
    setResourcePath(resources.path());
    QImage(32, 32, QImage::Format_RGBA8888).save(resources.filePath("fs.tif"));
    start("lowThresh=4\nhighThresh=0\n");
    EXPECT_FALSE(view->logo);
    QFile::remove(resources.filePath("fs.tif"));
    view->initLogo();
    setResourcePath(QString());
    EXPECT_FALSE(view->logo);
    view->inFullScreen = true;
    frame();
    EXPECT_EQ(greyLevels(), std::set<int>{204});
}

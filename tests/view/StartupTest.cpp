// Start-up: a repeated start, and the logo.
#include "ViewFixture.h"

#include "Bundle.h"

#include <QImage>
#include <tuple>

// After frames, a drag and a spin, a repeated start reads the store again and starts the time,
// the phase, the orientation and the lists afresh, in the view's own context even when another
// context (a plot, a second window) is current; the earlier list names are released.
TEST_F(ViewTest, ARepeatedStartResetsTheSceneInItsOwnContext) {
    start("delay=NO\n");
    for (int i = 0; i < 3; ++i, now += 1)
        frame();
    view->cam.o = {1, 2, 3};
    view->cam.zoom = 7;
    view->low = 3;
    view->tracking = true;
    ASSERT_NE(view->o.z, 0.0f);
    const GLuint first = view->tetra;
    now += 5;
    GLWindow other(16, 16);
    view->initScene();
    EXPECT_EQ(std::make_tuple(view->o.x, view->o.y, view->o.z, view->rads, view->fade,
                              view->tracking, view->startTime, view->time),
              std::make_tuple(0.0f, 0.0f, 0.0f, 0.0f, 0.0f, false, now, now));
    EXPECT_EQ(
        std::make_tuple(view->cam.o.x, view->cam.o.y, view->cam.o.z, view->cam.zoom, view->low),
        std::make_tuple(0.0f, -54.735f, 120.0f, 2.0f, 1u));
    other.makeCurrent();
    EXPECT_FALSE(glIsList(view->tetra)); // nothing reserved in the other context
    view->makeCurrentContext();
    EXPECT_TRUE(glIsList(view->tetra) && !glIsList(first));
}

// The bundled logo, blended 32 px in from the right and bottom, in full screen only; a missing or
// wrong-sized file means no logo at all.
TEST_F(ViewTest, LogoIsBlendedInFullScreenOnlyAndOnlyARightOne) {
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
    view->inFullScreen = false;
    frame();
    EXPECT_EQ(greyLevels(), QList<int>{204});
    QTemporaryDir resources;
    setResourcePath(resources.path());
    for (const bool present : {true, false}) {
        if (present)
            QImage(32, 32, QImage::Format_RGBA8888).save(resources.filePath("fs.tif"));
        else
            QFile::remove(resources.filePath("fs.tif"));
        view->logo.reset();
        view->initLogo();
        EXPECT_FALSE(view->logo) << present;
    }
    setResourcePath(QString());
}

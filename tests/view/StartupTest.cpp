// Start-up: defaults on a first run, stored and hand-edited settings, the logo and the projection.
#include "ViewFixture.h"

#include "Bundle.h"
#include "SettingsTable.h"

#include <QImage>
#include <cstdio>
#include <tuple>
#include <unistd.h>

static auto fields(const LWSine &wave) {
    return std::tie(wave.f, wave.a, wave.d, wave.p);
}

TEST_F(ViewTest, FirstRunReadsEveryDefault) {
    start();
    EXPECT_TRUE(view->lightScene && view->showLogo && view->waitDelay);
    EXPECT_FALSE(view->drawBorder || view->drawSmooth || view->showAxis);
    EXPECT_EQ(std::tie(view->cam.o.x, view->cam.o.y, view->cam.o.z, view->cam.p.z, view->cam.zoom),
              std::make_tuple(0.0f, -54.735f, 120.0f, -10.0f, 2.0f));
    EXPECT_EQ(std::tie(view->low, view->high), std::make_tuple(1u, 3u));
    EXPECT_EQ(std::tie(view->bubble, view->bobble), std::make_tuple(0.1f, 0.1f));
    EXPECT_EQ(fields(view->distSine), std::make_tuple(4.5f, 0.382f, -0.59f, 0.0f));
    EXPECT_EQ(fields(view->sizeSine), std::make_tuple(4.5f, 0.2f, -0.12f, 1.0f));
    EXPECT_EQ(fields(view->turnSine), std::make_tuple(0.0f, 0.05f, 0.0f, 0.0f));
    EXPECT_EQ(view->fade, 0.0f);
    EXPECT_EQ(view->startTime, now);
    // Nothing was written: the defaults answer from memory.
    EXPECT_FALSE(QFile::exists(settingsStore().fileName()));
}

// Stored values are read, YES / NO and true / false among them; what no control could have
// written falls back to the default or, for depths, into 0..4.
TEST_F(ViewTest, StoredAndDamagedValuesAreReadSafely) {
    storeText("drawShades=NO\ndrawBorder=YES\ndelay=false\ndist_amp=0.25\n"
              "highThresh=99\nlowThresh=-7\ncam_zoom=nan\ntetraTurn=inf\n"
              "this is not a setting\ndist_freq=fast\n");
    start();
    EXPECT_FALSE(view->lightScene || view->waitDelay);
    EXPECT_TRUE(view->drawBorder);
    EXPECT_EQ(std::tie(view->low, view->high), std::make_tuple(0u, 4u));
    EXPECT_EQ(std::tie(view->cam.zoom, view->bubble), std::make_tuple(2.0f, 0.1f));
    EXPECT_EQ(std::tie(view->distSine.f, view->distSine.a), std::make_tuple(4.5f, 0.25f));
    frame();
    EXPECT_FALSE(glIsEnabled(GL_LIGHTING)); // a stored NO starts unlit
    // With high 4 the lists fill the six reserved names: level 4 holds one tetrahedron, the
    // list past it none.
    EXPECT_EQ(primitivesOf(view->tetra + 4), 4u);
    EXPECT_EQ(primitivesOf(view->tetra + 5), 0u);
    EXPECT_EQ(primitivesOf(view->tetra), 4u * 341);
}

TEST_F(ViewTest, RepeatedSceneStartReleasesTheEarlierLists) {
    start();
    frame();
    const GLuint first = view->tetra;
    view->initScene();
    ASSERT_NE(view->tetra, first);
    EXPECT_FALSE(glIsList(first));
    EXPECT_FALSE(glIsList(first + 5));
    frame();
    EXPECT_EQ(primitivesOf(view->tetra), 4u * 84);
}

// The logo from the bundle, upright and 32 px in from the right and bottom, in full screen only.
TEST_F(ViewTest, LogoIsBlendedInFullScreenOnly) {
    storeText("lowThresh=4\nhighThresh=0\n"); // no figure over the logo
    start();
    ASSERT_TRUE(view->logo);
    view->inFullScreen = true;
    frame();
    const QImage image =
        QImage(resourcePath() + "/fs.tif").convertToFormat(QImage::Format_RGBA8888);
    // Image pixels (top-down) and where they land (GL, bottom-up): the top row is at y = 95.
    for (const QPoint &at : {QPoint(32, 9), QPoint(31, 50), QPoint(5, 40), QPoint(32, 30)}) {
        const QColor source = image.pixelColor(at);
        const double alpha = source.alphaF();
        const auto shown = pixel(width - 96 + at.x(), 32 + 63 - at.y());
        EXPECT_NEAR(shown[0], source.red() * alpha + 204 * (1 - alpha), 2)
            << at.x() << "," << at.y();
        EXPECT_NEAR(shown[2], source.blue() * alpha + 204 * (1 - alpha), 2);
    }
    view->inFullScreen = false;
    frame();
    EXPECT_EQ(pixel(width - 96 + 5, 32 + 63 - 40)[0], 204);
}

// Captures what the code under test writes to standard error.
static QByteArray standardError(const std::function<void()> &action) {
    std::fflush(stderr);
    char name[] = "/tmp/tetravolute-stderrXXXXXX";
    const int capture = mkstemp(name);
    const int saved = dup(2);
    dup2(capture, 2);
    action();
    std::fflush(stderr);
    dup2(saved, 2);
    close(saved);
    QFile file(name);
    file.open(QIODevice::ReadOnly);
    const QByteArray text = file.readAll();
    close(capture);
    unlink(name);
    return text;
}

TEST_F(ViewTest, MissingOrWrongSizedLogoMeansNoLogoAndOneLine) {
    QTemporaryDir resources;
    setResourcePath(resources.path());
    const QByteArray missing = standardError([&] { start(); });
    EXPECT_EQ(missing.count('\n'), 1);
    EXPECT_TRUE(missing.contains("no logo")) << missing.constData();
    EXPECT_FALSE(view->logo);
    frame();
    const auto windowed = readRGBA();
    view->inFullScreen = true;
    frame();
    EXPECT_EQ(readRGBA(), windowed);

    QImage small(32, 32, QImage::Format_RGBA8888);
    small.fill(Qt::red);
    ASSERT_TRUE(small.save(resources.filePath("fs.tif")));
    const QByteArray wrong = standardError([&] { view->initLogo(); });
    EXPECT_TRUE(wrong.contains("32 x 32")) << wrong.constData();
    EXPECT_FALSE(view->logo);
    setResourcePath(QString());
}

TEST_F(ViewTest, ProjectionFollowsTheScreenOrTheViewWithoutOne) {
    start();
    GLfloat m[16];
    glGetFloatv(GL_PROJECTION_MATRIX, m);
    EXPECT_FLOAT_EQ(m[0], 2.0f / width);
    EXPECT_FLOAT_EQ(m[5], 2.0f / height);
    EXPECT_FLOAT_EQ(m[10], -2.0f / (2 * width));
    view->screenSize = QSizeF(0, 0);
    view->resizeGL();
    glGetFloatv(GL_PROJECTION_MATRIX, m);
    EXPECT_FLOAT_EQ(m[0], 2.0f / width);
    EXPECT_FLOAT_EQ(m[5], 2.0f / height);
    GLint mode;
    glGetIntegerv(GL_MATRIX_MODE, &mode);
    EXPECT_EQ(mode, GL_MODELVIEW);
}

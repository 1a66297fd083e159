// Frames checked as a person would look at them: the colour of chosen faces, the figure's extent,
// the outlines' rims. Every expectation comes from SceneGeometry, not from the view's code.
#include "SceneGeometry.h"
#include "ViewFixture.h"

#include "SettingsTable.h"

#include <QFile>
#include <cmath>
#include <cstring>

namespace {
struct Box {
    double left, right, bottom, top; // window pixels from the lower left
};
} // namespace

// Where the scene's corners reach in a view of width x height points showing a screen of
// screenWide points across (the projection's scale).
static Box expectedBox(const Scene &scene, double screenWide) {
    const double scale = ViewTest::width / screenWide;
    Box box{1e9, -1e9, 1e9, -1e9};
    for (const Vec3 &p : sceneCorners(scene)) {
        box.left = std::min(box.left, ViewTest::width / 2 + p.x * scale);
        box.right = std::max(box.right, ViewTest::width / 2 + p.x * scale);
        box.bottom = std::min(box.bottom, ViewTest::height / 2 + p.y * scale);
        box.top = std::max(box.top, ViewTest::height / 2 + p.y * scale);
    }
    return box;
}

// The centres of the outermost pixels that are not the grey background.
static Box drawnBox() {
    const auto pixels = backRGBA(ViewTest::width, ViewTest::height);
    Box box{1e9, -1e9, 1e9, -1e9};
    for (int y = 0; y < ViewTest::height; ++y)
        for (int x = 0; x < ViewTest::width; ++x)
            if (pixels[(y * ViewTest::width + x) * 4] != 204) {
                box.left = std::min(box.left, x + 0.5);
                box.right = std::max(box.right, x + 0.5);
                box.bottom = std::min(box.bottom, y + 0.5);
                box.top = std::max(box.top, y + 0.5);
            }
    return box;
}

// Pixel centres lie inside the figure, a little short of its outermost corners.
#define EXPECT_EXTENT(drawn, expected)                                                             \
    do {                                                                                           \
        const Box d_ = (drawn), e_ = (expected);                                                   \
        EXPECT_NEAR(d_.left, e_.left + 0.75, 1.25);                                                \
        EXPECT_NEAR(d_.right, e_.right - 0.75, 1.25);                                              \
        EXPECT_NEAR(d_.bottom, e_.bottom + 0.75, 1.25);                                            \
        EXPECT_NEAR(d_.top, e_.top - 0.75, 1.25);                                                  \
    } while (0)

// One tetrahedron per figure, camera and figure unturned, one point per unit of 1/200 figure:
// seen from +Z the dark figure shows its three faces round the apex, the light one (turned a half
// turn about Y) its base, and together they make a six-pointed star about the view's centre.
static const QByteArray single = "lowThresh=0\nhighThresh=0\ncam_orientation_y=0\n"
                                 "cam_orientation_z=0\ncam_zoom=1\n";
namespace {
struct Point {
    int x, y;
    int red() const { return backPixel(x, y)[0]; }
};
} // namespace
static const Point face1{190, 150}; // dark face a b c, on the -X side of the apex
static const Point face2{270, 153}; // dark face a d b, a point of the star only it covers
static const Point base{110, 150};  // the light figure's base, a point only it covers

TEST_F(ViewTest, FacesTakeTheirGreyLevelsUnderTheLight) {
    start(single);
    frame();
    const Vec3 *k = cornerVectors; // a face's inward normal is its opposite corner
    const Mat3 halfTurn = rotation(180, {0, 1, 0});
    EXPECT_NEAR(face1.red(), litLevel(0.25, k[3]), 1);
    EXPECT_NEAR(face2.red(), litLevel(0.25, k[2]), 1);
    EXPECT_NEAR(base.red(), litLevel(0.75, halfTurn * k[0]), 1);
    EXPECT_EQ(backPixel(5, 5)[0], 204);

    // A camera turned a half turn about Y swaps the figures: the light apex, the dark base.
    view->cam.o.y = 180;
    frame();
    EXPECT_NEAR(face1.red(), litLevel(0.75, k[3]), 1);
    EXPECT_NEAR(face2.red(), litLevel(0.75, k[2]), 1);
    EXPECT_NEAR(base.red(), litLevel(0.25, halfTurn * k[0]), 1);

    // Flat: the dark figure black, the light one white.
    view->cam.o.y = 0;
    view->lightScene = false;
    frame();
    EXPECT_EQ(std::make_tuple(face1.red(), face2.red(), base.red()), std::make_tuple(0, 0, 255));
}

// Outline copies are shifted by 1/40 of each corner, 5 points per unit of corner here: the dark
// star point at +X (tip at 315.47) grows by 2.89 points, and on the row 10.5 points above the
// axis its rim runs from 297.28 to 300.17; the light point at -X likewise from 102.72 to 99.83.
TEST_F(ViewTest, OutlinesAreRimsOnly) {
    start(single + "drawBorder=YES\n");
    frame();
    const int row = 160;
    EXPECT_EQ(backPixel(299, row)[0], 0); // the dark figure's rim, black when lit
    EXPECT_EQ(backPixel(300, row)[0], 204);
    EXPECT_NEAR(backPixel(296, row)[0], litLevel(0.25, cornerVectors[2]), 1);
    EXPECT_EQ(backPixel(100, row)[0], 0); // the light figure's rim
    EXPECT_EQ(backPixel(99, row)[0], 204);
    // No black inside: the outlines' depth is cleared before the figures.
    EXPECT_NEAR(face1.red(), litLevel(0.25, cornerVectors[3]), 1);
    EXPECT_NEAR(base.red(), 255, 1);

    view->lightScene = false; // the dark figure's rim turns white, the light one's stays black
    frame();
    EXPECT_EQ(std::make_tuple(backPixel(299, row)[0], backPixel(100, row)[0], face1.red()),
              std::make_tuple(255, 0, 0));
}

// Depth 1 only, with constant waves: each figure is four copies of size s at dist x each corner,
// so the star reaches (dist + size) x the corners, whatever the copies' turn. The turn shows on
// the copy at the apex, which faces the eye: a small triangle pointing along +X (corner d), a
// quarter turn points it straight up. Then the default scene at a fixed phase, seen on a screen
// larger than the view.
TEST_F(ViewTest, ExtentFollowsDistanceSizeTurnAndZoom) {
    start(single + "cam_zoom=0.85\nlowThresh=1\nhighThresh=1\n");
    for (const auto &[distDelta, sizeDelta] : {std::pair(-1.6f, 8.86f), std::pair(0.5f, -3.544f)}) {
        view->distSine = {0, 0, distDelta, 0}; // f, a, d, p: the wave is its delta
        view->sizeSine = {0, 0, sizeDelta, 0};
        frame();
        Scene scene;
        scene.zoom = 0.85;
        scene.low = scene.high = 1;
        scene.dist = distDelta * 0.75 + 1.25;
        scene.size = sizeDelta * 0.125 + 0.493;
        EXPECT_EXTENT(drawnBox(), expectedBox(scene, width));
    }

    view->cam.zoom = 1;
    view->distSine = {0, 0, 0, 0};       // 1.25: the apex copy stands clear of the others
    view->sizeSine = {0, 0, -2.344f, 0}; // 0.2: its corners 23.1 points from the centre
    const Point tip{width / 2, height / 2 + 21};
    frame();
    EXPECT_EQ(tip.red(), 204);         // unturned, the two figures' apex copies make a star
    view->turnSine = {0, 0, 0.75f, 0}; // 90 degrees: both point up
    frame();
    EXPECT_NE(tip.red(), 204);

    QFile::remove(settingsStore().fileName());
    start();
    view->screenSize = QSizeF(2.5 * width, 2.5 * height);
    view->resizeGL();
    now += 10; // rads 1.25
    frame();
    Scene defaults;
    defaults.cam = {0, -54.735, 120};
    defaults.zoom = 2;
    defaults.low = 1;
    defaults.high = 3;
    defaults.dist = (-0.59 + 0.382 * std::sin(1.25 * 4.5)) * 0.75 + 1.25;
    defaults.size = (-0.12 + 0.2 * std::sin(3.141592653589793 + 1.25 * 4.5)) * 0.125 + 0.493;
    EXPECT_EXTENT(drawnBox(), expectedBox(defaults, 2.5 * width));
}

// Each order of the camera's and the figure's rotations gives a different picture.
TEST_F(ViewTest, CameraAndFigureTurnAboutXThenYThenZ) {
    start(single + "cam_zoom=0.7\nhighThresh=1\n");
    view->cam.o = {30, 50, 70};
    view->o = {25, 0, 40}; // held still by the start delay
    view->distSine = {0, 0, 0, 0};
    view->sizeSine = {0, 0, -0.5f, 0};
    frame();
    Scene scene;
    scene.cam = {30, 50, 70};
    scene.o = {25, 0, 40};
    scene.zoom = 0.7;
    scene.high = 1;
    scene.dist = 1.25;
    scene.size = -0.5 * 0.125 + 0.493;
    EXPECT_EXTENT(drawnBox(), expectedBox(scene, width));
}

// Pictures drawn off screen: at the view's own size the frame on screen, pixel for pixel; at
// three times the size the same scene three times larger; at other proportions the screen's
// height fills the picture's and the figure keeps its shape. Nothing steps the animation, and
// the background can be left transparent.
TEST_F(ViewTest, PicturesShowTheFrameAtAnySizeWithoutAStep) {
    start(single);
    frame();
    const std::vector<unsigned char> shown = backRGBA(width, height);
    const float rads = view->rads, spin = view->o.z;
    const QImage same = view->picture(QSize(width, height), false);
    ASSERT_EQ(same.size(), QSize(width, height));
    const QImage upright = same.mirrored(); // GL's rows, bottom first
    EXPECT_EQ(0, std::memcmp(upright.constBits(), shown.data(), shown.size()));
    EXPECT_EQ(std::make_tuple(view->rads, view->o.z), std::make_tuple(rads, spin));

    Scene scene; // single's
    const Box box = expectedBox(scene, width);
    for (const QSize size : {QSize(3 * width, 3 * height), QSize(1600, 900)}) {
        const QImage picture = view->picture(size, false).mirrored(); // bottom row first
        const double scale = size.height() / double(height); // the screen's height fills it
        Box drawn{1e9, -1e9, 1e9, -1e9};
        for (int y = 0; y < size.height(); ++y)
            for (int x = 0; x < size.width(); ++x)
                if (qRed(picture.pixel(x, y)) != 204) {
                    drawn = {std::min(drawn.left, x + 0.5), std::max(drawn.right, x + 0.5),
                             std::min(drawn.bottom, y + 0.5), std::max(drawn.top, y + 0.5)};
                }
        const Box expected{size.width() / 2.0 + (box.left - width / 2.0) * scale,
                           size.width() / 2.0 + (box.right - width / 2.0) * scale,
                           (box.bottom - height / 2.0) * scale + size.height() / 2.0,
                           (box.top - height / 2.0) * scale + size.height() / 2.0};
        EXPECT_NEAR(drawn.left, expected.left + 0.75, 1.25 * scale) << size.width();
        EXPECT_NEAR(drawn.right, expected.right - 0.75, 1.25 * scale) << size.width();
        EXPECT_NEAR(drawn.bottom, expected.bottom + 0.75, 1.25 * scale) << size.width();
        EXPECT_NEAR(drawn.top, expected.top - 0.75, 1.25 * scale) << size.width();
    }

    const QImage clear = view->picture(QSize(width, height), true);
    EXPECT_EQ(clear.pixel(0, 0), 0u); // no background: every byte 0
    EXPECT_EQ(qAlpha(clear.pixel(face1.x, height - 1 - face1.y)), 255);
    EXPECT_EQ(qRed(clear.pixel(face1.x, height - 1 - face1.y)), face1.red());
    EXPECT_TRUE(view->picture(QSize(0, 10), false).isNull());
    EXPECT_TRUE(view->picture(QSize(7681, 4320), false).isNull());
    EXPECT_EQ(std::make_tuple(view->rads, view->o.z), std::make_tuple(rads, spin));
}

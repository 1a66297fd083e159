// Frames checked as a person would look at them: the colour of chosen faces, the figure's extent,
// the outlines' rims, and pictures drawn off screen. Every expectation comes from SceneGeometry,
// not from the view's code.
#include "LWdraw.h"
#include "SceneGeometry.h"
#include "ViewFixture.h"

namespace {

struct Point {
    int x, y;
    int red() const { return backPixel(x, y)[0]; }
};

// One tetrahedron per figure, camera and figure unturned, one point per unit of 1/200 figure:
// seen from +Z the dark figure shows its three faces round the apex, the light one (turned a half
// turn about Y) its base, and together they make a six-pointed star about the view's centre.
const QByteArray single = "lowThresh=0\nhighThresh=0\ncam_orientation_y=0\n"
                          "cam_orientation_z=0\ncam_zoom=1\n";
const Point face1{190, 150}; // dark face a b c, on the -X side of the apex
const Point face2{270, 153}; // dark face a d b, a point of the star only it covers
const Point base{110, 150};  // the light figure's base, a point only it covers

} // namespace

// Lit, each face takes its level from its normal; a camera turned a half turn about Y swaps the
// figures (the light apex, the dark base).
// Outline copies are shifted by 1/40 of each corner, 5 points per unit of corner here: the dark
// star point at +X (tip at 315.47) grows by 2.89 points, and on the row 10.5 points above the
// axis its rim runs from 297.28 to 300.17; the light point at -X likewise from 102.72 to 99.83.
// Lit, both rims are black. No black inside: the outlines' depth is cleared before the figures.
TEST_F(ViewTest, FacesTakeTheirGreyLevelsAndOutlinesAreRimsOnly) {
    start(single + "drawBorder=YES\n");
    const QVector3D *k = cornerVectors; // a face's inward normal is its opposite corner
    const QVector3D under =
        QMatrix4x4(-1, 0, 0, 0, 0, 1, 0, 0, 0, 0, -1, 0, 0, 0, 0, 1).map(k[0]); // about Y
    for (const auto &[turn, dark, light] :
         {std::tuple(0.0f, 0.25, 0.75), std::tuple(180.0f, 0.75, 0.25)}) {
        view->cam.o.y = turn;
        frame();
        EXPECT_NEAR(face1.red(), litLevel(dark, k[3]), 1) << turn;
        EXPECT_NEAR(face2.red(), litLevel(dark, k[2]), 1) << turn;
        EXPECT_NEAR(base.red(), litLevel(light, under), 1) << turn;
    }
    view->cam.o.y = 0;
    frame();
    const Point darkRim{299, 160}, pastDark{300, 160}, darkFace{296, 160}, lightRim{100, 160},
        pastLight{99, 160};
    EXPECT_EQ(seen(darkRim.red(), pastDark.red(), lightRim.red(), pastLight.red()), "0 204 0 204");
    EXPECT_NEAR(darkFace.red(), litLevel(0.25, k[2]), 1);
}

// Scenes with constant waves (the distance factor is 0.75 d + 1.25, the size 0.125 d + 0.493):
// depth 1 only, at both ends of the size; the camera and the figure turned about X, then Y, then
// Z; and the default scene at a fixed phase, seen on a screen larger than the view. Then the
// copies' turn, on the copy at the apex, which faces the eye: a small triangle pointing along +X
// (corner d); a quarter turn (turn delta 0.75) points it straight up.
TEST_F(ViewTest, ExtentFollowsDistanceSizeZoomAndTheOrderOfTurns) {
    start(single);
    const double at = 1.25 * 4.5; // the default waves' phase 10 s in: their distance and size
    const double dist = (-0.59 + 0.382 * std::sin(at)) * 0.75 + 1.25,
                 size = (-0.12 + 0.2 * std::sin(M_PI + at)) * 0.125 + 0.493;
    const std::pair<Scene, double> scenes[] = {
        // the scene, the screen's size in views
        {{{0, 0, 0}, 0.85, {0, 0, 0}, 1, 1, -1.6 * 0.75 + 1.25, 8.86 * 0.125 + 0.493}, 1},
        {{{0, 0, 0}, 0.85, {0, 0, 0}, 1, 1, 0.5 * 0.75 + 1.25, -3.544 * 0.125 + 0.493}, 1},
        {{{30, 50, 70}, 0.7, {25, 0, 40}, 0, 1, 1.25, -0.5 * 0.125 + 0.493}, 1},
        {{{0, -54.735, 120}, 2, {}, 1, 3, dist, size}, 2.5}};
    for (const auto &[scene, screen] : scenes) {
        const bool defaults = screen > 1;
        if (defaults) {
            start("delay=YES\n");
            view->screenSize = QSizeF(screen * width, screen * height);
            view->resizeGL();
            now += 10; // rads 1.25
        } else {
            view->cam.o = {scene.cam.x(), scene.cam.y(), scene.cam.z()};
            view->o = {scene.o.x(), scene.o.y(), scene.o.z()}; // held by the delay
            view->cam.zoom = float(scene.zoom);
            view->low = scene.low;
            view->high = scene.high;
            view->distSine = {0, 0, float((scene.dist - 1.25) / 0.75), 0}; // f, a, d, p
            view->sizeSine = {0, 0, float((scene.size - 0.493) / 0.125), 0};
        }
        frame();
        expectExtent(backImage(width, height), expectedBox(scene, {width, height}, screen * height),
                     1, defaults ? "defaults" : "constant waves");
    }
    start(single + "lowThresh=1\nhighThresh=1\n");
    view->distSine = {0, 0, 0, 0};       // 1.25: the apex copy stands clear of the others
    view->sizeSine = {0, 0, -2.344f, 0}; // 0.2: its corners 23.1 points from the centre
    const Point tip{width / 2, height / 2 + 21};
    frame();
    const int unturned = tip.red();
    view->turnSine = {0, 0, 0.75f, 0};
    frame();
    EXPECT_EQ(seen(unturned, tip.red() == 204), "204 false");
}

// Pictures drawn off screen: at the view's own size the frame on screen, pixel for pixel; at
// three times the size the same scene three times larger; at other proportions the screen's
// height fills the picture's and the figure keeps its shape. Nothing steps the animation or
// changes the next frame on screen, and the background can be left transparent; empty and
// beyond-8K sizes give no picture. The smoothing pass works at any size up to exactly 8K UHD,
// either way up, and gives its grown buffers back for a small frame.
TEST_F(ViewTest, PicturesShowTheFrameAtAnySizeWithoutAStep) {
    start(single);
    frame();
    const QImage shown = backImage(width, height);
    const QString still = seen(view->rads, view->o.z);
    EXPECT_EQ(view->picture(QSize(width, height), false).mirrored(), shown);
    const QImage clear = view->picture(QSize(width, height), true);
    const QRgb face = clear.pixel(face1.x, height - 1 - face1.y);
    EXPECT_EQ(seen(clear.pixel(0, 0), qAlpha(face), qRed(face)), seen(0, 255, face1.red()));
    EXPECT_TRUE(view->picture(QSize(0, 10), false).isNull() &&
                view->picture(QSize(7681, 4320), false).isNull());
    view->drawSmooth = true; // its buffers grow past 1440 x 900; it blurs by a pixel at most
    for (const QSize size : {QSize(3 * width, 3 * height), QSize(1600, 900)})
        expectExtent(view->picture(size, false).mirrored(), expectedBox(Scene(), size, height),
                     size.height() / double(height), "picture");
    QStringList held; // up to exactly 8K UHD in either shape, then the buffers are given back
    for (const QSize size : {QSize(7680, 4320), QSize(4320, 7680), QSize(width, height)}) {
        const bool drawn = !view->picture(size, false).isNull();
        held << seen(drawn, smoothCapacity());
    }
    EXPECT_EQ(held, QStringList({"true 33177600", "true 33177600", "true 1296000"}));
    EXPECT_EQ(seen(view->rads, view->o.z), still);
    view->drawSmooth = false;
    frame(); // the screen's projection is back
    EXPECT_EQ(backImage(width, height), shown);
}

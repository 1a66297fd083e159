// One drawRect: an animation step (the phase follows real time, spin and rock advance per step)
// and one frame, composed from the fractal's lists and the overlays, then presented.
#include "LWTetravoluteView.h"

#include "AbsoluteTime.h"
#include "LWTetra.h"
#include "LWdraw.h"
#include "Log.h"
#include "Sight.h"

#include <cmath>
#include <initializer_list>

static constexpr double startDelay = 30.0; // seconds the orientation holds still

void LWTetravoluteView::drawRect(const QRectF &rect) {
    // Unseen, nothing is drawn and the spin and the rock wait; the waves follow the clock.
    if (sight && !sight->seen())
        return;
    w = static_cast<float>(rect.width());
    h = static_cast<float>(rect.height());
    if (tooLarge())
        return;
    updateTime();
    drawScene();
}

GLsizei LWTetravoluteView::devicePixels(float points) const {
    return static_cast<GLsizei>(points * devicePixelRatio());
}

// Beyond the largest frame the renderer alone would freeze the program for seconds: such a view
// is left undrawn, and the animation waits, until it is smaller. Said once.
bool LWTetravoluteView::tooLarge() const {
    const GLsizei pixelsWide = devicePixels(w), pixelsHigh = devicePixels(h);
    if (double(pixelsWide) * pixelsHigh <= double(largestFrame))
        return false;
    static bool told = false;
    if (!told)
        logLine(QString("the view is %1 x %2 pixels, more than 7680 x 4320: it is not drawn while "
                        "it is that large")
                    .arg(pixelsWide)
                    .arg(pixelsHigh));
    told = true;
    return true;
}

void LWTetravoluteView::updateTime(double steps) {
    const double now = absoluteTime();
    const double elapsed = now - time;
    time = now;
    // The phase runs in double and is handed on within half a common period of zero, where a
    // float step of 1/240 rad is off by under 1 % however long the program runs.
    const LWSine *const waves[] = {&distSine, &sizeSine, &turnSine};
    phase = std::remainder(phase + 0.125 * elapsed, commonPeriod(waves, 3));
    rads = static_cast<float>(phase);
    if (waitDelay && !(time - startTime > startDelay)) {
        fade = 1;
        return;
    }
    o.x = static_cast<float>(o.x + bobble * std::cos(static_cast<double>(rads)) * steps);
    // Spin within [0, 360) for any finite step, in either direction.
    const float spun = std::fmod(o.z - static_cast<float>(bubble * steps), 360.0f);
    o.z = spun < 0 ? spun + 360 : spun;
    if (o.z >= 360) // a step a hair below 0 rounds up to 360
        o.z = 0;
    fade = 1;
}

// Four copies of the figure shifted by 1/40 of each corner: with the depth cleared afterwards,
// only their rims show around the final figure.
static void drawOutline(GLuint list) {
    for (const LWVektor *v : {&a, &b, &c, &d}) {
        glPushMatrix();
        glTranslatef(v->x / 40, v->y / 40, v->z / 40);
        glCallList(list);
        glPopMatrix();
    }
}

// A half turn about Z, then about X: the light figure faces the dark one.
static void halfTurn() {
    glRotatef(180, 0, 0, 1);
    glRotatef(180, 1, 0, 0);
}

void LWTetravoluteView::drawScene() {
    view->makeCurrentContext();
    // w and h are points; the viewport is device pixels.
    composeFrame(devicePixels(w), devicePixels(h), devicePixelRatio());
    glFinish();
    view->flushBuffer();
}

void LWTetravoluteView::composeFrame(GLsizei pixelsWide, GLsizei pixelsHigh, double ratio) {
    const float grey = static_cast<float>(fade * 0.8);
    glClearColor(grey, grey, grey, 1);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glViewport(0, 0, pixelsWide, pixelsHigh);
    glLoadIdentity();
    if (lightScene)
        glEnable(GL_LIGHTING);
    else
        glDisable(GL_LIGHTING);
    setColors(lightScene, fade);

    if (inFullScreen && showLogo && logo) {
        glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
        glEnable(GL_BLEND);
        // The raster position is in points, the image in pixels: 64 x 64 points.
        glPixelZoom(static_cast<GLfloat>(ratio), static_cast<GLfloat>(ratio));
        drawLogo(logo.get(), std::roundf(w), std::roundf(h));
        glPixelZoom(1, 1);
        glDisable(GL_BLEND);
    }

    // Two units wide, in pixels.
    const auto axisWidth = static_cast<float>(2 * ratio);
    glPushMatrix();
    if (showAxis)
        drawAxis(200, axisWidth);
    drawCam(&cam);
    if (showAxis)
        drawAxis(200, axisWidth);
    glScalef(200, 200, 200);
    glRotatef(o.x, 1, 0, 0);
    glRotatef(o.y, 0, 1, 0);
    glRotatef(o.z, 0, 0, 1);
    if (showAxis)
        drawAxis(1, axisWidth);

    glPushMatrix();
    const float distance = f(&distSine, rads) * 0.75f + 1.25f;
    const float angle = f(&turnSine, rads) * 120.0f;
    const float scale = f(&sizeSine, rads) * 0.125f + 0.493f;
    drawTetra(tetra, 0, low, high, distance, angle, scale);

    if (drawBorder) {
        glDisable(GL_LIGHTING);
        setColors(false, fade);
        glPushMatrix();
        if (lightScene)
            setBlackColor();
        else
            setWhiteColor();
        drawOutline(tetra);
        setBlackColor();
        halfTurn();
        drawOutline(tetra);
        glPopMatrix();
        if (lightScene) {
            glEnable(GL_LIGHTING);
            setColors(true, fade);
        }
    }
    glClear(GL_DEPTH_BUFFER_BIT);

    glPushMatrix();
    setBlackColor();
    glCallList(tetra);
    halfTurn();
    setWhiteColor();
    glCallList(tetra);
    glPopMatrix();
    glPopMatrix();
    glPopMatrix();

    if (drawSmooth)
        goSmooth(static_cast<std::uint64_t>(pixelsWide), static_cast<std::uint64_t>(pixelsHigh));
}

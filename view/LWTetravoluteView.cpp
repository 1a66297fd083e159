// Start-up of the scene view: defaults, scene state from the store, fixed GL state, logo,
// projection and the redraw clock.
#include "LWTetravoluteView.h"

#include "AbsoluteTime.h"
#include "Bundle.h"
#include "LWTetra.h"
#include "Log.h"
#include "RepeatingTimer.h"
#include "SettingsTable.h"
#include "Sight.h"

#include <QScreen>
#include <algorithm>

static constexpr int logoSide = 64;
static constexpr int logoBytes = logoSide * logoSide * 4;
// List base + 0 .. + 5: depths up to 4, the top of the settings table's depth range.
static constexpr GLsizei reservedLists = 6;

LWTetravoluteView::LWTetravoluteView(QWindow *parent) : OpenGLView(basicPixelFormat(), parent) {
    static const bool registered = (initialize(), true);
    Q_UNUSED(registered);
}

LWTetravoluteView::~LWTetravoluteView() {
    if (offScreen.framebuffer != 0) {
        makeCurrentContext();
        freeOffScreen();
    }
}

void LWTetravoluteView::initialize() {
    settingsStore().registerDefaults(defaultsTable());
}

QSurfaceFormat LWTetravoluteView::basicPixelFormat() {
    QSurfaceFormat format;
    format.setRenderableType(QSurfaceFormat::OpenGL);
    format.setVersion(2, 1);
    format.setProfile(QSurfaceFormat::CompatibilityProfile);
    format.setSwapBehavior(QSurfaceFormat::DoubleBuffer);
    format.setDepthBufferSize(32);
    return format;
}

void LWTetravoluteView::awakeFromNib() {
    awakeOffScreen();
    initClock();
}

void LWTetravoluteView::awakeOffScreen() {
    fade = 0;
    setSwapInterval(1);
    inFullScreen = false;
    view = this;
    const QScreen *holder = screen();
    screenSize = holder ? QSizeF(holder->geometry().size()) : QSizeF(0, 0);
    // Nothing below can draw without a fixed-function context.
    if (const QString missing = missingOpenGL(); !missing.isEmpty())
        abandonLaunch(missing);
    initScene();
    initGL();
    initLogo();
    resizeGL();
}

// A wave's four keys follow each other in the table: amp, freq, delta, phase.
static void readWave(const Defaults &store, LWSine *wave, Setting amp) {
    wave->a = readFloat(store, amp);
    wave->f = readFloat(store, Setting(amp + 1));
    wave->d = readFloat(store, Setting(amp + 2));
    wave->p = readFloat(store, Setting(amp + 3));
}

void LWTetravoluteView::initScene() {
    // The lists belong to this view's context, whichever context a caller left current.
    makeCurrentContext();
    const Defaults store = settingsStore();
    startTime = absoluteTime();
    time = absoluteTime();
    phase = 0;
    rads = 0;
    fade = 0;
    waitDelay = readBool(store, Delay);
    showAxis = readBool(store, DrawAxis);
    showLogo = readBool(store, DrawLogo);
    drawBorder = readBool(store, DrawBorder);
    drawSmooth = readBool(store, DrawSmooth);
    lightScene = readBool(store, DrawShades);
    // Depths within 0..4, so the lists stay within the six reserved names.
    low = static_cast<std::uint32_t>(readInteger(store, LowThresh));
    high = static_cast<std::uint32_t>(readInteger(store, HighThresh));
    initVektor(&o, 0, 0, 0);
    tracking = false;
    initCam(&cam);
    cam.o.x = readFloat(store, CamOrientationX);
    cam.o.y = readFloat(store, CamOrientationY);
    cam.o.z = readFloat(store, CamOrientationZ);
    cam.p.z = -10.0f;
    cam.zoom = readFloat(store, CamZoom);
    setCorners();
    if (tetra != 0)
        glDeleteLists(tetra, reservedLists);
    tetra = glGenLists(reservedLists);
    glListBase(tetra);
    bubble = readFloat(store, TetraTurn);
    bobble = readFloat(store, TetraYank);
    readWave(store, &distSine, DistAmp);
    readWave(store, &sizeSine, SizeAmp);
    readWave(store, &turnSine, TurnAmp);
}

void LWTetravoluteView::initGL() {
    view->makeCurrentContext();
    glEnable(GL_DEPTH_TEST);
    glEnable(GL_CULL_FACE);
    glEnable(GL_LIGHTING);
    glEnable(GL_NORMALIZE);
    glEnable(GL_COLOR_MATERIAL);
    glCullFace(GL_BACK);
    glPolygonMode(GL_FRONT, GL_FILL);
    glShadeModel(GL_FLAT);
    glClearColor(0, 0, 0, 1);
    glClearAccum(0, 0, 0, 0);
    // Directional, given under an identity model-view: fixed relative to the eye.
    const GLfloat position[] = {1000, 0, -1000, 0};
    const GLfloat ambient[] = {1, 1, 1, 0};
    const GLfloat diffuse[] = {1, 1, 1, 1};
    const GLfloat specular[] = {0, 0, 0, 0};
    glLightfv(GL_LIGHT0, GL_POSITION, position);
    glLightfv(GL_LIGHT0, GL_AMBIENT, ambient);
    glLightfv(GL_LIGHT0, GL_DIFFUSE, diffuse);
    glLightfv(GL_LIGHT0, GL_SPECULAR, specular);
    glEnable(GL_LIGHT0);
    setColors(true, fade);
}

void LWTetravoluteView::initLogo() {
    const QString path = QString("%1/fs.tif").arg(resourcePath());
    const std::optional<BitmapRep> rep = BitmapRep::load(path);
    if (!rep) {
        logLine(QString("no logo: %1 could not be read").arg(path));
        return;
    }
    if (rep->pixelsWide() != logoSide || rep->pixelsHigh() != logoSide ||
        rep->bitsPerPixel() != 32) {
        logLine(QString("no logo: %1 is %2 x %3 at %4 bits per pixel, not 64 x 64 at 32")
                    .arg(path)
                    .arg(rep->pixelsWide())
                    .arg(rep->pixelsHigh())
                    .arg(rep->bitsPerPixel()));
        return;
    }
    // The file stores its top row first; GL draws the buffer's first row at the bottom.
    logo.reset(new unsigned char[logoBytes]);
    const int rowBytes = logoSide * 4;
    for (int y = 0; y < logoSide; ++y)
        std::copy_n(rep->bitmapData() + y * rowBytes, rowBytes,
                    logo.get() + (logoSide - 1 - y) * rowBytes);
}

QSizeF LWTetravoluteView::projected() const {
    if (screenSize.width() > 0 && screenSize.height() > 0)
        return screenSize;
    // No screen at start-up: the view's own size.
    return QSizeF(std::max(1, width()), std::max(1, height()));
}

void LWTetravoluteView::project(QSizeF area) {
    const auto sw = static_cast<float>(area.width());
    const auto sh = static_cast<float>(area.height());
    const float m = std::max(sw, sh);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(-0.5f * sw, 0.5f * sw, -0.5f * sh, 0.5f * sh, -m, m);
    glMatrixMode(GL_MODELVIEW);
}

void LWTetravoluteView::resizeGL() {
    view->makeCurrentContext();
    project(projected());
}

void LWTetravoluteView::initClock() {
    sight = new Sight(this);
    new RepeatingTimer(
        1.0 / 30.0, [this] { draw(); }, this); // runs for the view's life
}

void LWTetravoluteView::draw() {
    display();
}

void LWTetravoluteView::drawUnderScreenSavers() {
    sight->ignoreScreenSavers();
}

void LWTetravoluteView::animateOneFrame() {
    setNeedsDisplay(true);
}

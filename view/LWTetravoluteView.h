// The scene view: owns the scene state read from the store, sets up OpenGL, runs the redraw
// clock, and makes one animation step and one frame per drawRect.
#pragma once

#include "LWCam.h"
#include "LWsine.h"
#include "OpenGLView.h"

#include <QImage>
#include <QSizeF>
#include <cstdint>
#include <memory>

class Sight;

class LWTetravoluteView : public OpenGLView {
    Q_OBJECT
    Q_PROPERTY(QObject *controller MEMBER controller)
public:
    Q_INVOKABLE explicit LWTetravoluteView(QWindow *parent = nullptr);
    ~LWTetravoluteView() override;

    // Registers the 26 defaults with the store; the constructor runs it once per process.
    static void initialize();
    // Compatibility profile (display lists, lighting), double-buffered, 32-bit depth asked.
    static QSurfaceFormat basicPixelFormat();

    // Start-up once the view and its outlets exist: scene, GL state, logo, projection, clock.
    Q_INVOKABLE void awakeFromNib();
    // The same start-up but the redraw clock, for a view that only draws pictures off screen.
    void awakeOffScreen();
    // Reads the scene state from the store and reserves a fresh block of six list names in the
    // view's context, which it makes current.
    void initScene();
    void initGL();
    // Loads resourcePath()/fs.tif, which must be 64 x 64 at 32 bits per pixel; else no logo.
    void initLogo();
    // Projection of the screen's size in points, one unit per point, origin at the centre.
    void resizeGL();
    // The redraw clock, and what it asks before each frame: whether anybody can see the view.
    void initClock();
    // One frame of the whole view now; skipped while nobody can see the view.
    void draw();
    // In a screen saver's own window: drawn while the savers and lockers cover the screen, since
    // they show it. After awakeFromNib.
    void drawUnderScreenSavers();
    void animateOneFrame();

    // Plain stores: the caller persists the value and asks for the redraw. Switches take a
    // control's state, any non-zero value meaning on; depths are kept bit for bit.
    void setShaded(int flag);
    void setDelay(int flag);
    void setShowAxis(int flag);
    void setShowLogo(int flag);
    void setSmooth(int flag);
    void setBorder(int flag);
    void setLowDepth(int depth);
    void setHighDepth(int depth);
    void setTurn(float step);      // spin step, degrees per animation step
    void setYank(float amplitude); // rock amplitude, degrees
    void setZoom(float zoom);
    void setInFullScreen(bool flag);
    // The area resizeGL projects, points: the screen at start-up unless set.
    void setScreenSize(const QSizeF &size);

    // The frame drawn again off screen, without an animation step, into a picture of that many
    // device pixels (up to 8K UHD), upright; transparent where nothing was drawn when asked. A
    // picture of the view's own size shows exactly what the view shows; other sizes show the
    // screen's area widened or heightened to their proportions, so the figure keeps its shape.
    // Null for an empty or too large size (beyond the GL's GL_MAX_RENDERBUFFER_SIZE too), or
    // when memory or the framebuffer cannot be had.
    QImage picture(QSize pixels, bool transparentBackground);
    // An animation step at the clock's present time, as a frame on screen makes: the phase
    // follows the clock, spin and rock advance by steps steps (a film at F frames a second
    // takes 30 / F a frame, to turn as the window does).
    void step(double steps = 1) { updateTime(steps); }

    // The wave records themselves, edited in place by the wave editors; the same address on
    // every call, for the view's life.
    LWSine *dist() { return &distSine; }
    LWSine *size() { return &sizeSine; }
    LWSine *turn() { return &turnSine; }

    // The application controller, which takes the view's key commands: an outlet.
    QObject *controller = nullptr;

protected:
    // A drag with the left button sets the camera orientation from the pointer's absolute
    // position: the top edge 0 degrees about X, the bottom 180; the right edge 0 about Y, the
    // left 180. Persisted at once.
    void mouseDown(QMouseEvent *event);
    void mouseUp(QMouseEvent *event);
    void mouseDragged(QMouseEvent *event);
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    // Space asks the controller to toggle full screen, escape to leave it; every other key,
    // and a key with no text, goes to the superclass.
    void keyDown(QKeyEvent *event);
    void keyPressEvent(QKeyEvent *event) override;

    void drawRect(const QRectF &rect) override;
    void updateTime(double steps = 1);
    void drawScene();
    // The frame into the framebuffer bound now, pixelsWide x pixelsHigh, with ratio pixels to a
    // point (the axes' width, the logo's zoom) and the logo placed for w x h points: everything
    // drawScene does but making the context current, finishing and presenting.
    void composeFrame(GLsizei pixelsWide, GLsizei pixelsHigh, double ratio);
    // The area the view projects, in points: the screen's, or the view's own without a screen.
    QSizeF projected() const;
    bool bindOffScreen(QSize pixels);
    void freeOffScreen();
    // A projection of area, one unit per point, origin at the centre, depth as wide as area.
    static void project(QSizeF area);
    // w or h in points as whole device pixels, truncated as the viewport takes them.
    GLsizei devicePixels(float points) const;
    // More device pixels than the renderer can take without freezing (w x h beyond 8K UHD).
    bool tooLarge() const;

    // The three waves, named ...Sine so that dist, size and turn stay free for their accessors.
    LWSine distSine{};     // distance of each copy from its parent
    LWSine sizeSine{};     // scale of each copy
    LWSine turnSine{};     // turn of each copy about its corner axis
    OpenGLView *view{};    // always this view
    Sight *sight{};        // made with the clock; null for a view that draws off screen only
    LWCam cam{};           // orientation in degrees, zoom
    LWVektor o{};          // figure's own orientation, degrees: x rock, y stays 0, z spin
    bool tracking{};       // a mouse drag is under way
    bool showAxis{};       // draw the eye, camera and figure axes
    bool showLogo{};       // blend the logo in while in full screen
    bool drawSmooth{};     // smoothing pass after each frame
    bool drawBorder{};     // outlines behind the two figures
    bool waitDelay{};      // hold the orientation still for 30 s after initScene
    bool lightScene{};     // lit (shaded) or flat
    bool inFullScreen{};   // shown in the full-screen window
    std::uint32_t low{};   // lowest level that draws its own tetrahedron, 0..4
    std::uint32_t high{};  // highest level, 0..4: six list names reach level 4
    float rads{};          // animation phase handed to the waves and the rock, radians
    std::uint32_t tetra{}; // list base: first of six reserved names, 0 before initScene
    float w{};             // width of the rectangle last drawn, points
    float h{};             // height of the rectangle last drawn, points
    float bubble{};        // spin step, degrees taken off o.z per step
    float bobble{};        // rock amplitude: o.x grows by bobble * cos(rads) per step
    float fade{};          // 0 until the first step after initScene, then 1
    std::unique_ptr<unsigned char[]> logo; // 64 x 64 RGBA, bottom row first; null: no logo
    double startTime{};                    // absolute time of the last initScene, seconds
    double time{};                         // absolute time of the last step, seconds
    double phase{};      // animation phase, radians, 0.125 per second, within half a period of 0
    QSizeF screenSize{}; // the screen at start-up, points; 0 x 0 without a screen
    struct {
        GLuint framebuffer = 0; // 0: none yet
        GLuint buffers[2] = {}; // colour, depth
        QSize size;
    } offScreen; // the last picture's, kept for the next
};

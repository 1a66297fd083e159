// A shown window with a real compatibility-profile context, current after construction, for the
// render benchmarks. Under Xvfb this is Mesa's llvmpipe.
#pragma once

#include <QOpenGLContext>
#include <QWindow>
#include <memory>

#include <GL/gl.h>

class GLWindow {
public:
    GLWindow(int width, int height);
    int width() const { return wide; }
    int height() const { return high; }

    // The projection the frame uses in full screen: one unit per pixel, origin at the centre.
    void centredPixelProjection();

private:
    int wide;
    int high;
    std::unique_ptr<QWindow> window;
    std::unique_ptr<QOpenGLContext> context;
};

// A shown window with a real compatibility-profile context, current after construction, and
// read-back helpers. Under Xvfb this is Mesa's llvmpipe.
#pragma once

#include <QOpenGLContext>
#include <QWindow>
#include <array>
#include <cstdint>
#include <memory>
#include <vector>

#include <GL/gl.h>

// Back-buffer pixel at (x, y) from the lower left, as RGBA bytes.
std::array<int, 4> backPixel(int x, int y);
// The back buffer's lower-left w x h pixels as RGBA bytes, bottom row first.
std::vector<unsigned char> backRGBA(int w, int h);
// Triangles a call of list produces in the current context (GL_PRIMITIVES_GENERATED query).
GLuint primitivesOf(GLuint list);

class GLWindow {
public:
    GLWindow(int width, int height);
    int width() const { return wide; }
    int height() const { return high; }
    void makeCurrent() { context->makeCurrent(window.get()); }

    // The projection the frame uses in full screen: one unit per pixel, origin at the centre.
    void centredPixelProjection();

private:
    int wide;
    int high;
    std::unique_ptr<QWindow> window;
    std::unique_ptr<QOpenGLContext> context;
};

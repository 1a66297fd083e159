// Pixels and primitives read back from the current GL context. Under Xvfb this is Mesa's
// llvmpipe.
#pragma once

#include <QImage>
#include <array>

#include <GL/gl.h>

// Back-buffer pixel at (x, y) from the lower left, as RGBA bytes.
std::array<int, 4> backPixel(int x, int y);
// The back buffer's lower-left w x h pixels, bottom row first.
QImage backImage(int w, int h);
// Triangles a call of list produces in the current context (GL_PRIMITIVES_GENERATED query).
GLuint primitivesOf(GLuint list);

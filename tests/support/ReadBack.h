// Pixels and primitives read back from the current GL context. Under Xvfb this is Mesa's
// llvmpipe.
#pragma once

#include <array>
#include <vector>

#include <GL/gl.h>

// Back-buffer pixel at (x, y) from the lower left, as RGBA bytes.
std::array<int, 4> backPixel(int x, int y);
// The back buffer's lower-left w x h pixels as RGBA bytes, bottom row first.
std::vector<unsigned char> backRGBA(int w, int h);
// Triangles a call of list produces in the current context (GL_PRIMITIVES_GENERATED query).
GLuint primitivesOf(GLuint list);

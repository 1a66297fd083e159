// The unit tetrahedron, the fractal compiled into a chain of display lists, and the two grey
// levels. List base + L holds level L; every level calls the next one four times, so a rebuild
// costs one list per level, never one piece of geometry per tetrahedron.
#pragma once

#include "LWVektor.h"

#include <GL/gl.h>

// Corners of the regular tetrahedron of edge 1 centred on the origin; zero until setCorners.
extern LWVektor a, b, c, d;

void setCorners();
// The four faces as one GL_TRIANGLES batch, wound counter-clockwise seen from outside; each
// normal is the opposite corner (pointing inward, not unit length: relies on GL_NORMALIZE).
void drawSingleTetra();
// Compiles lists base + level .. base + high + 1 (the last one empty). Must run outside any list
// definition. turn is in degrees about each corner's axis; dist and size are factors.
void drawTetra(GLuint base, GLuint level, GLuint low, GLuint high, float dist, float turn,
               float size);
// Grey levels 0..1 of the light and the dark figure; shaded splits level into 0.75 and 0.25.
void setColors(unsigned char shaded, float level);
// Front material and current colour from the light or the dark level.
void setWhiteColor();
void setBlackColor();

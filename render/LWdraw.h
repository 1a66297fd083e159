// Overlays added to a frame: dashed axes, the blended logo and the smoothing pass.
#pragma once

#include <GL/gl.h>
#include <cstddef>
#include <cstdint>

// The most pixels a frame may have, 8K UHD: beyond it the renderer's buffers alone take gigabytes
// and the first frame seconds (16000 x 16000: 8 s, then 0.3 s a frame, under llvmpipe).
constexpr std::uint64_t largestFrame = 7680ull * 4320;

// Pixel buffers of the smoothing pass, packed as GL_RGBA / GL_UNSIGNED_INT_8_8_8_8 words (red in
// the most significant byte), bottom row first. They are two static 1440 x 900 buffers until a
// larger view needs more; grown ones fit that view exactly and are given back once a view needs
// half as much or less. Never allocated per frame while the size holds.
extern unsigned char *in;
extern unsigned char *out;
// How many pixels in and out hold now (1,296,000 while the static buffers serve).
std::size_t smoothCapacity();

// The X, Y and Z axes from the current origin, length units long, dashed, red, green and blue.
// Leaves line stipple off, line width 1, stipple (1, 0xff00) and the colour blue.
void drawAxis(float length, float width);
// Blends the 64 x 64 RGBA logo (16,384 bytes, first row drawn at the bottom) 32 px in from the
// lower right corner of a w x h view projected one unit per pixel about its centre. Leaves blending
// off and the raster position moved; uses the caller's blend function.
void drawLogo(const unsigned char *logo, float w, float h);
// Smooths the finished w x h frame (device pixels) in the buffer being drawn (the back buffer, or
// a framebuffer object's colour): reads it into in, filters it into out and draws out back at the
// lower-left corner, whatever the matrices are. Leaves the read buffer on the draw buffer and the
// raster position moved. Does nothing for a frame of no pixels or of more than largestFrame.
void goSmooth(std::uint64_t w, std::uint64_t h);

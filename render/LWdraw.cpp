// Overlays: dashed axes, the logo, and the smoothing pass with its two pixel buffers.
#include "LWdraw.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <memory>

static constexpr std::size_t staticPixels = 1440 * 900;
static constexpr std::size_t staticRow = 4096;
static unsigned char inStore[staticPixels * 4];
static unsigned char outStore[staticPixels * 4];
unsigned char *in = inStore;
unsigned char *out = outStore;
static std::size_t capacity = staticPixels;
static std::unique_ptr<unsigned char[]> grownIn, grownOut;

// One row of vertical sums for the filter, 4 channels per pixel; grows with the widest view.
static std::uint16_t rowStore[staticRow * 4];
static std::uint16_t *row = rowStore;
static std::size_t rowCapacity = staticRow;
static std::unique_ptr<std::uint16_t[]> grownRow;

std::size_t smoothCapacity() {
    return capacity;
}

void drawAxis(float length, float width) {
    glEnable(GL_LINE_STIPPLE);
    glLineWidth(width);
    for (int axis = 0; axis < 3; ++axis) {
        const GLfloat end[3] = {axis == 0 ? length : 0, axis == 1 ? length : 0,
                                axis == 2 ? length : 0};
        // Dashes of 8 points: the width is 2 points in pixels, so a point is width / 2 pixels.
        glLineStipple(std::max(1, static_cast<GLint>(std::lround(width / 2))), 0xff00);
        glBegin(GL_LINES);
        glColor3f(axis == 0, axis == 1, axis == 2);
        glVertex3f(0, 0, 0);
        glVertex3fv(end);
        glEnd();
    }
    glLineWidth(1.0f);
    glDisable(GL_LINE_STIPPLE);
}

void drawLogo(const unsigned char *logo, float w, float h) {
    glEnable(GL_BLEND);
    glPushMatrix();
    glRasterPos2f(w * 0.5f + (-96.0f), h * (-0.5f) + 32.0f);
    glDrawPixels(64, 64, GL_RGBA, GL_UNSIGNED_BYTE, logo);
    glPopMatrix();
    glDisable(GL_BLEND);
}

// The capacity for need: unchanged while it fits and is not twice too much; the static size
// whenever that fits.
static std::size_t fitted(std::size_t capacity, std::size_t fixed, std::size_t need) {
    if (need > capacity || (capacity > fixed && need <= capacity / 2))
        return std::max(need, fixed);
    return capacity;
}

static void reserve(std::size_t pixels, std::size_t width) {
    if (const std::size_t fit = fitted(capacity, staticPixels, pixels); fit != capacity) {
        grownIn.reset(); // the old buffers go first: the peak stays at the new size
        grownOut.reset();
        if (fit > staticPixels) {
            grownIn.reset(new unsigned char[fit * 4]);
            grownOut.reset(new unsigned char[fit * 4]);
        }
        in = grownIn ? grownIn.get() : inStore;
        out = grownOut ? grownOut.get() : outStore;
        capacity = fit;
    }
    if (const std::size_t fit = fitted(rowCapacity, staticRow, width); fit != rowCapacity) {
        grownRow.reset();
        if (fit > staticRow)
            grownRow.reset(new std::uint16_t[fit * 4]);
        row = grownRow ? grownRow.get() : rowStore;
        rowCapacity = fit;
    }
}

// The part of the view whose pixels the filter changed, in pixels; empty when x0 == x1.
struct Changed {
    std::size_t x0, y0, x1, y1;
};

static std::uint64_t word(const unsigned char *bytes) {
    std::uint64_t value;
    std::memcpy(&value, bytes, 8);
    return value;
}

// Widens changed by the first and last pixel of row y where a and b differ (they do somewhere);
// compares eight bytes at a time, two pixels, from each end.
static void markChanges(const unsigned char *a, const unsigned char *b, std::size_t stride,
                        std::size_t y, Changed *changed) {
    std::size_t first = 0;
    while (first + 8 <= stride && word(a + first) == word(b + first))
        first += 8;
    while (a[first] == b[first])
        ++first;
    std::size_t last = stride;
    while (last >= 8 && word(a + last - 8) == word(b + last - 8))
        last -= 8;
    while (a[last - 1] == b[last - 1])
        --last;
    if (changed->x0 == changed->x1)
        *changed = {first / 4, y, 0, 0};
    changed->x0 = std::min(changed->x0, first / 4);
    changed->x1 = std::max(changed->x1, (last + 3) / 4);
    changed->y1 = y + 1;
}

// 3 x 3 binomial filter (1 2 1 by 1 2 1, /16, rounded) of every byte channel, edges repeated.
// A flat area keeps its exact value; a hard edge spreads over two pixels. Returns what changed.
static Changed smooth(const unsigned char *src, unsigned char *dst, std::size_t w, std::size_t h) {
    const std::size_t stride = w * 4;
    Changed changed{0, 0, 0, 0};
    for (std::size_t y = 0; y < h; ++y) {
        const unsigned char *below = src + (y > 0 ? y - 1 : y) * stride;
        const unsigned char *mid = src + y * stride;
        const unsigned char *above = src + (y + 1 < h ? y + 1 : y) * stride;
        for (std::size_t i = 0; i < stride; ++i)
            row[i] = static_cast<std::uint16_t>(below[i] + 2 * mid[i] + above[i]);
        unsigned char *o = dst + y * stride;
        for (std::size_t i = 0; i < 4; ++i) {
            const std::size_t right = w > 1 ? i + 4 : i;
            const std::size_t last = stride - 4 + i;
            const std::size_t left = w > 1 ? last - 4 : last;
            o[i] = static_cast<unsigned char>((3 * row[i] + row[right] + 8) >> 4);
            o[last] = static_cast<unsigned char>((row[left] + 3 * row[last] + 8) >> 4);
        }
        unsigned char differs = 0;
        for (std::size_t i = 4; i + 4 < stride; ++i) {
            o[i] = static_cast<unsigned char>((row[i - 4] + 2 * row[i] + row[i + 4] + 8) >> 4);
            differs |= o[i] ^ mid[i];
        }
        for (std::size_t i = 0; i < 4; ++i)
            differs |= (o[i] ^ mid[i]) | (o[stride - 4 + i] ^ mid[stride - 4 + i]);
        if (differs)
            markChanges(o, mid, stride, y, &changed);
    }
    return changed;
}

void goSmooth(std::uint64_t w, std::uint64_t h) {
    if (w == 0 || h == 0 || w > largestFrame / h)
        return;
    const std::uint64_t pixels = w * h;
    reserve(pixels, w);
    const GLsizei gw = static_cast<GLsizei>(w);
    const GLsizei gh = static_cast<GLsizei>(h);
    // The frame being drawn: the back buffer, or a framebuffer object's colour.
    GLint drawn = GL_BACK;
    glGetIntegerv(GL_DRAW_BUFFER, &drawn);
    glReadBuffer(static_cast<GLenum>(drawn));
    glReadPixels(0, 0, gw, gh, GL_RGBA, GL_UNSIGNED_INT_8_8_8_8, in);
    const Changed changed = smooth(in, out, w, h);
    if (changed.x0 == changed.x1)
        return;
    // Only the changed rectangle is drawn: elsewhere out equals the frame already there, and
    // drawing pixels is the costly step of the pass.
    glPushAttrib(GL_ENABLE_BIT);
    glPushClientAttrib(GL_CLIENT_PIXEL_STORE_BIT);
    glDisable(GL_DEPTH_TEST); // the result replaces the frame's colour, not its depth
    glPixelStorei(GL_UNPACK_ROW_LENGTH, gw);
    glPixelStorei(GL_UNPACK_SKIP_PIXELS, GLint(changed.x0));
    glPixelStorei(GL_UNPACK_SKIP_ROWS, GLint(changed.y0));
    glPixelStorei(GL_UNPACK_ALIGNMENT, 4);
    glWindowPos2i(GLint(changed.x0), GLint(changed.y0));
    glDrawPixels(GLsizei(changed.x1 - changed.x0), GLsizei(changed.y1 - changed.y0), GL_RGBA,
                 GL_UNSIGNED_INT_8_8_8_8, out);
    glPopClientAttrib();
    glPopAttrib();
}

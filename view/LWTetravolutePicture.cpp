// Pictures of the frame: drawn again with the frame's own code into a framebuffer object in the
// view's context, at any size up to 8K UHD, and read back. The object is kept for the next
// picture of the same size, so a film allocates it once. Plain GL calls, so that it works in a
// context Qt did not make (a headless one) as in the view's own.
#include "LWTetravoluteView.h"

#include "LWdraw.h"

#include <algorithm>
#include <cstdint>
#include <new>
#include <vector>

// The framebuffer bound now, read into an upright picture; where the frame cleared the depth to
// exactly 1.0 (nothing drawn) every byte 0 when asked. Null when memory runs short.
static QImage readBack(QSize size, bool transparentBackground) {
    QImage image(size, QImage::Format_RGBA8888); // rows of 4 x width bytes, aligned
    if (image.isNull())
        return {};
    const GLsizei wide = size.width(), high = size.height();
    glPixelStorei(GL_PACK_ALIGNMENT, 4);
    glReadPixels(0, 0, wide, high, GL_RGBA, GL_UNSIGNED_BYTE, image.bits());
    if (transparentBackground) {
        std::vector<float> depth;
        try {
            depth.resize(std::size_t(wide) * std::size_t(high));
        } catch (const std::bad_alloc &) {
            return {};
        }
        glReadPixels(0, 0, wide, high, GL_DEPTH_COMPONENT, GL_FLOAT, depth.data());
        auto *pixels = reinterpret_cast<std::uint32_t *>(image.bits());
        for (std::size_t i = 0; i < depth.size(); ++i)
            if (depth[i] == 1.0f)
                pixels[i] = 0;
    }
    return std::move(image).mirrored(false, true); // GL's rows come bottom first; in place
}

// A framebuffer object of that size, RGBA8 with a 24-bit depth buffer, bound; false if the GL
// cannot make it.
bool LWTetravoluteView::bindOffScreen(QSize pixels) {
    if (offScreen.framebuffer == 0 || offScreen.size != pixels) {
        freeOffScreen();
        glGenFramebuffers(1, &offScreen.framebuffer);
        glGenRenderbuffers(2, offScreen.buffers);
        glBindFramebuffer(GL_FRAMEBUFFER, offScreen.framebuffer);
        const GLenum formats[] = {GL_RGBA8, GL_DEPTH_COMPONENT24};
        const GLenum attachments[] = {GL_COLOR_ATTACHMENT0, GL_DEPTH_ATTACHMENT};
        for (int i = 0; i < 2; ++i) {
            glBindRenderbuffer(GL_RENDERBUFFER, offScreen.buffers[i]);
            glRenderbufferStorage(GL_RENDERBUFFER, formats[i], pixels.width(), pixels.height());
            glFramebufferRenderbuffer(GL_FRAMEBUFFER, attachments[i], GL_RENDERBUFFER,
                                      offScreen.buffers[i]);
        }
        glBindRenderbuffer(GL_RENDERBUFFER, 0);
        offScreen.size = pixels;
    }
    glBindFramebuffer(GL_FRAMEBUFFER, offScreen.framebuffer);
    if (glCheckFramebufferStatus(GL_FRAMEBUFFER) == GL_FRAMEBUFFER_COMPLETE)
        return true;
    glBindFramebuffer(GL_FRAMEBUFFER, 0);
    freeOffScreen();
    return false;
}

void LWTetravoluteView::freeOffScreen() {
    if (offScreen.framebuffer == 0)
        return;
    glDeleteRenderbuffers(2, offScreen.buffers);
    glDeleteFramebuffers(1, &offScreen.framebuffer);
    offScreen = {};
}

QImage LWTetravoluteView::picture(QSize pixels, bool transparentBackground) {
    if (pixels.isEmpty() || double(pixels.width()) * pixels.height() > double(largestFrame))
        return {};
    makeCurrentContext();
    GLint widest = 0;
    glGetIntegerv(GL_MAX_RENDERBUFFER_SIZE, &widest);
    if (std::max(pixels.width(), pixels.height()) > widest || !bindOffScreen(pixels))
        return {};
    QSizeF area = projected();
    double ratio = devicePixelRatio(); // pixels a point takes, as on screen
    if (pixels != QSize(devicePixels(width()), devicePixels(height()))) {
        if (pixels.width() * area.height() > pixels.height() * area.width())
            area.setWidth(area.height() * pixels.width() / pixels.height());
        else
            area.setHeight(area.width() * pixels.height() / pixels.width());
        ratio = pixels.height() / area.height();
    }
    project(area);
    const float pointsWide = w, pointsHigh = h; // the frame's on screen, kept
    w = static_cast<float>(pixels.width() / ratio);
    h = static_cast<float>(pixels.height() / ratio);
    composeFrame(pixels.width(), pixels.height(), ratio);
    w = pointsWide;
    h = pointsHigh;
    QImage image = readBack(pixels, transparentBackground);
    glBindFramebuffer(GL_FRAMEBUFFER, 0);
    resizeGL();
    return image;
}

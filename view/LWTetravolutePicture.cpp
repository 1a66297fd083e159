// Pictures of the frame: drawn again with the frame's own code into a framebuffer object in the
// view's context, at any size up to 8K UHD, and read back. The object is kept for the next
// picture of the same size, so a film allocates it once.
#include "LWTetravoluteView.h"

#include "LWdraw.h"

#include <QOpenGLFramebufferObject>
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

QImage LWTetravoluteView::picture(QSize pixels, bool transparentBackground) {
    if (pixels.isEmpty() || double(pixels.width()) * pixels.height() > double(largestFrame))
        return {};
    makeCurrentContext();
    if (!offScreen || offScreen->size() != pixels)
        offScreen =
            std::make_unique<QOpenGLFramebufferObject>(pixels, QOpenGLFramebufferObject::Depth);
    if (!offScreen->isValid() || !offScreen->bind())
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
    offScreen->release();
    resizeGL();
    return image;
}

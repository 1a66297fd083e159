// Real windows and contexts for tests; the window is shown so the drawable has its full size.
#include "GLWindow.h"

#include <QSurfaceFormat>
#include <QTest>
#include <stdexcept>

#include <GL/glext.h>

GLWindow::GLWindow(int width, int height) : wide(width), high(height) {
    QSurfaceFormat format;
    format.setVersion(2, 1);
    format.setProfile(QSurfaceFormat::CompatibilityProfile);
    format.setSwapBehavior(QSurfaceFormat::DoubleBuffer);
    format.setDepthBufferSize(24);
    window = std::make_unique<QWindow>();
    window->setSurfaceType(QSurface::OpenGLSurface);
    window->setFormat(format);
    window->resize(width, height);
    window->show();
    if (!QTest::qWaitForWindowExposed(window.get()))
        throw std::runtime_error("test window was never exposed");
    context = std::make_unique<QOpenGLContext>();
    context->setFormat(format);
    if (!context->create())
        throw std::runtime_error("no OpenGL context");
    context->makeCurrent(window.get());
    glViewport(0, 0, width, height);
}

std::array<int, 4> backPixel(int x, int y) {
    unsigned char rgba[4];
    glReadBuffer(GL_BACK);
    glReadPixels(x, y, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, rgba);
    return {rgba[0], rgba[1], rgba[2], rgba[3]};
}

std::vector<unsigned char> backRGBA(int w, int h) {
    std::vector<unsigned char> pixels(std::size_t(w) * h * 4);
    glReadBuffer(GL_BACK);
    glReadPixels(0, 0, w, h, GL_RGBA, GL_UNSIGNED_BYTE, pixels.data());
    return pixels;
}

GLuint primitivesOf(GLuint list) {
    GLuint query = 0;
    GLuint count = 0;
    glGenQueries(1, &query);
    glBeginQuery(GL_PRIMITIVES_GENERATED, query);
    glCallList(list);
    glEndQuery(GL_PRIMITIVES_GENERATED);
    glGetQueryObjectuiv(query, GL_QUERY_RESULT, &count);
    glDeleteQueries(1, &query);
    return count;
}

void GLWindow::centredPixelProjection() {
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(-0.5 * wide, 0.5 * wide, -0.5 * high, 0.5 * high, -1000, 1000);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
}

// A real window and context; the window is shown so the drawable has its full size.
#include "GLWindow.h"

#include <QSurfaceFormat>
#include <QTest>
#include <stdexcept>

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
        throw std::runtime_error("benchmark window was never exposed");
    context = std::make_unique<QOpenGLContext>();
    context->setFormat(format);
    if (!context->create())
        throw std::runtime_error("no OpenGL context");
    context->makeCurrent(window.get());
    glViewport(0, 0, width, height);
}

void GLWindow::centredPixelProjection() {
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(-0.5 * wide, 0.5 * wide, -0.5 * high, 0.5 * high, -1000, 1000);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
}

// The view's context is made lazily so the format (swap interval) can be set first.
#include "OpenGLView.h"

#include <QEvent>
#include <QGuiApplication>
#include <QMenu>
#include <QMouseEvent>

OpenGLView::OpenGLView(const QSurfaceFormat &format, QWindow *parent)
    : QWindow(parent), surfaceFormat(format) {
    setSurfaceType(QSurface::OpenGLSurface);
    setFormat(format);
}

void OpenGLView::setSwapInterval(int interval) {
    surfaceFormat.setSwapInterval(interval);
    setFormat(surfaceFormat);
}

void OpenGLView::makeCurrentContext() {
    if (borrowed)
        return;
    if (!context) {
        create();
        context = new QOpenGLContext(this);
        context->setFormat(surfaceFormat);
        context->create();
    }
    context->makeCurrent(this);
}

static QString glText(GLenum name) {
    const auto *text = reinterpret_cast<const char *>(glGetString(name));
    return text ? QString::fromLatin1(text) : QString("unknown");
}

QString OpenGLView::missingOpenGL() {
    makeCurrentContext();
    if (!borrowed && !context->isValid())
        return QString("needs OpenGL and no context could be made (platform \"%1\")")
            .arg(QGuiApplication::platformName());
    if (!borrowed && QOpenGLContext::currentContext() != context)
        return "needs OpenGL and its context could not be made current";
    while (glGetError() != GL_NO_ERROR) {
    }
    // A core profile has no display lists: the name comes back 0 with an error.
    const GLuint list = glGenLists(1);
    const bool listsWork = list != 0 && glGetError() == GL_NO_ERROR;
    if (list != 0)
        glDeleteLists(list, 1);
    if (listsWork)
        return {};
    const QSurfaceFormat made = borrowed ? QSurfaceFormat() : context->format();
    const char *profile = made.profile() == QSurfaceFormat::CoreProfile            ? "core"
                          : made.profile() == QSurfaceFormat::CompatibilityProfile ? "compatibility"
                                                                                   : "no";
    return QString("needs OpenGL display lists (a compatibility context); found OpenGL %1 (%2), "
                   "%3 profile")
        .arg(glText(GL_VERSION), glText(GL_RENDERER), profile);
}

void OpenGLView::flushBuffer() {
    if (context && isExposed())
        context->swapBuffers(this);
}

QRectF OpenGLView::bounds() const {
    return QRectF(0, 0, width(), height());
}

void OpenGLView::setNeedsDisplay(bool flag) {
    if (flag)
        requestUpdate();
}

void OpenGLView::display() {
    if (context && isExposed())
        drawRect(bounds());
}

bool OpenGLView::event(QEvent *event) {
    if (event->type() == QEvent::UpdateRequest) {
        display();
        return true;
    }
    return QWindow::event(event);
}

void OpenGLView::exposeEvent(QExposeEvent *) {
    display();
}

void OpenGLView::mousePressEvent(QMouseEvent *event) {
    if (event->button() == Qt::RightButton && menu)
        menu->popup(event->globalPosition().toPoint());
}

// The view's context is made lazily so the format (swap interval) can be set first.
#include "OpenGLView.h"

#include "Log.h"

#include <QEvent>
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
    if (!context) {
        create();
        context = new QOpenGLContext(this);
        context->setFormat(surfaceFormat);
        if (!context->create())
            logLine("no OpenGL context could be created for the view");
    }
    context->makeCurrent(this);
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

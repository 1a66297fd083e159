// An OpenGL view: a QWindow with its own double-buffered context, embedded in widgets through a
// window container. Subclasses draw in drawRect, which the display pass calls while exposed.
#pragma once

#include <QOpenGLContext>
#include <QRectF>
#include <QSurfaceFormat>
#include <QWindow>

class QMenu;

class OpenGLView : public QWindow {
    Q_OBJECT
    Q_MOC_INCLUDE(<QMenu>)
    Q_PROPERTY(QMenu *menu MEMBER menu) // the context menu, shown on a right click
public:
    explicit OpenGLView(const QSurfaceFormat &format, QWindow *parent = nullptr);

    // Before the first makeCurrentContext only: 1 waits for the display's retrace on each swap.
    void setSwapInterval(int interval);
    // From now on the view draws in the context its caller made current (a headless one), and
    // makes neither a context nor a native window of its own. Before the first use only.
    void drawInCurrentContext() { borrowed = true; }
    // Creates the native window and the context on first use.
    void makeCurrentContext();
    // Empty when the context is current and draws fixed-function (display lists work); otherwise
    // what is missing and what was found.
    QString missingOpenGL();
    // Presents the back buffer; does nothing while the view is not exposed.
    void flushBuffer();
    // The view's own rectangle in points, origin (0, 0).
    QRectF bounds() const;
    // Asks for a display pass, which calls drawRect with the bounds.
    void setNeedsDisplay(bool flag);

protected:
    virtual void drawRect(const QRectF &rect) = 0;
    // drawRect with the bounds now, if the view has its context and is exposed.
    void display();
    bool event(QEvent *event) override;
    void exposeEvent(QExposeEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    QMenu *menu = nullptr;
    QSurfaceFormat surfaceFormat;
    QOpenGLContext *context = nullptr;
    bool borrowed = false;
};

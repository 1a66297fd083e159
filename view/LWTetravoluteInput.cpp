// The view's outward face: the mouse drag that turns the camera, the keys for full screen, and
// the setters the settings panel pushes its values through.
#include "LWTetravoluteView.h"

#include "SettingsTable.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <algorithm>

void LWTetravoluteView::mouseDown(QMouseEvent *) {
    tracking = true;
}

void LWTetravoluteView::mouseUp(QMouseEvent *) {
    tracking = false;
}

void LWTetravoluteView::mouseDragged(QMouseEvent *event) {
    Defaults store = settingsStore();
    if (!tracking)
        return;
    const QRectF frame = bounds();
    if (frame.width() <= 0 || frame.height() <= 0)
        return; // no division by a zero size
    // Qt's origin is the upper left with y down; ours the lower left with y up, in points.
    const double x = event->position().x();
    const double y = frame.height() - event->position().y();
    w = static_cast<float>(frame.width());
    h = static_cast<float>(frame.height());
    const double W = w, H = h;
    const double xc = std::min(W, std::max(0.0, x));
    const double yc = std::min(H, std::max(0.0, y));
    cam.o.x = static_cast<float>((H - yc) * 180 / H);
    cam.o.y = static_cast<float>((W - xc) * 180 / W);
    store.setFloat(cam.o.x, key(CamOrientationX));
    store.setFloat(cam.o.y, key(CamOrientationY));
    store.setFloat(cam.o.z, key(CamOrientationZ));
    setNeedsDisplay(true);
}

// Only the left button drags; the others are left to the platform (the context menu).
void LWTetravoluteView::mousePressEvent(QMouseEvent *event) {
    if (event->button() == Qt::LeftButton)
        mouseDown(event);
    else
        OpenGLView::mousePressEvent(event);
}

void LWTetravoluteView::mouseReleaseEvent(QMouseEvent *event) {
    if (event->button() == Qt::LeftButton)
        mouseUp(event);
    else
        OpenGLView::mouseReleaseEvent(event);
}

void LWTetravoluteView::mouseMoveEvent(QMouseEvent *event) {
    if (event->buttons() & Qt::LeftButton)
        mouseDragged(event);
}

void LWTetravoluteView::keyDown(QKeyEvent *event) {
    const QString text = event->text();
    const char16_t first = text.isEmpty() ? 0 : text.at(0).unicode();
    if (first == 32 && controller)
        QMetaObject::invokeMethod(controller, "toggleFullScreen", Qt::DirectConnection,
                                  Q_ARG(QObject *, this));
    else if (first == 27 && controller)
        QMetaObject::invokeMethod(controller, "leaveFullScreen", Qt::DirectConnection);
    else if (first != 32 && first != 27)
        OpenGLView::keyPressEvent(event);
}

void LWTetravoluteView::keyPressEvent(QKeyEvent *event) {
    keyDown(event);
}

void LWTetravoluteView::setShaded(int flag) {
    lightScene = flag != 0;
}

void LWTetravoluteView::setDelay(int flag) {
    waitDelay = flag != 0;
}

void LWTetravoluteView::setShowAxis(int flag) {
    showAxis = flag != 0;
}

void LWTetravoluteView::setShowLogo(int flag) {
    showLogo = flag != 0;
}

void LWTetravoluteView::setSmooth(int flag) {
    drawSmooth = flag != 0;
}

void LWTetravoluteView::setBorder(int flag) {
    drawBorder = flag != 0;
}

void LWTetravoluteView::setLowDepth(int depth) {
    low = static_cast<std::uint32_t>(depth);
}

void LWTetravoluteView::setHighDepth(int depth) {
    high = static_cast<std::uint32_t>(depth);
}

void LWTetravoluteView::setTurn(float step) {
    bubble = step;
}

void LWTetravoluteView::setYank(float amplitude) {
    bobble = amplitude;
}

void LWTetravoluteView::setZoom(float zoom) {
    cam.zoom = zoom;
}

void LWTetravoluteView::setInFullScreen(bool flag) {
    inFullScreen = flag;
}

void LWTetravoluteView::setScreenSize(const QSizeF &size) {
    screenSize = size;
}

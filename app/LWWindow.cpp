// The main window's sizing, and the window manager's maximise and minimise turned into zoom and
// miniaturize.
#include "LWWindow.h"

#include "Keyboard.h"
#include "LWController.h"
#include "LWTetravoluteView.h"
#include "WindowContent.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QEvent>
#include <QScreen>
#include <QTimer>
#include <QWindowStateChangeEvent>

LWWindow::LWWindow(QWidget *parent) : QMainWindow(parent) {}

void LWWindow::awakeFromNib() {
    center(this);
    makeFirstResponder(this, view);
    newScreen(nullptr);
    observeScreenChanges(this, "newScreen");
}

QSizeF LWWindow::screenSize() const {
    const QScreen *holder = screen();
    return holder ? QSizeF(holder->geometry().size()) : QSizeF(0, 0);
}

void LWWindow::newScreen(QObject *) {
    const QSizeF size = screenSize();
    setContentAspectRatio(this, size);
    setContentMaxSize(this, largestContentSize(this, size));
    setContentMinSize(this, size * 0.125);
    setContentSize(this, size * 0.5);
}

void LWWindow::zoom(QObject *) {
    if (controller)
        controller->goFullScreen();
}

void LWWindow::miniaturize(QObject *) {
    if (controller)
        controller->generateMiniWindow();
    miniaturizing = true; // the state change below comes at once, and needs no second icon
    showMinimized();
    miniaturizing = false;
}

void LWWindow::changeEvent(QEvent *event) {
    QMainWindow::changeEvent(event);
    if (event->type() != QEvent::WindowStateChange)
        return;
    const auto *change = static_cast<QWindowStateChangeEvent *>(event);
    const Qt::WindowStates now = windowState();
    if (now & Qt::WindowMaximized) { // never maximised: full screen instead, once this is over
        QTimer::singleShot(0, this, [this] {
            setWindowState(windowState() & ~Qt::WindowMaximized);
            zoom(this);
        });
    } else if ((now & Qt::WindowMinimized) && !(change->oldState() & Qt::WindowMinimized) &&
               !miniaturizing && controller) {
        controller->generateMiniWindow(); // the frame has not changed since it went
    }
}

void LWWindow::closeEvent(QCloseEvent *event) {
    QMainWindow::closeEvent(event);
    QCoreApplication::quit();
}

void LWWindow::moveEvent(QMoveEvent *event) {
    QMainWindow::moveEvent(event);
    // Once a resize that came with the move has been laid out, so the menu bar measures right.
    QTimer::singleShot(0, this,
                       [this] { setContentMaxSize(this, largestContentSize(this, screenSize())); });
}

// The view is a child window of the host, transparent to input, sized to it. The projection keeps
// the screen's scale across the host's width or height, whichever fills first, so a small preview
// shows the whole screen's picture in small and undistorted.
#include "ScreenSaver.h"

#include "HostWindow.h"
#include "LWTetravoluteView.h"
#include "Log.h"
#include "TerminationSignals.h"

#include <QGuiApplication>
#include <QScreen>
#include <algorithm>

ScreenSaver::ScreenSaver(unsigned long hostWindow) : host(HostWindow::open(hostWindow)) {
    if (!host && QGuiApplication::platformName() != "xcb")
        abandonLaunch(QString("drawing in another window needs X11, not platform \"%1\"")
                          .arg(QGuiApplication::platformName()));
    if (!host)
        abandonLaunch(QString("there is no window 0x%1 to draw in").arg(hostWindow, 0, 16));
    exitOnTerminationSignals();
    connect(host.get(), &HostWindow::gone, [this] {
        abandonLaunch(QString("the window 0x%1 it was drawing in has gone").arg(host->id(), 0, 16));
    });
    connect(host.get(), &HostWindow::resized, this, &ScreenSaver::fit);
    view = new LWTetravoluteView(host->window());
    view->setFlag(Qt::WindowTransparentForInput);
    // On the root window the view is a top-level window: kept from the window manager and below
    // every other window, as a picture drawn on the desktop is.
    if (host->isRoot())
        view->setFlag(Qt::BypassWindowManagerHint);
    view->awakeFromNib();
    view->drawUnderScreenSavers();
    fit();
    view->show();
    if (host->isRoot())
        view->lower();
}

// The view goes with the host's stand-in window, its parent.
ScreenSaver::~ScreenSaver() = default;

void ScreenSaver::fit() {
    const QScreen *screen = view->screen();
    const double ratio = view->devicePixelRatio();
    const QSizeF points = QSizeF(host->size()) / ratio;
    view->setGeometry(0, 0, std::max(1, qRound(points.width())),
                      std::max(1, qRound(points.height())));
    const QSizeF whole = screen ? QSizeF(screen->size()) : points;
    if (points.isEmpty() || whole.isEmpty())
        return;
    const double scale = std::max(whole.width() / points.width(), whole.height() / points.height());
    view->setScreenSize(points * scale);
    view->setInFullScreen(points.toSize() == whole.toSize());
    view->resizeGL();
}

// The host is heard through Qt's own connection, by a native event filter; of the window itself
// only our client's event mask on it changes.
#include "HostWindow.h"

#include "WindowManager.h"

#include <QGuiApplication>
#include <QWindow>
#include <cstdlib>

std::unique_ptr<HostWindow> HostWindow::open(unsigned long id) {
    xcb_connection_t *x = x11Connection();
    if (!x)
        return nullptr;
    const xcb_window_t rootWindow = x11RootWindow();
    if (id == 0)
        id = rootWindow;
    const auto window = static_cast<xcb_window_t>(id);
    // Watched before its size is asked: a window going in between is still noticed.
    const bool watched = selectEvents(window, XCB_EVENT_MASK_STRUCTURE_NOTIFY);
    xcb_get_geometry_reply_t *geometry =
        xcb_get_geometry_reply(x, xcb_get_geometry(x, window), nullptr);
    if (!watched || !geometry) {
        std::free(geometry);
        return nullptr;
    }
    const QSize size(geometry->width, geometry->height);
    std::free(geometry);
    return std::unique_ptr<HostWindow>(new HostWindow(id, id == rootWindow, size));
}

HostWindow::HostWindow(unsigned long id, bool root, QSize pixels)
    : xid(id), root(root), pixels(pixels), foreign(QWindow::fromWinId(id)) {
    QCoreApplication::instance()->installNativeEventFilter(this);
}

HostWindow::~HostWindow() {
    QCoreApplication::instance()->removeNativeEventFilter(this);
    delete foreign; // the X window itself is not ours and stays
}

bool HostWindow::nativeEventFilter(const QByteArray &type, void *message, qintptr *) {
    if (type != "xcb_generic_event_t")
        return false;
    const auto *event = static_cast<const xcb_generic_event_t *>(message);
    switch (event->response_type & 0x7f) {
    case XCB_CONFIGURE_NOTIFY: {
        const auto *configure = static_cast<const xcb_configure_notify_event_t *>(message);
        const QSize size(configure->width, configure->height);
        if (configure->window == xid && size != pixels) {
            pixels = size;
            emit resized(size);
        }
        break;
    }
    case XCB_DESTROY_NOTIFY:
        if (static_cast<const xcb_destroy_notify_event_t *>(message)->window == xid)
            emit gone();
        break;
    default:
        break;
    }
    return false; // Qt sees every event too
}

// Events are heard through Qt's connection, whose event masks are widened, never replaced. Only
// the events that can change the answer are read again, with a round trip or two each: mapping,
// reparenting, the workspaces' and XScreenSaver's properties.
#include "Sight.h"

#include "ScreenLocks.h"
#include "WindowManager.h"

#include <QCoreApplication>
#include <QWindow>
#include <cstdlib>

Sight::Sight(QWindow *window)
    : QObject(window), window(window), locks(new ScreenLocks(this)),
      currentDesktop(atomNamed("_NET_CURRENT_DESKTOP")),
      windowDesktop(atomNamed("_NET_WM_DESKTOP")), saverStatus(atomNamed("_SCREENSAVER_STATUS")),
      blank(atomNamed("BLANK")), lock(atomNamed("LOCK")) {
    if (!x11Connection())
        return;
    selectEvents(x11RootWindow(), XCB_EVENT_MASK_PROPERTY_CHANGE);
    selectEvents(window->winId(),
                 XCB_EVENT_MASK_VISIBILITY_CHANGE | XCB_EVENT_MASK_STRUCTURE_NOTIFY);
    QCoreApplication::instance()->installNativeEventFilter(this);
    reread();
}

Sight::~Sight() {
    QCoreApplication::instance()->removeNativeEventFilter(this);
}

bool Sight::seen() const {
    return window->isExposed() && viewable && !obscured && !elsewhere &&
           !(screenSavers && (blanked || locks->covering()));
}

void Sight::reread() {
    xcb_connection_t *x = x11Connection();
    xcb_get_window_attributes_reply_t *attributes =
        xcb_get_window_attributes_reply(x, xcb_get_window_attributes(x, window->winId()), nullptr);
    viewable = attributes && attributes->map_state == XCB_MAP_STATE_VIEWABLE;
    std::free(attributes);
    const QWindow *top = window;
    while (top->parent())
        top = top->parent();
    elsewhere = !onCurrentWorkspace(top->winId());
    const QList<uint32_t> status = propertyValues(x11RootWindow(), "_SCREENSAVER_STATUS", 1);
    blanked = !status.isEmpty() && (status[0] == blank || status[0] == lock);
}

bool Sight::nativeEventFilter(const QByteArray &type, void *message, qintptr *) {
    if (type != "xcb_generic_event_t")
        return false;
    const auto *event = static_cast<const xcb_generic_event_t *>(message);
    switch (event->response_type & 0x7f) {
    case XCB_VISIBILITY_NOTIFY: {
        const auto *visibility = static_cast<const xcb_visibility_notify_event_t *>(message);
        if (visibility->window == window->winId())
            obscured = visibility->state == XCB_VISIBILITY_FULLY_OBSCURED;
        break;
    }
    case XCB_MAP_NOTIFY:
    case XCB_UNMAP_NOTIFY:
    case XCB_REPARENT_NOTIFY:
        reread();
        break;
    case XCB_PROPERTY_NOTIFY: {
        const xcb_atom_t changed = static_cast<const xcb_property_notify_event_t *>(message)->atom;
        if (changed == currentDesktop || changed == windowDesktop || changed == saverStatus)
            reread();
        break;
    }
    default:
        break;
    }
    return false; // Qt sees every event too
}

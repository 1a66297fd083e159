// The X server connection Qt opened, for the few window properties Qt has no call for.
#pragma once

#include <QList>
#include <xcb/xcb.h>

// nullptr when the platform is not X11.
xcb_connection_t *x11Connection();
// The top-level windows, bottom first: as the window manager lists them
// (_NET_CLIENT_LIST_STACKING), or, with none that does, the root window's children; empty without
// X11.
QList<xcb_window_t> stackingOrder();
// Brings back a window the window manager has minimised (its WM_STATE iconic), as a client does:
// by mapping it. The X server's word, which may be newer than what Qt has heard; false, and
// nothing done, for any other window.
bool restoreIfIconic(xcb_window_t window);

// The program's side of its conversation with the desktop's window manager, over X11 (ICCCM and
// EWMH), in one place: what it asks of the window manager and what it reads back from the X
// server. Requests go to the window manager, which takes them in the order they were sent; so a
// request for the keyboard sent last wins over what the window manager does with those before it.
// Without X11, or with no window manager running, each says so (false, empty) and does nothing.
#pragma once

#include <QList>
#include <xcb/xcb.h>

// Qt's connection to the X server; nullptr when the platform is not X11.
xcb_connection_t *x11Connection();
// The root window of that connection's screen; 0 without X11.
xcb_window_t x11RootWindow();
// The atom of that name, made if the server has never heard it (to watch for a property nobody
// has set yet); XCB_ATOM_NONE without X11.
xcb_atom_t atomNamed(const char *name);
// A window's property of 32-bit values, at most length of them, as the X server has it now; empty
// when unset or without X11.
QList<uint32_t> propertyValues(xcb_window_t window, const char *name, uint32_t length);
// Adds events to those our client hears from the window, keeping the rest: X keeps one mask for
// each client and window, and Qt selects its own through the same connection. False when there is
// no such window, or without X11.
bool selectEvents(xcb_window_t window, uint32_t events);
// A window manager has said it runs (_NET_SUPPORTING_WM_CHECK on the root window).
bool windowManagerRunning();
// The top-level windows, bottom first: as the window manager lists them
// (_NET_CLIENT_LIST_STACKING), or, with none that does, the root window's children; empty without
// X11.
QList<xcb_window_t> stackingOrder();
// Brings back a window the window manager has minimised (its WM_STATE iconic), as a client does:
// by mapping it. The X server's word, which may be newer than what Qt has heard; false, and
// nothing done, for any other window.
bool restoreIfIconic(xcb_window_t window);
// Whether the window manager has minimised the window (its WM_STATE iconic), as the X server has
// it now; false without X11.
bool isIconic(xcb_window_t window);
// Whether the window is on the workspace shown (its _NET_WM_DESKTOP against the root window's
// _NET_CURRENT_DESKTOP): true on every workspace, where either is unset, and without X11.
bool onCurrentWorkspace(xcb_window_t window);
// Names the window a mapped window floats above (WM_TRANSIENT_FOR); the window manager follows the
// change. Qt writes the hint only when it maps a window.
void setTransientFor(xcb_window_t window, xcb_window_t parent);
// Asks the window manager to stack window right above sibling (_NET_RESTACK_WINDOW, or where it
// does not take that, a ConfigureRequest); nothing with no window manager. Unlike activating it,
// never gives the keyboard.
void restackAbove(xcb_window_t window, xcb_window_t sibling);
// Asks the window manager to give the window the keyboard (_NET_ACTIVE_WINDOW), as of now: the
// program asks only on a command of the user's; false, and nothing asked, with no window manager.
bool requestActivation(xcb_window_t window);

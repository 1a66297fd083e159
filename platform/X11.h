// The X server connection Qt opened, for the few window properties Qt has no call for.
#pragma once

#include <xcb/xcb.h>

// nullptr when the platform is not X11.
xcb_connection_t *x11Connection();

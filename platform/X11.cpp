// Through Qt's native interface: one connection, shared with Qt. Replies are freed as xcb asks.
#include "X11.h"

#include <QGuiApplication>
#include <cstring>

xcb_connection_t *x11Connection() {
    const auto *x11 =
        qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    return x11 ? x11->connection() : nullptr;
}

// A window's property of 32-bit values, at most length of them; null when the server has never
// heard the name (nobody set it) or the request failed.
static xcb_get_property_reply_t *property(xcb_connection_t *x, xcb_window_t window,
                                          const char *name, uint32_t length) {
    xcb_intern_atom_reply_t *atom = xcb_intern_atom_reply(
        x, xcb_intern_atom(x, 1, static_cast<uint16_t>(std::strlen(name)), name), nullptr);
    const xcb_atom_t named = atom ? atom->atom : xcb_atom_t(XCB_ATOM_NONE);
    free(atom);
    xcb_get_property_reply_t *reply =
        named == XCB_ATOM_NONE
            ? nullptr
            : xcb_get_property_reply(
                  x, xcb_get_property(x, 0, window, named, XCB_GET_PROPERTY_TYPE_ANY, 0, length),
                  nullptr);
    if (reply && reply->format != 32) {
        free(reply);
        return nullptr;
    }
    return reply;
}

QList<xcb_window_t> stackingOrder() {
    xcb_connection_t *x = x11Connection();
    if (!x)
        return {};
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(x)).data->root;
    xcb_get_property_reply_t *reply = property(x, root, "_NET_CLIENT_LIST_STACKING", 4096);
    QList<xcb_window_t> windows;
    if (reply) {
        const auto *ids = static_cast<const xcb_window_t *>(xcb_get_property_value(reply));
        windows = QList<xcb_window_t>(ids, ids + xcb_get_property_value_length(reply) / 4);
    }
    free(reply);
    if (!windows.isEmpty())
        return windows;
    xcb_query_tree_reply_t *tree = xcb_query_tree_reply(x, xcb_query_tree(x, root), nullptr);
    if (tree) {
        const xcb_window_t *children = xcb_query_tree_children(tree);
        windows = QList<xcb_window_t>(children, children + xcb_query_tree_children_length(tree));
    }
    free(tree);
    return windows;
}

bool restoreIfIconic(xcb_window_t window) {
    xcb_connection_t *x = x11Connection();
    if (!x)
        return false;
    xcb_get_property_reply_t *reply = property(x, window, "WM_STATE", 1);
    const bool iconic = reply && xcb_get_property_value_length(reply) >= 4 &&
                        *static_cast<const uint32_t *>(xcb_get_property_value(reply)) == 3;
    free(reply);
    if (iconic) {
        xcb_map_window(x, window);
        xcb_flush(x);
    }
    return iconic;
}

// Through Qt's native interface: one connection, shared with Qt. Replies are freed as xcb asks.
#include "X11.h"

#include <QGuiApplication>

xcb_connection_t *x11Connection() {
    const auto *x11 =
        qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    return x11 ? x11->connection() : nullptr;
}

QList<xcb_window_t> stackingOrder() {
    xcb_connection_t *x = x11Connection();
    if (!x)
        return {};
    static const char name[] = "_NET_CLIENT_LIST_STACKING";
    xcb_intern_atom_reply_t *atom =
        xcb_intern_atom_reply(x, xcb_intern_atom(x, 1, sizeof name - 1, name), nullptr);
    const xcb_atom_t property = atom ? atom->atom : xcb_atom_t(XCB_ATOM_NONE);
    free(atom);
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(x)).data->root;
    xcb_get_property_reply_t *reply =
        property == XCB_ATOM_NONE
            ? nullptr
            : xcb_get_property_reply(
                  x, xcb_get_property(x, 0, root, property, XCB_ATOM_WINDOW, 0, 4096), nullptr);
    QList<xcb_window_t> windows;
    if (reply && reply->format == 32) {
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
    static const char name[] = "WM_STATE";
    xcb_intern_atom_reply_t *atom =
        xcb_intern_atom_reply(x, xcb_intern_atom(x, 1, sizeof name - 1, name), nullptr);
    const xcb_atom_t property = atom ? atom->atom : xcb_atom_t(XCB_ATOM_NONE);
    free(atom);
    xcb_get_property_reply_t *reply =
        property == XCB_ATOM_NONE
            ? nullptr
            : xcb_get_property_reply(x, xcb_get_property(x, 0, window, property, property, 0, 1),
                                     nullptr);
    const bool iconic = reply && reply->format == 32 && xcb_get_property_value_length(reply) >= 4 &&
                        *static_cast<const uint32_t *>(xcb_get_property_value(reply)) == 3;
    free(reply);
    if (iconic) {
        xcb_map_window(x, window);
        xcb_flush(x);
    }
    return iconic;
}

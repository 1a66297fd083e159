// Through Qt's native interface: one connection, shared with Qt; a second of our own only to read
// the server's time. Replies are freed as xcb asks.
#include "WindowManager.h"

#include <QGuiApplication>
#include <algorithm>
#include <cstring>
#include <initializer_list>

xcb_connection_t *x11Connection() {
    const auto *x11 =
        qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    return x11 ? x11->connection() : nullptr;
}

static xcb_window_t root(xcb_connection_t *x) {
    return xcb_setup_roots_iterator(xcb_get_setup(x)).data->root;
}

xcb_window_t x11RootWindow() {
    xcb_connection_t *x = x11Connection();
    return x ? root(x) : 0;
}

// XCB_ATOM_NONE when the server has never heard the name and create is false.
static xcb_atom_t atom(xcb_connection_t *x, const char *name, bool create = false) {
    xcb_intern_atom_reply_t *reply = xcb_intern_atom_reply(
        x, xcb_intern_atom(x, !create, static_cast<uint16_t>(std::strlen(name)), name), nullptr);
    const xcb_atom_t named = reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
    free(reply);
    return named;
}

// A window's property of 32-bit values, at most length of them; null when the server has never
// heard the name (nobody set it) or the request failed.
static xcb_get_property_reply_t *property(xcb_connection_t *x, xcb_window_t window,
                                          const char *name, uint32_t length) {
    const xcb_atom_t named = atom(x, name);
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

// A property's 32-bit values: windows or atoms.
static QList<uint32_t> values(xcb_get_property_reply_t *reply) {
    const auto *ids = static_cast<const uint32_t *>(xcb_get_property_value(reply));
    return QList<uint32_t>(ids, ids + xcb_get_property_value_length(reply) / 4);
}

// Whether the window manager takes the request named (_NET_SUPPORTED on the root window).
static bool supported(xcb_connection_t *x, const char *name) {
    xcb_get_property_reply_t *reply = property(x, root(x), "_NET_SUPPORTED", 4096);
    const bool listed = reply && values(reply).contains(atom(x, name));
    free(reply);
    return listed;
}

// An event for the window manager, sent to the root window, where it listens for requests.
static void sendToRoot(xcb_connection_t *x, const void *event) {
    xcb_send_event(x, 0, root(x),
                   XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY | XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT,
                   static_cast<const char *>(event));
    xcb_flush(x);
}

// A message to the window manager about window, as EWMH writes them.
static void send(xcb_connection_t *x, xcb_window_t window, const char *type,
                 std::initializer_list<uint32_t> data) {
    xcb_client_message_event_t message = {};
    message.response_type = XCB_CLIENT_MESSAGE;
    message.format = 32;
    message.window = window;
    message.type = atom(x, type, true);
    std::copy(data.begin(), data.end(), message.data.data32);
    sendToRoot(x, &message);
}

xcb_atom_t atomNamed(const char *name) {
    xcb_connection_t *x = x11Connection();
    return x ? atom(x, name, true) : xcb_atom_t(XCB_ATOM_NONE);
}

QList<uint32_t> propertyValues(xcb_window_t window, const char *name, uint32_t length) {
    xcb_connection_t *x = x11Connection();
    xcb_get_property_reply_t *reply = x ? property(x, window, name, length) : nullptr;
    const QList<uint32_t> held = reply ? values(reply) : QList<uint32_t>();
    free(reply);
    return held;
}

bool selectEvents(xcb_window_t window, uint32_t events) {
    xcb_connection_t *x = x11Connection();
    xcb_get_window_attributes_reply_t *attributes =
        x ? xcb_get_window_attributes_reply(x, xcb_get_window_attributes(x, window), nullptr)
          : nullptr;
    if (!attributes)
        return false;
    const uint32_t mask = attributes->your_event_mask | events;
    free(attributes);
    xcb_change_window_attributes(x, window, XCB_CW_EVENT_MASK, &mask);
    xcb_flush(x);
    return true;
}

bool windowManagerRunning() {
    xcb_connection_t *x = x11Connection();
    xcb_get_property_reply_t *check =
        x ? property(x, root(x), "_NET_SUPPORTING_WM_CHECK", 1) : nullptr;
    const bool running = check && xcb_get_property_value_length(check) >= 4;
    free(check);
    return running;
}

QList<xcb_window_t> stackingOrder() {
    xcb_connection_t *x = x11Connection();
    if (!x)
        return {};
    xcb_get_property_reply_t *reply = property(x, root(x), "_NET_CLIENT_LIST_STACKING", 4096);
    QList<xcb_window_t> stacked = reply ? values(reply) : QList<xcb_window_t>();
    free(reply);
    if (!stacked.isEmpty())
        return stacked;
    xcb_query_tree_reply_t *tree = xcb_query_tree_reply(x, xcb_query_tree(x, root(x)), nullptr);
    if (tree) {
        const xcb_window_t *children = xcb_query_tree_children(tree);
        stacked = QList<xcb_window_t>(children, children + xcb_query_tree_children_length(tree));
    }
    free(tree);
    return stacked;
}

bool isIconic(xcb_window_t window) {
    xcb_connection_t *x = x11Connection();
    if (!x)
        return false;
    xcb_get_property_reply_t *reply = property(x, window, "WM_STATE", 1);
    const bool iconic = reply && xcb_get_property_value_length(reply) >= 4 &&
                        *static_cast<const uint32_t *>(xcb_get_property_value(reply)) == 3;
    free(reply);
    return iconic;
}

bool onCurrentWorkspace(xcb_window_t window) {
    xcb_connection_t *x = x11Connection();
    if (!x)
        return true;
    const QList<uint32_t> on = propertyValues(window, "_NET_WM_DESKTOP", 1);
    const QList<uint32_t> shown = propertyValues(root(x), "_NET_CURRENT_DESKTOP", 1);
    return on.isEmpty() || shown.isEmpty() || on[0] == 0xffffffff || on[0] == shown[0];
}

bool restoreIfIconic(xcb_window_t window) {
    xcb_connection_t *x = x11Connection();
    if (!x || !isIconic(window))
        return false;
    xcb_map_window(x, window);
    xcb_flush(x);
    return true;
}

void setTransientFor(xcb_window_t window, xcb_window_t parent) {
    xcb_connection_t *x = x11Connection();
    if (!x)
        return;
    xcb_change_property(x, XCB_PROP_MODE_REPLACE, window, XCB_ATOM_WM_TRANSIENT_FOR,
                        XCB_ATOM_WINDOW, 32, 1, &parent);
    xcb_flush(x);
}

// The X server's time now, as ICCCM gets it: a property changed on a window of a connection of our
// own (Qt's reads its events itself), and the time of its notification. XCB_CURRENT_TIME when that
// cannot be had. Window managers refuse the keyboard to a request older than the user's last
// input, and every request here answers a command of the user's.
static xcb_timestamp_t serverTime() {
    static xcb_connection_t *own = nullptr;
    static xcb_window_t clock = 0;
    if (!own) {
        own = xcb_connect(nullptr, nullptr);
        if (xcb_connection_has_error(own))
            return XCB_CURRENT_TIME;
        const xcb_screen_t *screen = xcb_setup_roots_iterator(xcb_get_setup(own)).data;
        clock = xcb_generate_id(own);
        const uint32_t mask = XCB_EVENT_MASK_PROPERTY_CHANGE;
        xcb_create_window(own, 0, clock, screen->root, 0, 0, 1, 1, 0, XCB_WINDOW_CLASS_INPUT_ONLY,
                          XCB_COPY_FROM_PARENT, XCB_CW_EVENT_MASK, &mask);
    }
    if (xcb_connection_has_error(own))
        return XCB_CURRENT_TIME;
    xcb_change_property(own, XCB_PROP_MODE_APPEND, clock, XCB_ATOM_WM_NAME, XCB_ATOM_STRING, 8, 0,
                        nullptr);
    xcb_flush(own);
    while (xcb_generic_event_t *event = xcb_wait_for_event(own)) {
        const bool notified = (event->response_type & 0x7f) == XCB_PROPERTY_NOTIFY;
        const xcb_timestamp_t time =
            notified ? reinterpret_cast<xcb_property_notify_event_t *>(event)->time : 0;
        free(event);
        if (notified)
            return time;
    }
    return XCB_CURRENT_TIME;
}

bool requestActivation(xcb_window_t window) {
    xcb_connection_t *x = x11Connection();
    if (!x || !windowManagerRunning())
        return false;
    send(x, window, "_NET_ACTIVE_WINDOW", {1 /* from an application */, serverTime()});
    return true;
}

void restackAbove(xcb_window_t window, xcb_window_t sibling) {
    xcb_connection_t *x = x11Connection();
    if (!x || !windowManagerRunning())
        return;
    if (supported(x, "_NET_RESTACK_WINDOW")) {
        // As a pager asks (2): on the user's behalf, which window managers take from anyone.
        send(x, window, "_NET_RESTACK_WINDOW", {2, sibling, XCB_STACK_MODE_ABOVE});
        return;
    }
    // As a client asks for a reparented window (xfwm4, marco): a ConfigureRequest sent to the
    // root, since the X server refuses a sibling that is not the frame's own.
    xcb_configure_request_event_t request = {};
    request.response_type = XCB_CONFIGURE_REQUEST;
    request.stack_mode = XCB_STACK_MODE_ABOVE;
    request.parent = root(x);
    request.window = window;
    request.sibling = sibling;
    request.value_mask = XCB_CONFIG_WINDOW_SIBLING | XCB_CONFIG_WINDOW_STACK_MODE;
    sendToRoot(x, &request);
}

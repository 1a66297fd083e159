// Through Qt's native interface: one connection, shared with Qt.
#include "X11.h"

#include <QGuiApplication>

xcb_connection_t *x11Connection() {
    const auto *x11 =
        qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    return x11 ? x11->connection() : nullptr;
}

// QApplication set-up shared by the program; the interface itself is the program's. Qt aborts
// when its platform cannot start (no display): its messages are held back while the application
// object is made, and replaced by one line if it gives up.
#include "ApplicationMain.h"

#include "Bundle.h"
#include "Log.h"
#include "Monitors.h"

#include <QApplication>
#include <QIcon>
#include <QList>
#include <QtGlobal>
#include <utility>

namespace {

struct HeldMessage {
    QtMsgType type;
    QByteArray category; // the context's only part the default output shows
    QString text;
};

QList<HeldMessage> heldMessages;
QtMessageHandler passOn = nullptr;

QString environment(const char *name) {
    const QString value = qEnvironmentVariable(name);
    return value.isEmpty() ? QString("%1 unset").arg(name) : QString("%1=\"%2\"").arg(name, value);
}

// Which platform Qt was asked for and where it looked for a display.
QString displayTried() {
    QString platform = qEnvironmentVariable("QT_QPA_PLATFORM");
    if (platform.isEmpty())
        platform = "xcb";
    const QString where =
        platform.startsWith("wayland") ? environment("WAYLAND_DISPLAY") : environment("DISPLAY");
    return QString("tried platform \"%1\", %2").arg(platform, where);
}

void holdMessage(QtMsgType type, const QMessageLogContext &context, const QString &text) {
    if (type == QtFatalMsg)
        abandonLaunch(QString("needs a display and could not open one (%1)").arg(displayTried()));
    heldMessages.append({type, context.category, text});
}

} // namespace

// Window levels, positions and the window icon need X11: in a Wayland session the program runs on
// XWayland, unless the user named a platform.
static void preferX11() {
    if (qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        return;
    if (!qEnvironmentVariableIsSet("WAYLAND_DISPLAY") &&
        qEnvironmentVariable("XDG_SESSION_TYPE") != "wayland")
        return;
    qputenv("QT_QPA_PLATFORM", "xcb");
    logLine("a Wayland session: running on XWayland (xcb), since window levels, positions and the "
            "window icon need X11");
}

// The bundle's icon, which every window shows unless it is given its own.
static QIcon applicationIcon() {
    QIcon icon;
    for (const int side : {64, 128, 256})
        icon.addFile(QString("%1/icons/%2.png").arg(resourcePath()).arg(side));
    return icon;
}

int applicationMain(int argc, char **argv) {
    preferX11();
    passOn = qInstallMessageHandler(holdMessage);
    QApplication application(argc, argv);
    qInstallMessageHandler(passOn);
    for (const HeldMessage &message : std::exchange(heldMessages, {}))
        passOn(message.type, QMessageLogContext(nullptr, 0, nullptr, message.category.constData()),
               message.text);
    QApplication::setApplicationName("Tetravolute");
    QApplication::setWindowIcon(applicationIcon());
    keepWindowsOnMonitors();
    loadMainInterface();
    return QApplication::exec();
}

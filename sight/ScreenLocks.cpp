// The savers' signals are heard from any sender at any object: a saver's name can change hands,
// and KDE's sits at two paths. No call here starts a service that is not running.
#include "ScreenLocks.h"

#include <QDBusConnection>
#include <QDBusObjectPath>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusVariant>
#include <functional>

static const QString login = "org.freedesktop.login1";

// Calls a method on the bus without starting its service; then hands a valid reply to done.
template <typename Reply>
static void ask(QObject *owner, const QDBusConnection &bus, QDBusMessage call,
                std::function<void(const Reply &)> done) {
    call.setAutoStartService(false);
    auto *watcher = new QDBusPendingCallWatcher(bus.asyncCall(call), owner);
    QObject::connect(watcher, &QDBusPendingCallWatcher::finished, owner,
                     [done](QDBusPendingCallWatcher *answer) {
                         const QDBusPendingReply<Reply> reply = *answer;
                         answer->deleteLater();
                         if (reply.isValid())
                             done(reply.value());
                     });
}

ScreenLocks::ScreenLocks(QObject *parent) : QObject(parent) {
    for (const char *saver :
         {"org.mate.ScreenSaver", "org.gnome.ScreenSaver", "org.freedesktop.ScreenSaver"})
        QDBusConnection::sessionBus().connect(QString(), QString(), saver, "ActiveChanged", this,
                                              SLOT(saverChanged(bool, QDBusMessage)));
    // Our session as logind names it: "auto" is the caller's, or else the user's graphical one.
    QDBusMessage session = QDBusMessage::createMethodCall(login, "/org/freedesktop/login1",
                                                          login + ".Manager", "GetSession");
    session << QString("auto");
    ask<QDBusObjectPath>(this, QDBusConnection::systemBus(), session,
                         [this](const QDBusObjectPath &path) { watchSession(path.path()); });
}

void ScreenLocks::watchSession(const QString &path) {
    const QString properties = "org.freedesktop.DBus.Properties";
    QDBusConnection::systemBus().connect(login, path, properties, "PropertiesChanged", this,
                                         SLOT(sessionChanged(QString, QVariantMap, QStringList)));
    QDBusMessage locked = QDBusMessage::createMethodCall(login, path, properties, "Get");
    locked << login + ".Session" << QString("LockedHint");
    ask<QDBusVariant>(this, QDBusConnection::systemBus(), locked,
                      [this](const QDBusVariant &on) { setActive(login, on.variant().toBool()); });
}

void ScreenLocks::saverChanged(bool on, const QDBusMessage &message) {
    setActive(message.interface(), on);
}

void ScreenLocks::sessionChanged(const QString &interface, const QVariantMap &changed,
                                 const QStringList &) {
    if (interface == login + ".Session" && changed.contains("LockedHint"))
        setActive(login, changed.value("LockedHint").toBool());
}

void ScreenLocks::setActive(const QString &source, bool on) {
    if (on)
        active.insert(source);
    else
        active.remove(source);
}

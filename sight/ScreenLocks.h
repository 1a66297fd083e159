// Whether the session's screen saver or locker covers the screen, as each says on D-Bus: MATE's,
// GNOME Shell's and KDE's screen savers (their ActiveChanged signal), and logind (the session's
// LockedHint). Each is heard where it runs; with none running, nothing covers the screen.
#pragma once

#include <QDBusMessage>
#include <QObject>
#include <QSet>
#include <QString>

class ScreenLocks : public QObject {
    Q_OBJECT
public:
    explicit ScreenLocks(QObject *parent);

    bool covering() const { return !active.isEmpty(); }

private slots:
    // A screen saver's ActiveChanged, from whichever interface sent it.
    void saverChanged(bool on, const QDBusMessage &message);
    // logind's session properties changed; only LockedHint is read.
    void sessionChanged(const QString &interface, const QVariantMap &changed,
                        const QStringList &invalidated);

private:
    void setActive(const QString &source, bool on);
    void watchSession(const QString &path);

    QSet<QString> active; // the interfaces that say the screen is covered now
};

// Whether anybody can see what a window draws. Nobody can while the window is not exposed
// (minimised, hidden) or not viewable (a window it is in unmapped, a host's say), while the X
// server says other windows cover it whole (only where nothing composites), while it is on
// another workspace, and while a screen saver or locker covers the screen: XScreenSaver's status
// on the root window, the session's savers and logind on D-Bus. The answer is kept up to date
// from the X server's events and the bus's signals, so asking it costs nothing.
#pragma once

#include <QAbstractNativeEventFilter>
#include <QObject>
#include <xcb/xcb.h>

class QWindow;
class ScreenLocks;

class Sight : public QObject, public QAbstractNativeEventFilter {
    Q_OBJECT
public:
    // Watches window, which has its native window, wherever it is moved; owned by it.
    explicit Sight(QWindow *window);
    ~Sight() override;

    // For the window a screen saver shows: the savers' and lockers' state says nothing of it.
    void ignoreScreenSavers() { screenSavers = false; }
    bool seen() const;

protected:
    bool nativeEventFilter(const QByteArray &type, void *message, qintptr *result) override;

private:
    // What the X server has now: viewable, the workspace, XScreenSaver's status.
    void reread();

    QWindow *window;
    ScreenLocks *locks;
    bool screenSavers = true;
    bool viewable = true;   // the window and every window it is in mapped
    bool obscured = false;  // the X server's last word: covered whole
    bool elsewhere = false; // its top-level on a workspace not shown
    bool blanked = false;   // XScreenSaver blanks or locks the screen
    // The properties whose changes are read again; the two states XScreenSaver's status names.
    xcb_atom_t currentDesktop, windowDesktop, saverStatus, blank, lock;
};

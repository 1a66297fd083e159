// Windows in the original platform's terms: an integer level kept per window (0 normal, floating
// 3, screen saver 1000) and mapped to stacking, where higher levels stay above lower ones; key and
// front ordering; opacity; the close the window manager asks for. Every
// function does nothing for a null window, as a message to an unconnected outlet would.
#pragma once

#include <QWidgetList>

class QObject;

enum WindowLevelKey { FloatingWindowLevelKey = 5, ScreenSaverWindowLevelKey = 13 };

// The level for a key: floating 3, screen saver 1000, any other key 0 (normal).
int windowLevelForKey(int key);
int windowLevel(const QWidget *window);
void setLevel(QWidget *window, int level);
// Each window to the level, the windows keeping the order they stand in among themselves.
void setLevel(const QWidgetList &windows, int level);
// Brings the window's stacking up to date with its level and the windows shown now: a panel
// floats above the shown window of the highest level not above its own. setLevel and the
// functions that show windows call it; a panel calls it whenever it is shown.
void updateStacking(QWidget *window);
// What a panel floats above: the shown window of the highest level not above the panel's, panels
// aside (the main window in window mode, the full-screen window in full screen); null for none.
QWidget *floatsAbove(const QWidget *panel);

// The windows as they are stacked now, bottom first; the ones not among the top-level windows (null
// ones too) first, in their given order. Raising them in this order keeps their order.
QWidgetList inStackingOrder(QWidgetList windows);

// Shows the window (a panel without making it key); a minimised window is restored.
void setIsVisible(QWidget *window, bool visible);
// Raises the window within its level (shows it first if hidden, without making it key).
void orderFront(QWidget *window);
// Makes the window the one that takes the keyboard.
void makeKeyWindow(QWidget *window);
void makeKeyAndOrderFront(QWidget *window);

// A translucent window (alpha below 1) is drawn through the window's opacity, which on X11 shows
// where a compositor runs; opaque is kept as the window's own flag.
void setOpaque(QWidget *window, bool opaque);
bool isOpaque(const QWidget *window);
void setAlphaValue(QWidget *window, double alpha);

// A close that the user or the window manager asks of the window (its close button, Alt+F4) calls
// target's method() instead, later, from the event loop; the window stays as it is unless the
// method closes it. A close from the program itself goes ahead.
void redirectCloseRequests(QWidget *window, QObject *target, const char *method);

// From now on, a modal dialog and the window it sits over come back at once when the window
// manager minimises them, so the dialog never blocks the program out of sight.
void keepModalDialogsInSight();

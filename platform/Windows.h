// Windows in the original platform's terms: an integer level kept per window (0 normal, floating
// 3, screen saver 1000) and mapped to stacking, where any level above normal stays on top and
// higher levels stay above lower ones; key and front ordering; the first responder; opacity.
// Every function does nothing for a null window, as a message to an unconnected outlet would.
#pragma once

class QObject;
class QWidget;

enum WindowLevelKey { FloatingWindowLevelKey = 5, ScreenSaverWindowLevelKey = 13 };

// The level for a key: floating 3, screen saver 1000, any other key 0 (normal).
int windowLevelForKey(int key);
int windowLevel(const QWidget *window);
void setLevel(QWidget *window, int level);

void setIsVisible(QWidget *window, bool visible);
// Raises the window within its level (shows it first if hidden).
void orderFront(QWidget *window);
// Makes the window the one that takes the keyboard.
void makeKeyWindow(QWidget *window);
void makeKeyAndOrderFront(QWidget *window);

// The object that key presses reaching the window are meant for. Once routeKeysToResponders has
// run, space and escape pressed in a window that has one go to it, whatever control has focus.
void makeFirstResponder(QWidget *window, QObject *responder);
QObject *firstResponder(const QWidget *window);
void routeKeysToResponders();

// A translucent window (alpha below 1) is drawn through the window's opacity, which on X11 shows
// where a compositor runs; opaque is kept as the window's own flag.
void setOpaque(QWidget *window, bool opaque);
bool isOpaque(const QWidget *window);
void setAlphaValue(QWidget *window, double alpha);

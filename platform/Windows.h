// Windows in the original platform's terms: an integer level kept per window (0 normal, floating
// 3, screen saver 1000) and mapped to stacking, where any level above normal stays on top and
// higher levels stay above lower ones; key and front ordering; the first responder. Every
// function does nothing for a null window, as a message to an unconnected outlet would.
#pragma once

#include <QSizeF>

class QImage;
class QObject;
class QRect;
class QWidget;
class QWindow;

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

// The frame of the screen that holds the window, in screen coordinates; empty without one.
QRect screenFrame(const QWidget *window);
// A new borderless window covering frame, destroyed when it is closed.
QWidget *newBorderlessWindow(const QRect &frame);
// Shows view as window's content, filling it: in the window's container for the view when it
// has one (the interface definition made it), else straight on the window's own surface.
void setContentView(QWidget *window, QWindow *view);

// Sizes of the window's content (a main window's central widget, else the whole window), in
// points. Resizing keeps the content's aspect ratio once one is set; 0 x 0 sets none.
void setContentAspectRatio(QWidget *window, QSizeF ratio);
void setContentMinSize(QWidget *window, QSizeF size);
void setContentMaxSize(QWidget *window, QSizeF size);
void setContentSize(QWidget *window, QSizeF size);
QSize contentSize(const QWidget *window);
// Centres the window on its screen's available area.
void center(QWidget *window);
// The picture that stands for the window while it is minimised: its icon, shown by the task bar
// and the window switcher, at most 256 pixels across (they size it themselves).
void setMiniwindowImage(QWidget *window, const QImage &image);

// Calls observer's method(QObject *) with no argument whenever any window moves to another
// screen, as a window-did-change-screen notification would.
void observeScreenChanges(QObject *observer, const char *method);

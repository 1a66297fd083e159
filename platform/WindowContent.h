// A window's content and size in the original platform's terms: the view shown as a window's
// content, content sizes and aspect ratio, centring, the minimised window's picture, and screen
// changes. Every function does nothing for a null window.
#pragma once

#include <QRect>
#include <QSizeF>

class QImage;
class QObject;
class QWidget;
class QWindow;

// The frame of the screen that holds the window, in screen coordinates; empty without one.
QRect screenFrame(const QWidget *window);
// A new borderless window at level covering frame, in the window manager's full-screen state (over
// the desktop's panels and docks, on the monitor that holds frame); destroyed when the program
// closes it. Its flags are final: it may take the view.
QWidget *newFullScreenWindow(const QRect &frame, int level);
// From now on the window covers its screen whenever that screen changes size (xrandr, a monitor's
// new mode), as a full-screen window must.
void followScreen(QWidget *window);
// Shows view as window's content. The view keeps one window container for its whole life (the
// interface definition's, or one made here on first use), which moves between windows as a
// widget: it leaves a placeholder where it stood in a layout, takes the place of the view's
// placeholder in window when there is one, and otherwise fills window. The view's native window
// and context go with it. window's native window is made first, so its flags must be final.
void setContentView(QWidget *window, QWindow *view);

// Sizes of the window's content (a main window's central widget, else the whole window), in
// points. Resizing keeps the content's aspect ratio once one is set; 0 x 0 sets none.
void setContentAspectRatio(QWidget *window, QSizeF ratio);
void setContentMinSize(QWidget *window, QSizeF size);
void setContentMaxSize(QWidget *window, QSizeF size);
void setContentSize(QWidget *window, QSizeF size);
QSize contentSize(const QWidget *window);
// The largest content of the ratio's proportions, at most the ratio itself, with which the whole
// window (the window manager's frame and the menu bar included) fits its screen's available area.
QSizeF largestContentSize(const QWidget *window, QSizeF ratio);
// Centres the window on its screen's available area.
void center(QWidget *window);
// The picture that stands for the window while it is minimised: its icon, shown by the task bar
// and the window switcher, at most 256 pixels across (they size it themselves). The window takes
// the program's own icon back when it is restored.
void setMiniwindowImage(QWidget *window, const QImage &image);

// Calls observer's method(QObject *) with no argument whenever any window moves to another
// screen, as a window-did-change-screen notification would.
void observeScreenChanges(QObject *observer, const char *method);

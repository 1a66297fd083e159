// The keyboard, in the original platform's terms and a Linux desktop's habits. Each window may
// have a first responder: the object its keys are meant for. Once routeKeyboard has run:
// - escape, and space unless a control has the keyboard focus, go to the first responder of the
//   window they are typed in, whatever control has the focus (the responder reads the character,
//   so Shift+Space counts as space);
// - a control takes the keyboard focus from the keyboard only (Tab, Shift+Tab, F6), never from a
//   click; space and Return then operate it (toggle, press), the arrows move a slider;
// - F6 and Shift+F6 move to the next and previous shown window of the program (the panels in
//   reading order, then the window the figure is in), giving a panel's first control the focus;
// - Ctrl+W closes the panel that has the focus, never any other window;
// - F10 opens the main window's first menu; Shift+F10 and the Menu key open the first responder's
//   context menu (its "menu" property) over it.
#pragma once

class QObject;
class QWidget;

// Does nothing for a null window.
void makeFirstResponder(QWidget *window, QObject *responder);
QObject *firstResponder(const QWidget *window);
void routeKeyboard();
// Controls take the keyboard focus from the keyboard only: Tab, Shift+Tab and F6.
void takeFocusFromKeyboardOnly(QWidget *control);
// Makes the window key and gives its first control the keyboard focus as the keyboard's, so that
// its focus ring shows at once and space and Return work it. Does nothing for a null window.
void focusWindow(QWidget *window);
// Does what F6 (Shift+F6 when backwards) does in the window from.
void focusNextWindow(QWidget *from, bool backwards);

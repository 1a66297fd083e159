// One application-wide filter: key presses are taken where they first arrive, at the window (a
// widget window or the view's own) before any control sees them, or at the widget they were sent
// to; either way the same rules decide. Focus changes are watched to know whether a control's
// focus came from the keyboard.
#include "Keyboard.h"

#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QWidget>
#include <QWindow>
#include <algorithm>

static const char responderProperty[] = "firstResponder";
static const char keyboardFocusProperty[] = "keyboardFocus"; // its focus came from the keyboard

void makeFirstResponder(QWidget *window, QObject *responder) {
    if (window)
        window->setProperty(responderProperty, QVariant::fromValue(QPointer<QObject>(responder)));
}

QObject *firstResponder(const QWidget *window) {
    return window ? window->property(responderProperty).value<QPointer<QObject>>().data() : nullptr;
}

void takeFocusFromKeyboardOnly(QWidget *control) {
    control->setFocusPolicy(Qt::TabFocus);
}

namespace {

// The program's window that a native window belongs to: a widget window's own widget, or, for an
// embedded window (the view), the top-level widget it sits in.
QWidget *windowOf(QWindow *window) {
    while (window && window->parent())
        window = window->parent();
    const QWidgetList windows = QApplication::topLevelWidgets();
    const auto found = std::find_if(windows.begin(), windows.end(), [window](QWidget *widget) {
        return widget->windowHandle() == window;
    });
    return found != windows.end() ? *found : nullptr;
}

// The windows F6 visits: shown panels in reading order, then the highest shown other window.
QWidgetList windowCycle() {
    QWidgetList panels;
    QWidget *figure = nullptr;
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (!window->isVisible() || window->isMinimized())
            continue;
        if (window->windowType() == Qt::Tool)
            panels.append(window);
        else if (window->windowType() == Qt::Window &&
                 (!figure || window->windowFlags() & Qt::WindowStaysOnTopHint))
            figure = window;
    }
    std::sort(panels.begin(), panels.end(), [](const QWidget *a, const QWidget *b) {
        const QPoint p = a->frameGeometry().topLeft(), q = b->frameGeometry().topLeft();
        return std::make_pair(p.y(), p.x()) < std::make_pair(q.y(), q.x());
    });
    if (figure)
        panels.append(figure);
    return panels;
}

void openFirstMenu() {
    const QWidgetList windows = QApplication::topLevelWidgets();
    for (QWidget *window : windows) {
        auto *main = qobject_cast<QMainWindow *>(window);
        if (auto *bar = qobject_cast<QMenuBar *>(main ? main->menuWidget() : nullptr)) {
            bar->setActiveAction(bar->actions().value(0));
            return;
        }
    }
}

void popUpMenu(QObject *responder) {
    auto *menu = responder ? responder->property("menu").value<QMenu *>() : nullptr;
    if (!menu)
        return;
    if (auto *window = qobject_cast<QWindow *>(responder))
        menu->popup(window->mapToGlobal(QPoint(window->width() / 2, window->height() / 2)));
    else if (auto *widget = qobject_cast<QWidget *>(responder))
        menu->popup(widget->mapToGlobal(widget->rect().center()));
}

class KeyboardRouter : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *target, QEvent *event) override {
        switch (event->type()) {
        case QEvent::FocusIn:
            noteFocus(target, static_cast<QFocusEvent *>(event)->reason());
            return false;
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
            return route(target,
                         target->isWindowType()   ? windowOf(static_cast<QWindow *>(target))
                         : target->isWidgetType() ? static_cast<QWidget *>(target)->window()
                                                  : nullptr,
                         static_cast<QKeyEvent *>(event));
        default:
            return false;
        }
    }

private:
    static void noteFocus(QObject *target, Qt::FocusReason reason) {
        if (reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason ||
            !target->isWidgetType())
            return; // a window coming back keeps what its focus was
        target->setProperty(keyboardFocusProperty,
                            reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason);
    }

    // True when the key was taken here.
    static bool route(QObject *target, QWidget *window, QKeyEvent *key) {
        if (!window || window->windowType() == Qt::Popup)
            return false;
        QObject *responder = firstResponder(window);
        QWidget *focus = window->focusWidget();
        const bool keyboardFocus = focus && focus->property(keyboardFocusProperty).toBool();
        auto *button = qobject_cast<QAbstractButton *>(focus); // switches and push buttons
        const int code = key->key();
        const Qt::KeyboardModifiers modifiers = key->modifiers() & ~Qt::KeypadModifier;
        // Sent on to the responder, unless it has arrived there (or is the copy sent from here).
        if ((code == Qt::Key_Escape || (code == Qt::Key_Space && !(button && keyboardFocus))) &&
            responder && target != responder) {
            if (key->type() == QEvent::KeyPress) {
                QKeyEvent copy(QEvent::KeyPress, code, key->modifiers(), key->text());
                QCoreApplication::sendEvent(responder, &copy);
            }
            return true;
        }
        if (key->type() != QEvent::KeyPress)
            return false;
        if ((code == Qt::Key_Return || code == Qt::Key_Enter) && button && keyboardFocus) {
            button->click();
        } else if (code == Qt::Key_F6 && (modifiers & ~Qt::ShiftModifier) == Qt::NoModifier) {
            focusNextWindow(window, modifiers & Qt::ShiftModifier);
        } else if (code == Qt::Key_W && modifiers == Qt::ControlModifier) {
            if (window->windowType() != Qt::Tool)
                return false;
            window->close();
        } else if (code == Qt::Key_F10 && modifiers == Qt::NoModifier) {
            openFirstMenu();
        } else if (code == Qt::Key_Menu ||
                   (code == Qt::Key_F10 && modifiers == Qt::ShiftModifier)) {
            popUpMenu(responder);
        } else {
            return false;
        }
        return true;
    }
};

} // namespace

void focusWindow(QWidget *window) {
    if (!window)
        return;
    window->raise();
    window->activateWindow();
    for (QWidget *control = window->nextInFocusChain(); control != window;
         control = control->nextInFocusChain()) {
        if ((control->focusPolicy() & Qt::TabFocus) && control->isVisibleTo(window) &&
            control->isEnabled()) {
            control->setProperty(keyboardFocusProperty, true); // before the window is active
            window->setAttribute(Qt::WA_KeyboardFocusChange);  // styles draw the ring from it
            control->setFocus(Qt::TabFocusReason);
            return;
        }
    }
}

void focusNextWindow(QWidget *from, bool backwards) {
    const QWidgetList cycle = windowCycle();
    const int step = backwards ? cycle.size() - 1 : 1;
    if (!cycle.isEmpty())
        focusWindow(cycle[(cycle.indexOf(from) + step) % cycle.size()]);
}

void routeKeyboard() {
    static KeyboardRouter *router = nullptr;
    if (!router) {
        router = new KeyboardRouter(QCoreApplication::instance());
        QCoreApplication::instance()->installEventFilter(router);
    }
}

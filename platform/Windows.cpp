// Levels are kept as a property on the window; stacking follows them whenever one changes.
#include "Windows.h"

#include <QApplication>
#include <QIcon>
#include <QImage>
#include <QKeyEvent>
#include <QLayout>
#include <QMainWindow>
#include <QPixmap>
#include <QPointer>
#include <QScreen>
#include <QVBoxLayout>
#include <QWidget>
#include <QWindow>
#include <algorithm>

static const char levelProperty[] = "windowLevel";
static const char responderProperty[] = "firstResponder";
static const char opaqueProperty[] = "opaque";

int windowLevelForKey(int key) {
    switch (key) {
    case FloatingWindowLevelKey:
        return 3;
    case ScreenSaverWindowLevelKey:
        return 1000;
    default:
        return 0;
    }
}

int windowLevel(const QWidget *window) {
    return window ? window->property(levelProperty).toInt() : 0;
}

// Raises every shown window of a higher level than window's, lowest first.
static void keepHigherLevelsAbove(const QWidget *window) {
    QWidgetList higher;
    for (QWidget *other : QApplication::topLevelWidgets())
        if (other->isVisible() && windowLevel(other) > windowLevel(window))
            higher.append(other);
    std::stable_sort(higher.begin(), higher.end(), [](const QWidget *a, const QWidget *b) {
        return windowLevel(a) < windowLevel(b);
    });
    for (QWidget *other : higher)
        other->raise();
}

// Any level above normal stays on top. Among windows on top, window managers may refuse to raise
// one over the active window (a panel over the full-screen window), but they always keep a
// window above the one it is transient for: in the screen-saver band (the full-screen window's
// level and up) a window is made transient for the highest shown band window of a lower level.
// Links only ever point to lower levels, so they never form a loop. X11 reads the hint when the
// window is mapped, and only for tool windows. Leaves a shown window shown.
static void applyLevel(QWidget *window) {
    const int band = windowLevelForKey(ScreenSaverWindowLevelKey) - 2;
    QWidget *below = nullptr;
    for (QWidget *other : QApplication::topLevelWidgets())
        if (other != window && other->isVisible() && windowLevel(other) >= band &&
            windowLevel(other) < windowLevel(window) &&
            (!below || windowLevel(other) > windowLevel(below)))
            below = other;
    Qt::WindowFlags flags = window->windowFlags();
    flags.setFlag(Qt::WindowStaysOnTopHint, windowLevel(window) > 0);
    flags = (flags & ~Qt::WindowType_Mask) | (below ? Qt::Tool : Qt::Window);
    const bool shown = window->isVisible();
    if (flags != window->windowFlags())
        window->setWindowFlags(flags); // hides a shown window
    window->winId();
    QWindow *parent = below ? below->windowHandle() : nullptr;
    if (window->windowHandle()->transientParent() != parent) {
        window->hide(); // mapped again below, with the new hint
        window->windowHandle()->setTransientParent(parent);
    }
    if (shown)
        window->show();
}

void setLevel(QWidget *window, int level) {
    if (!window)
        return;
    window->setProperty(levelProperty, level);
    applyLevel(window);
    if (window->isVisible()) {
        window->raise();
        keepHigherLevelsAbove(window);
    }
}

void setIsVisible(QWidget *window, bool visible) {
    if (!window)
        return;
    if (visible && !window->isVisible())
        applyLevel(window);
    window->setVisible(visible);
}

void orderFront(QWidget *window) {
    if (!window)
        return;
    window->show();
    window->raise();
    keepHigherLevelsAbove(window);
}

void makeKeyWindow(QWidget *window) {
    if (window && window->isVisible())
        window->activateWindow();
}

void makeKeyAndOrderFront(QWidget *window) {
    orderFront(window);
    makeKeyWindow(window);
}

void makeFirstResponder(QWidget *window, QObject *responder) {
    if (window)
        window->setProperty(responderProperty, QVariant::fromValue(QPointer<QObject>(responder)));
}

QObject *firstResponder(const QWidget *window) {
    return window ? window->property(responderProperty).value<QPointer<QObject>>().data() : nullptr;
}

namespace {

// Space and escape, without modifiers, from any widget of a window with a first responder.
class KeyRouter : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *target, QEvent *event) override {
        const auto type = event->type();
        if (type != QEvent::KeyPress && type != QEvent::KeyRelease &&
            type != QEvent::ShortcutOverride)
            return false;
        auto *key = static_cast<QKeyEvent *>(event);
        auto *widget = qobject_cast<QWidget *>(target);
        if (!widget || key->modifiers() != Qt::NoModifier ||
            (key->key() != Qt::Key_Space && key->key() != Qt::Key_Escape))
            return false;
        QObject *responder = firstResponder(widget->window());
        if (!responder)
            return false;
        if (type == QEvent::KeyPress) {
            QKeyEvent copy(QEvent::KeyPress, key->key(), key->modifiers(), key->text());
            QCoreApplication::sendEvent(responder, &copy);
        }
        event->accept();
        return true; // the focused control never sees it
    }
};

} // namespace

void routeKeysToResponders() {
    static KeyRouter *router = nullptr;
    if (!router) {
        router = new KeyRouter(QCoreApplication::instance());
        QCoreApplication::instance()->installEventFilter(router);
    }
}

void setOpaque(QWidget *window, bool opaque) {
    if (window)
        window->setProperty(opaqueProperty, opaque);
}

bool isOpaque(const QWidget *window) {
    const QVariant opaque = window ? window->property(opaqueProperty) : QVariant(false);
    return !opaque.isValid() || opaque.toBool(); // opaque until told otherwise
}

void setAlphaValue(QWidget *window, double alpha) {
    if (window)
        window->setWindowOpacity(alpha);
}

QRect screenFrame(const QWidget *window) {
    const QScreen *screen = window ? window->screen() : nullptr;
    return screen ? screen->geometry() : QRect();
}

QWidget *newBorderlessWindow(const QRect &frame) {
    auto *window = new QWidget(nullptr, Qt::FramelessWindowHint);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->setGeometry(frame);
    return window;
}

// A window container keeps the window it embeds until told that it lost it, and deletes it with
// itself. So the view is taken out of its container, which stays behind empty as the place the
// view goes back to, and is embedded in a new container: in place of the window's empty one, or
// filling a window that never had one.
void setContentView(QWidget *window, QWindow *view) {
    if (!window || !view)
        return;
    const QVariant viewValue = QVariant::fromValue<QObject *>(view);
    for (QWidget *widget : QApplication::allWidgets()) {
        if (widget->property("contentOf") == viewValue) {
            QChildEvent lost(QEvent::ChildRemoved, view);
            QCoreApplication::sendEvent(widget, &lost);
            widget->setProperty("contentOf", QVariant());
            widget->setProperty("placeOf", viewValue);
        }
    }
    QWidget *container = QWidget::createWindowContainer(view, window);
    container->setProperty("contentOf", viewValue);
    QWidget *place = nullptr;
    for (QWidget *widget : window->findChildren<QWidget *>())
        if (widget->property("placeOf") == viewValue)
            place = widget;
    QLayout *layout = place && place->parentWidget() ? place->parentWidget()->layout() : nullptr;
    if (layout) {
        delete layout->replaceWidget(place, container);
        delete place;
    } else {
        if (!window->layout())
            new QVBoxLayout(window);
        window->layout()->setContentsMargins(0, 0, 0, 0);
        window->layout()->addWidget(container);
    }
    container->show();
}

static QWidget *content(const QWidget *window) {
    const auto *main = qobject_cast<const QMainWindow *>(window);
    return main && main->centralWidget() ? main->centralWidget() : const_cast<QWidget *>(window);
}

// What the window adds around its content: menu bar, margins. Laid out first, so a window not
// shown yet measures right too.
static QSize chrome(const QWidget *window) {
    if (window->layout())
        window->layout()->activate();
    return window->size() - content(window)->size();
}

QSize contentSize(const QWidget *window) {
    return window ? content(window)->size() : QSize();
}

namespace {

// Brings the content back to its aspect ratio after every resize, the width leading.
class AspectKeeper : public QObject {
public:
    AspectKeeper(QWidget *window, QSizeF ratio) : QObject(window), ratio(ratio) {}
    QSizeF ratio;

protected:
    bool eventFilter(QObject *target, QEvent *event) override {
        auto *window = static_cast<QWidget *>(target);
        if (event->type() != QEvent::Resize || ratio.isEmpty() || window->isMaximized() ||
            window->isFullScreen())
            return false;
        const QSize inside = contentSize(window);
        const int height = qRound(inside.width() * ratio.height() / ratio.width());
        if (std::abs(height - inside.height()) > 1)
            window->resize(QSize(inside.width(), height) + chrome(window));
        return false;
    }
};

} // namespace

void setContentAspectRatio(QWidget *window, QSizeF ratio) {
    if (!window)
        return;
    auto *keeper = static_cast<AspectKeeper *>(window->property("aspectKeeper").value<QObject *>());
    if (!keeper) {
        keeper = new AspectKeeper(window, ratio);
        window->installEventFilter(keeper);
        window->setProperty("aspectKeeper", QVariant::fromValue<QObject *>(keeper));
    }
    keeper->ratio = ratio;
}

void setContentMinSize(QWidget *window, QSizeF size) {
    if (window)
        window->setMinimumSize(size.toSize() + chrome(window));
}

void setContentMaxSize(QWidget *window, QSizeF size) {
    if (window)
        window->setMaximumSize(size.isEmpty() ? QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX)
                                              : size.toSize() + chrome(window));
}

void setContentSize(QWidget *window, QSizeF size) {
    if (window)
        window->resize(size.toSize() + chrome(window));
}

void center(QWidget *window) {
    const QScreen *screen = window ? window->screen() : nullptr;
    if (!screen)
        return;
    QRect frame = window->frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    window->move(frame.topLeft());
}

void setMiniwindowImage(QWidget *window, const QImage &image) {
    if (!window || image.isNull())
        return;
    // X11 hands every size of an icon to the window manager (a 900-pixel icon is 3 MB and 17 ms);
    // task bars and switchers show at most 256 pixels.
    const int largest = 256;
    window->setWindowIcon(QIcon(QPixmap::fromImage(
        image.width() > largest ? image.scaled(largest, largest, Qt::KeepAspectRatio,
                                               Qt::FastTransformation) // a smooth one costs 10 ms
                                : image)));
}

namespace {

class ScreenWatcher : public QObject {
public:
    ScreenWatcher(QObject *observer, const char *method)
        : QObject(observer), observer(observer), method(method) {}

protected:
    bool eventFilter(QObject *target, QEvent *event) override {
        auto *widget = qobject_cast<QWidget *>(target);
        if (event->type() == QEvent::ScreenChangeInternal && widget && widget->isWindow())
            QMetaObject::invokeMethod(observer, method, Qt::QueuedConnection,
                                      Q_ARG(QObject *, nullptr));
        return false;
    }

private:
    QObject *observer;
    const char *method;
};

} // namespace

void observeScreenChanges(QObject *observer, const char *method) {
    QCoreApplication::instance()->installEventFilter(new ScreenWatcher(observer, method));
}

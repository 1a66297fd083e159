// The view moved between windows through window containers, and windows sized by their content.
#include "WindowContent.h"

#include "WindowManager.h"
#include "Windows.h"

#include <QApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QIcon>
#include <QImage>
#include <QLayout>
#include <QMainWindow>
#include <QPixmap>
#include <QScreen>
#include <QVBoxLayout>
#include <QWidget>
#include <QWindow>
#include <algorithm>
#include <cmath>

QRect screenFrame(const QWidget *window) {
    const QScreen *screen = window ? window->screen() : nullptr;
    return screen ? screen->geometry() : QRect();
}

// The state makes the native window, whose flags the level sets: the level first. A window manager
// sizes a window in that state itself, on the monitor the window is on; one it maps as large as the
// screen it takes as maximised too (kwin), so it starts inside the frame. Without one, nothing
// sizes it but this.
QWidget *newFullScreenWindow(const QRect &frame, int level) {
    auto *window = new QWidget(nullptr, Qt::FramelessWindowHint);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->setGeometry(
        windowManagerRunning()
            ? QRect(frame.topLeft() + QPoint(frame.width(), frame.height()) / 4, frame.size() / 2)
            : frame);
    setLevel(window, level);
    window->setWindowState(Qt::WindowFullScreen);
    return window;
}

void followScreen(QWidget *window) {
    if (!window)
        return;
    const auto cover = [window] {
        if (const QScreen *screen = window->screen())
            window->setGeometry(screen->geometry());
    };
    const auto watch = [window, cover](QScreen *screen) {
        QObject::connect(screen, &QScreen::geometryChanged, window, cover);
    };
    for (QScreen *screen : QGuiApplication::screens())
        watch(screen);
    QObject::connect(qGuiApp, &QGuiApplication::screenAdded, window, watch);
}

static QWidget *findMarked(const QWidgetList &widgets, const char *mark, const QVariant &view) {
    for (QWidget *widget : widgets)
        if (widget->property(mark) == view)
            return widget;
    return nullptr;
}

// Qt documents moving a window container between parents; a container without its window is
// what it does not expect, so there is only ever the one, holding the view.
void setContentView(QWidget *window, QWindow *view) {
    if (!window || !view)
        return;
    const QVariant viewValue = QVariant::fromValue<QObject *>(view);
    QWidget *container = findMarked(QApplication::allWidgets(), "contentOf", viewValue);
    if (container && container->window() == window)
        return;
    window->winId();
    if (!container) {
        container = QWidget::createWindowContainer(view, window);
        container->setProperty("contentOf", viewValue);
    } else if (QWidget *holder = container->parentWidget(); holder && holder->layout()) {
        auto *placeholder = new QWidget(holder);
        placeholder->setProperty("placeOf", viewValue);
        delete holder->layout()->replaceWidget(container, placeholder);
    }
    QWidget *place = findMarked(window->findChildren<QWidget *>(), "placeOf", viewValue);
    QLayout *layout = place && place->parentWidget() ? place->parentWidget()->layout() : nullptr;
    if (layout) {
        delete layout->replaceWidget(place, container); // takes the container in
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

QSizeF largestContentSize(const QWidget *window, QSizeF ratio) {
    const QScreen *screen = window ? window->screen() : nullptr;
    if (!screen || ratio.isEmpty())
        return QSizeF(0, 0);
    // The frame is known once a window manager has framed the window; 0 before.
    const QSize around = chrome(window) + window->frameGeometry().size() - window->size();
    const QSizeF room = screen->availableGeometry().size() - around;
    const double scale =
        std::min({1.0, room.width() / ratio.width(), room.height() / ratio.height()});
    const QSizeF largest = ratio * std::max(0.0, scale);
    return QSizeF(std::floor(largest.width()), std::floor(largest.height()));
}

namespace {

// Brings the content back to its aspect ratio after every resize, the width leading, and within
// its largest size. That size is kept here, not told the window manager: some (xfwm4) refuse to
// maximise a window that cannot fill the work area, and maximising is how a user asks for full
// screen.
class SizeKeeper : public QObject {
public:
    using QObject::QObject;
    QSizeF ratio;
    QSize largest; // of the content; empty: any

    static SizeKeeper *of(QWidget *window) {
        auto *keeper = static_cast<SizeKeeper *>(window->property("sizeKeeper").value<QObject *>());
        if (!keeper) {
            keeper = new SizeKeeper(window);
            window->installEventFilter(keeper);
            window->setProperty("sizeKeeper", QVariant::fromValue<QObject *>(keeper));
        }
        return keeper;
    }

    void keep(QWidget *window) const {
        if (window->isMaximized() || window->isFullScreen())
            return;
        const QSize inside = contentSize(window);
        QSize kept = largest.isEmpty() ? inside : inside.boundedTo(largest);
        if (!ratio.isEmpty())
            kept.setHeight(qRound(kept.width() * ratio.height() / ratio.width()));
        if (std::abs(kept.height() - inside.height()) > 1 || kept.width() != inside.width())
            window->resize(kept + chrome(window));
    }

protected:
    bool eventFilter(QObject *target, QEvent *event) override {
        if (event->type() == QEvent::Resize)
            keep(static_cast<QWidget *>(target));
        return false;
    }
};

} // namespace

void setContentAspectRatio(QWidget *window, QSizeF ratio) {
    if (window)
        SizeKeeper::of(window)->ratio = ratio;
}

void setContentMinSize(QWidget *window, QSizeF size) {
    if (window)
        window->setMinimumSize(size.toSize() + chrome(window));
}

void setContentMaxSize(QWidget *window, QSizeF size) {
    if (!window)
        return;
    SizeKeeper *keeper = SizeKeeper::of(window);
    keeper->largest = size.toSize();
    if (window->isVisible()) // a hidden one is kept when shown (its resizes wait till then)
        keeper->keep(window);
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

namespace {

// Gives the window the program's icon back once it is no longer minimised.
class IconRestorer : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *target, QEvent *event) override {
        auto *window = static_cast<QWidget *>(target);
        if (event->type() == QEvent::WindowStateChange && !window->isMinimized())
            window->setWindowIcon(QGuiApplication::windowIcon());
        return false;
    }
};

} // namespace

void setMiniwindowImage(QWidget *window, const QImage &image) {
    if (!window || image.isNull())
        return;
    if (!window->property("iconRestorer").toBool()) {
        window->installEventFilter(new IconRestorer(window));
        window->setProperty("iconRestorer", true);
    }
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

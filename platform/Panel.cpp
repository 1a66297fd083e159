// Panels are tool windows from the start: flags set later would re-create their native windows.
#include "Panel.h"

#include "AccessibleControls.h"
#include "Windows.h"

#include <QApplication>
#include <QMainWindow>
#include <QScreen>
#include <algorithm>

Panel::Panel(QWidget *parent) : QWidget(parent, Qt::Tool) {
    // Mapped with a user time of 0, which window managers take as "do not focus": Qt reads this
    // once, when it makes the native window.
    setAttribute(Qt::WA_ShowWithoutActivating);
    describeControlsToScreenReaders();
}

// Placed before its native window is made, a window is placed by its frame's corner (north-west
// gravity): the window manager puts the frame there, whatever frame it gives the panel.
void Panel::setVisible(bool visible) {
    if (visible && !placed && !testAttribute(Qt::WA_WState_Created) && screen()) {
        placed = true;
        move(firstPlace());
    }
    QWidget::setVisible(visible);
}

// Shown events come before the native window is mapped, when the window manager reads its hints.
void Panel::showEvent(QShowEvent *event) {
    QWidget::showEvent(event);
    updateStacking(this);
}

// The frame a window manager gives the program's windows, as it framed one already shown (the
// full-screen window has none); none without a window manager.
static QMargins frameMargins() {
    for (const QWidget *window : QApplication::topLevelWidgets()) {
        const QRect inner = window->geometry(), outer = window->frameGeometry();
        if (window->isVisible() && inner != outer)
            return {inner.left() - outer.left(), inner.top() - outer.top(),
                    outer.right() - inner.right(), outer.bottom() - inner.bottom()};
    }
    return {};
}

// The frame's corner, in points, on the screen of the window the panel floats above; the frame's
// size as the program's other windows are framed.
QPoint Panel::firstPlace() const {
    const QWidget *over = floatsAbove(this);
    const QRect area = (over && over->screen() ? over->screen() : screen())->availableGeometry();
    const QRect beside = over ? over->frameGeometry() : QRect(area.topLeft(), QSize(0, 0));
    const QMargins margins = frameMargins();
    const QSize frame = size().grownBy(margins);
    const int gap = 8, step = 32 * cascade;
    int x = side == "leading" ? beside.left() - gap - frame.width() - step
                              : beside.right() + 1 + gap + step;
    x = std::clamp(x, area.left(), area.right() + 1 - frame.width());
    int y = beside.top() + step;
    if (QRect(QPoint(x, y), frame).intersects(beside)) { // over it: below its title and menu bar
        const auto *main = qobject_cast<const QMainWindow *>(over);
        const QWidget *content = main && main->centralWidget() ? main->centralWidget() : over;
        y = std::max(y, content->mapToGlobal(QPoint(0, 0)).y() + step);
    }
    y = std::clamp(y, area.top(), area.bottom() + 1 - frame.height());
    return QPoint(x, y);
}

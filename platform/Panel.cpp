// Panels are tool windows from the start: flags set later would re-create their native windows.
#include "Panel.h"

#include "AccessibleControls.h"
#include "Windows.h"

#include <QScreen>
#include <algorithm>

Panel::Panel(QWidget *parent) : QWidget(parent, Qt::Tool) {
    describeControlsToScreenReaders();
}

// Shown events come before the native window is mapped, when the window manager reads its hints.
void Panel::showEvent(QShowEvent *event) {
    QWidget::showEvent(event);
    updateStacking(this);
    if (placed || !screen())
        return;
    placed = true;
    const QRect area = screen()->availableGeometry();
    const QSize frame = frameGeometry().size(); // the frame's margins once a window manager drew it
    move(std::clamp(area.left() + origin.x(), area.left(), area.right() + 1 - frame.width()),
         std::clamp(area.top() + origin.y(), area.top(), area.bottom() + 1 - frame.height()));
}

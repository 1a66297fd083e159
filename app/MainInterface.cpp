// The main interface: a window whose content is the scene view, as large as its screen's
// available area. The view wakes before the window is shown, so no frame precedes its start-up.
#include "ApplicationMain.h"
#include "LWTetravoluteView.h"

#include <QScreen>
#include <QVBoxLayout>
#include <QWidget>

void loadMainInterface() {
    auto *window = new QWidget;
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->setWindowTitle("Tetravolute");
    auto *view = new LWTetravoluteView;
    auto *layout = new QVBoxLayout(window);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(QWidget::createWindowContainer(view, window));
    window->setMinimumSize(160, 120);
    window->resize(window->screen()->availableGeometry().size());
    view->awakeFromNib();
    window->show();
}

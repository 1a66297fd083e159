// The main window's start-up.
#include "LWWindow.h"

#include "LWTetravoluteView.h"
#include "Windows.h"

#include <QScreen>

LWWindow::LWWindow(QWidget *parent) : QMainWindow(parent) {
    setAttribute(Qt::WA_DeleteOnClose);
}

void LWWindow::awakeFromNib() {
    makeFirstResponder(this, view);
    if (const QScreen *holder = screen())
        resize(holder->availableGeometry().size());
}

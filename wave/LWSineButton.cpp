// The plot is a child of the button; it keeps the 10-point inset when a layout resizes the button.
#include "LWSineButton.h"

#include "Keyboard.h"
#include "LWSineAccessible.h"
#include "LWSineView.h"

LWSineButton::LWSineButton(QWidget *parent) : QPushButton(parent) {
    takeFocusFromKeyboardOnly(this);
    describeWavesToScreenReaders();
}

void LWSineButton::awakeFromNib() {
    if (!view)
        return;
    view->setParent(this);
    view->setGeometry(rect().adjusted(10, 10, -10, -10));
    view->show();
}

void LWSineButton::resizeEvent(QResizeEvent *event) {
    QPushButton::resizeEvent(event);
    if (view && view->parent() == this)
        view->setGeometry(rect().adjusted(10, 10, -10, -10));
}

// A button that shows a wave plot inside itself, inset by 10 points on every side.
#pragma once

#include <QPushButton>

class LWSineView;

class LWSineButton : public QPushButton {
    Q_OBJECT
    Q_MOC_INCLUDE("LWSineView.h")
    Q_PROPERTY(LWSineView *view MEMBER view)
public:
    Q_INVOKABLE explicit LWSineButton(QWidget *parent = nullptr);
    // Embeds the plot, once, at load.
    Q_INVOKABLE void awakeFromNib();

    LWSineView *view = nullptr;

protected:
    void resizeEvent(QResizeEvent *event) override;
};

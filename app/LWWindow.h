// The main window: the scene view is its content; a menu bar carries the commands.
#pragma once

#include <QMainWindow>

class LWTetravoluteView;

class LWWindow : public QMainWindow {
    Q_OBJECT
    Q_MOC_INCLUDE("LWTetravoluteView.h")
    Q_PROPERTY(QObject *controller MEMBER controller)
    Q_PROPERTY(LWTetravoluteView *view MEMBER view)
public:
    Q_INVOKABLE explicit LWWindow(QWidget *parent = nullptr);
    // The view takes the window's keys; the window is as large as its screen's available area.
    Q_INVOKABLE void awakeFromNib();

    QObject *controller = nullptr;
    LWTetravoluteView *view = nullptr;
};

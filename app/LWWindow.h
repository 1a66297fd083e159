// The main window: the scene view is its content, sized from its screen. The window manager's
// maximise becomes full screen, its minimise has the controller make the window's icon from the
// frame first, and closing it ends the program.
#pragma once

#include <QMainWindow>

class LWController;
class LWTetravoluteView;

class LWWindow : public QMainWindow {
    Q_OBJECT
    Q_MOC_INCLUDE("LWController.h")
    Q_MOC_INCLUDE("LWTetravoluteView.h")
    Q_PROPERTY(LWController *controller MEMBER controller)
    Q_PROPERTY(LWTetravoluteView *view MEMBER view)
public:
    Q_INVOKABLE explicit LWWindow(QWidget *parent = nullptr);
    // Centres the window, gives the view its keys, sizes it to its screen and follows every
    // window's change of screen.
    Q_INVOKABLE void awakeFromNib();
    // Content at the screen's aspect ratio, at most the screen (less what the window's frame and
    // menu bar need of its available area), at least an eighth of it each way, and half of it
    // now; all zero without a screen.
    Q_INVOKABLE void newScreen(QObject *notification);
    // Full screen instead of a larger window.
    Q_INVOKABLE void zoom(QObject *sender);
    // The icon from the frame on screen, then the window minimised.
    Q_INVOKABLE void miniaturize(QObject *sender);

    LWController *controller = nullptr;
    LWTetravoluteView *view = nullptr;

protected:
    // The title bar's buttons are the window manager's: its maximise and minimise arrive here.
    void changeEvent(QEvent *event) override;
    // The only window of the program: its panels go with it, and every setting is stored already.
    void closeEvent(QCloseEvent *event) override;
    // The window manager frames the window after it is shown, and moves it doing so: the largest
    // size is measured again with the frame.
    void moveEvent(QMoveEvent *event) override;

private:
    QSizeF screenSize() const;

    bool miniaturizing = false; // inside miniaturize, which has made the icon already
};

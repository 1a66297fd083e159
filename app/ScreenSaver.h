// The program as a screen saver: the figure alone, drawn in another program's window and following
// its size. No panels, menus or icon; input is left to the window's owner and no setting is
// written. SIGTERM or SIGINT ends it with status 0; the window going ends it with one line and
// status 1.
#pragma once

#include <QObject>
#include <memory>

class HostWindow;
class LWTetravoluteView;

class ScreenSaver : public QObject {
    Q_OBJECT
public:
    // Draws in the window with that X id (0: the root window). Ends the program, with one line and
    // status 1, when there is no such window.
    explicit ScreenSaver(unsigned long hostWindow);
    ~ScreenSaver() override;

private:
    void fit();

    std::unique_ptr<HostWindow> host;
    LWTetravoluteView *view = nullptr;
};

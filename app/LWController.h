// The application controller: binds the settings panel to the view and the store, shows the
// panels, maps each wave editor to its record in the view. Its collaborators are outlets set by
// the interface definition; any of them may be unconnected (commands to it do nothing, values
// read from it are 0).
#pragma once

#include "LWsine.h"
#include "SettingsTable.h"

#include <QObject>
#include <QPointer>
#include <QWidgetList>

class LWSineButton;
class LWSineController;
class LWTetravoluteView;
class QWidget;
class Slider;
class Switch;

class LWController : public QObject {
    Q_OBJECT
    Q_MOC_INCLUDE("Controls.h")
    Q_MOC_INCLUDE("LWSineButton.h")
    Q_MOC_INCLUDE("LWSineController.h")
    Q_MOC_INCLUDE("LWTetravoluteView.h")
    Q_MOC_INCLUDE(<QWidget>)
    Q_PROPERTY(QObject *prefSheet MEMBER prefSheet)
    Q_PROPERTY(LWTetravoluteView *mainView MEMBER mainView)
    Q_PROPERTY(Switch *axisSwitch MEMBER axisSwitch)
    Q_PROPERTY(Switch *logoSwitch MEMBER logoSwitch)
    Q_PROPERTY(Switch *shadeSwitch MEMBER shadeSwitch)
    Q_PROPERTY(Switch *smoothSwitch MEMBER smoothSwitch)
    Q_PROPERTY(Switch *borderSwitch MEMBER borderSwitch)
    Q_PROPERTY(Switch *delaySwitch MEMBER delaySwitch)
    Q_PROPERTY(Slider *lowDepthSlider MEMBER lowDepthSlider)
    Q_PROPERTY(Slider *highDepthSlider MEMBER highDepthSlider)
    Q_PROPERTY(Slider *turnSlider MEMBER turnSlider)
    Q_PROPERTY(Slider *yankSlider MEMBER yankSlider)
    Q_PROPERTY(Slider *zoomSlider MEMBER zoomSlider)
    Q_PROPERTY(LWSineButton *distButton MEMBER distButton)
    Q_PROPERTY(LWSineButton *sizeButton MEMBER sizeButton)
    Q_PROPERTY(LWSineButton *turnButton MEMBER turnButton)
    Q_PROPERTY(LWSineController *distContro MEMBER distContro)
    Q_PROPERTY(LWSineController *sizeContro MEMBER sizeContro)
    Q_PROPERTY(LWSineController *turnContro MEMBER turnContro)
    Q_PROPERTY(QWidget *distWindow MEMBER distWindow)
    Q_PROPERTY(QWidget *sizeWindow MEMBER sizeWindow)
    Q_PROPERTY(QWidget *turnWindow MEMBER turnWindow)
    Q_PROPERTY(QWidget *mainWindow MEMBER mainWindow)
    Q_PROPERTY(QWidget *prefsWindow MEMBER prefsWindow)
    Q_PROPERTY(QWidget *aboutBox MEMBER aboutBox)
    Q_PROPERTY(QWidget *helpBox MEMBER helpBox)
public:
    Q_INVOKABLE explicit LWController(QObject *parent = nullptr);

    // The sliders take their ranges from the settings table.
    Q_INVOKABLE void awakeFromNib();

    // The panel's switches and sliders from the store; writes nothing.
    void setControls();
    Q_INVOKABLE void showPrefs(QObject *sender);
    Q_INVOKABLE void showDist(QObject *sender);
    Q_INVOKABLE void showSize(QObject *sender);
    Q_INVOKABLE void showTurn(QObject *sender);
    // Each update re-reads its whole group of controls into the view, then the store.
    Q_INVOKABLE void updateSettings(QObject *sender);
    Q_INVOKABLE void updateGlobal(QObject *sender);
    // Keeps low <= high: the moved slider keeps its value, the other follows it.
    Q_INVOKABLE void updateDepth(QObject *sender);
    Q_INVOKABLE void updateTurn(QObject *sender);
    Q_INVOKABLE void updateDist(QObject *sender);
    Q_INVOKABLE void updateSize(QObject *sender);
    // Moves the view into a new borderless window over the main window's screen, above normal
    // windows, and lifts the six panels above it, translucent; nothing if already there. The
    // window manager closing that window leaves full screen.
    Q_INVOKABLE void goFullScreen();
    // Moves the view back into the main window and the panels back to floating and opaque, and
    // closes the full-screen window; nothing if not in full screen.
    Q_INVOKABLE void leaveFullScreen();
    Q_INVOKABLE void toggleFullScreen(QObject *sender);
    // The main window's icon: the centred square of the frame on screen, everything where the
    // frame drew nothing transparent; unchanged for a view under one pixel.
    void generateMiniWindow();
    // Asks where, at which size and on which background, then saves the frame as the view shows
    // it now, drawn again off screen: the animation does not step. Says so when it cannot.
    Q_INVOKABLE void savePicture(QObject *sender);
    Q_INVOKABLE void closeSheet(QObject *sender);
    Q_INVOKABLE void gotoLW(QObject *sender);
    // Closes the about, help and wave-editor panels; the settings panel stays.
    Q_INVOKABLE void cleanUp();
    // The keyboard into the next panel, as F6 does from the window that has it.
    Q_INVOKABLE void nextPanel(QObject *sender);
    // Removes all 26 keys, so the defaults answer, and refills the panel, the scene and editors.
    Q_INVOKABLE void restoreDefaults(QObject *sender);
    // The view's record for one of the three editors; null (and a log line) for any other.
    Q_INVOKABLE LWSine *getFunc(QObject *editor);

    QObject *prefSheet = nullptr;
    LWTetravoluteView *mainView = nullptr;
    Switch *axisSwitch = nullptr;
    Switch *logoSwitch = nullptr;
    Switch *shadeSwitch = nullptr;
    Switch *smoothSwitch = nullptr;
    Switch *borderSwitch = nullptr;
    Switch *delaySwitch = nullptr;
    Slider *lowDepthSlider = nullptr;
    Slider *highDepthSlider = nullptr;
    Slider *turnSlider = nullptr;
    Slider *yankSlider = nullptr;
    Slider *zoomSlider = nullptr;
    LWSineButton *distButton = nullptr;
    LWSineButton *sizeButton = nullptr;
    LWSineButton *turnButton = nullptr;
    LWSineController *distContro = nullptr;
    LWSineController *sizeContro = nullptr;
    LWSineController *turnContro = nullptr;
    QWidget *distWindow = nullptr;
    QWidget *sizeWindow = nullptr;
    QWidget *turnWindow = nullptr;
    QWidget *mainWindow = nullptr;
    QWidget *prefsWindow = nullptr;
    QWidget *aboutBox = nullptr;
    QWidget *helpBox = nullptr;
    QPointer<QWidget> fullWindow; // the borderless full-screen window, while in full screen
    bool inFullScreen = false;

private:
    // The six panels.
    QWidgetList panels() const;
    // Shows one wave editor's panel; in window mode brings it front, making it key if asked.
    void showWave(QWidget *window, LWSineController *editor, bool makeKey);
    using Record = LWSine *(LWTetravoluteView::*)();
    // Hands the slider to the editor, then writes the view's record under its four keys, in the
    // order a, f, d, p from the amp key on.
    void updateWave(QObject *sender, LWSineController *editor, Record record, Setting amp);
};

// The settings panel's binding, the wave editors' records and keys, and the panels' showing.
// Every action fetches the store once and writes each key with its own call, view first.
#include "LWController.h"

#include "Controls.h"
#include "ImageFile.h"
#include "Keyboard.h"
#include "LWSineButton.h"
#include "LWSineController.h"
#include "LWTetravoluteView.h"
#include "Log.h"
#include "SavePictureDialog.h"
#include "SettingsTable.h"
#include "WindowContent.h"
#include "Windows.h"
#include "Workspace.h"

#include <QApplication>
#include <QDebug>
#include <QDialog>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QMessageBox>
#include <QTimer>
#include <QWidget>

static const char homePage[] = "https://www.tetravolute.org/";
static const char title[] = "Tetravolute"; // the main and full-screen windows' title

LWController::LWController(QObject *parent) : QObject(parent) {}

static void takeRange(Slider *slider, Setting setting) {
    const SettingEntry &entry = settingsTable[setting];
    if (slider)
        slider->setFloatRange(entry.min, entry.max, entry.steps);
}

void LWController::awakeFromNib() {
    takeRange(lowDepthSlider, LowThresh);
    takeRange(highDepthSlider, HighThresh);
    takeRange(turnSlider, TetraTurn);
    takeRange(yankSlider, TetraYank);
    takeRange(zoomSlider, CamZoom);
    for (const auto &[editor, amp] :
         {std::pair(distContro, DistAmp), std::pair(sizeContro, SizeAmp),
          std::pair(turnContro, TurnAmp)}) {
        if (!editor)
            continue;
        takeRange(editor->ampSlider, amp);
        takeRange(editor->freqSlider, Setting(amp + 1));
        takeRange(editor->deltaSlider, Setting(amp + 2));
        takeRange(editor->phaseSlider, Setting(amp + 3));
    }
    // The about and help panels are shown by the interface itself: space and escape typed there
    // reach the view's keys too.
    makeFirstResponder(aboutBox, mainView);
    makeFirstResponder(helpBox, mainView);
}

void LWController::setControls() {
    const Defaults store = settingsStore();
    const std::pair<Switch *, Setting> switches[] = {
        {axisSwitch, DrawAxis},     {logoSwitch, DrawLogo},     {shadeSwitch, DrawShades},
        {smoothSwitch, DrawSmooth}, {borderSwitch, DrawBorder}, {delaySwitch, Delay}};
    for (const auto &[control, setting] : switches)
        setIntValue(control, readBool(store, setting) ? 1 : 0);
    for (const auto &[control, setting] : switches)
        setNeedsDisplay(control);
    setIntValue(lowDepthSlider, static_cast<int>(readInteger(store, LowThresh)));
    setIntValue(highDepthSlider, static_cast<int>(readInteger(store, HighThresh)));
    setNeedsDisplay(lowDepthSlider);
    setNeedsDisplay(highDepthSlider);
    setFloatValue(turnSlider, readFloat(store, TetraTurn));
    setFloatValue(yankSlider, readFloat(store, TetraYank));
    setFloatValue(zoomSlider, readFloat(store, CamZoom));
    for (QObject *control : {turnSlider, yankSlider, zoomSlider})
        setNeedsDisplay(control);
    for (QObject *button : {distButton, sizeButton, turnButton})
        setNeedsDisplay(button);
}

void LWController::showPrefs(QObject *) {
    setControls();
    setIsVisible(prefsWindow, true);
    QWidget *key = mainWindow;
    if (inFullScreen) {
        setLevel(prefsWindow, windowLevelForKey(ScreenSaverWindowLevelKey) - 1);
        key = fullWindow;
    } else {
        orderFront(prefsWindow);
        setLevel(prefsWindow, windowLevelForKey(FloatingWindowLevelKey));
    }
    makeKeyWindow(key);
    makeFirstResponder(prefsWindow, mainView);
}

void LWController::showWave(QWidget *window, LWSineController *editor, bool makeKey) {
    setIsVisible(window, true);
    if (inFullScreen) {
        setLevel(window, windowLevelForKey(ScreenSaverWindowLevelKey) - 1);
    } else {
        orderFront(window);
        if (makeKey)
            focusWindow(window); // key, its first control's focus ring showing
        setLevel(window, windowLevelForKey(FloatingWindowLevelKey));
    }
    makeFirstResponder(window, mainView);
    if (editor)
        editor->setSliders();
}

void LWController::showDist(QObject *) {
    showWave(distWindow, distContro, true);
}

void LWController::showSize(QObject *) {
    showWave(sizeWindow, sizeContro, false);
}

void LWController::showTurn(QObject *) {
    showWave(turnWindow, turnContro, false);
}

void LWController::updateSettings(QObject *) {
    Defaults store = settingsStore();
    using Setter = void (LWTetravoluteView::*)(int);
    const struct {
        Switch *control;
        Setter set; // none for the delay, which the view reads at its next initScene
        Setting setting;
    } rows[] = {{axisSwitch, &LWTetravoluteView::setShowAxis, DrawAxis},
                {logoSwitch, &LWTetravoluteView::setShowLogo, DrawLogo},
                {shadeSwitch, &LWTetravoluteView::setShaded, DrawShades},
                {smoothSwitch, &LWTetravoluteView::setSmooth, DrawSmooth},
                {borderSwitch, &LWTetravoluteView::setBorder, DrawBorder},
                {delaySwitch, nullptr, Delay}};
    for (const auto &row : rows) {
        if (row.set && mainView)
            (mainView->*row.set)(intValue(row.control));
        store.setBool(intValue(row.control) != 0, key(row.setting));
    }
    setNeedsDisplay(mainView);
}

void LWController::updateGlobal(QObject *) {
    Defaults store = settingsStore();
    using Setter = void (LWTetravoluteView::*)(float);
    const struct {
        Slider *control;
        Setter set;
        Setting setting;
    } rows[] = {{turnSlider, &LWTetravoluteView::setTurn, TetraTurn},
                {yankSlider, &LWTetravoluteView::setYank, TetraYank},
                {zoomSlider, &LWTetravoluteView::setZoom, CamZoom}};
    for (const auto &row : rows) {
        if (mainView)
            (mainView->*row.set)(floatValue(row.control));
        store.setFloat(floatValue(row.control), key(row.setting));
    }
    setNeedsDisplay(mainView);
}

void LWController::updateDepth(QObject *sender) {
    Defaults store = settingsStore();
    const int low = intValue(lowDepthSlider);
    const int high = intValue(highDepthSlider);
    if (low > high) {
        if (sender == highDepthSlider)
            setIntValue(lowDepthSlider, intValue(sender));
        else
            setIntValue(highDepthSlider, intValue(lowDepthSlider));
    }
    if (mainView) {
        mainView->setLowDepth(intValue(lowDepthSlider));
        mainView->setHighDepth(intValue(highDepthSlider));
    }
    store.setInteger(intValue(lowDepthSlider), key(LowThresh));
    store.setInteger(intValue(highDepthSlider), key(HighThresh));
    setNeedsDisplay(mainView);
}

void LWController::updateWave(QObject *sender, LWSineController *editor, Record record,
                              Setting amp) {
    Defaults store = settingsStore();
    if (editor)
        editor->update(sender);
    setNeedsDisplay(mainView);
    if (!mainView)
        return;
    // The record afresh for each key; even a refused change rewrites the stored values.
    store.setFloat((mainView->*record)()->a, key(amp));
    store.setFloat((mainView->*record)()->f, key(Setting(amp + 1)));
    store.setFloat((mainView->*record)()->d, key(Setting(amp + 2)));
    store.setFloat((mainView->*record)()->p, key(Setting(amp + 3)));
}

void LWController::updateTurn(QObject *sender) {
    updateWave(sender, turnContro, &LWTetravoluteView::turn, TurnAmp);
}

void LWController::updateDist(QObject *sender) {
    updateWave(sender, distContro, &LWTetravoluteView::dist, DistAmp);
}

void LWController::updateSize(QObject *sender) {
    updateWave(sender, sizeContro, &LWTetravoluteView::size, SizeAmp);
}

void LWController::goFullScreen() {
    if (inFullScreen)
        return;
    const QRect frame = screenFrame(mainWindow);
    fullWindow = newFullScreenWindow(frame, windowLevelForKey(ScreenSaverWindowLevelKey) - 2);
    if (!fullWindow)
        return;
    fullWindow->setWindowTitle(title);
    followScreen(fullWindow);
    redirectCloseRequests(fullWindow, this, "leaveFullScreen");
    setContentView(fullWindow, mainView);
    makeFirstResponder(fullWindow, mainView);
    if (mainView) {
        mainView->setInFullScreen(true);
        mainView->resizeGL();
    }
    orderFront(fullWindow);
    // Panels over it as they stand, keeping their order; restored if minimised, before the new
    // window is made key, since a restored window takes the focus.
    setLevel(panels(), windowLevelForKey(ScreenSaverWindowLevelKey) - 1);
    for (QWidget *panel : panels()) {
        setOpaque(panel, false);
        setAlphaValue(panel, 0.8);
    }
    makeKeyWindow(fullWindow);
    inFullScreen = true;
}

void LWController::leaveFullScreen() {
    if (!inFullScreen)
        return;
    // The view leaves the full-screen window before it closes: it would take its child surfaces
    // (the view) with it.
    setContentView(mainWindow, mainView);
    if (mainView)
        mainView->setInFullScreen(false);
    setContentAspectRatio(mainWindow, screenFrame(mainWindow).size());
    if (mainView)
        mainView->resizeGL();
    setLevel(panels(), windowLevelForKey(FloatingWindowLevelKey));
    for (QWidget *panel : panels()) {
        setOpaque(panel, true);
        setAlphaValue(panel, 1.0);
    }
    // Hidden before the main window is asked for the keyboard: a window manager gives it to another
    // window when the one that has it goes, and may take the request first. Closed (so deleted) a
    // moment later: keys the X server sent it before may still wait in the queue, and reach the
    // view through it (1 s is ample).
    if (fullWindow) {
        fullWindow->hide();
        QTimer::singleShot(1000, fullWindow.data(), &QWidget::close);
    }
    makeKeyAndOrderFront(mainWindow); // restored too, if the window manager minimised it
    fullWindow = nullptr;
    inFullScreen = false;
}

QWidgetList LWController::panels() const {
    return {prefsWindow, distWindow, sizeWindow, turnWindow, aboutBox, helpBox};
}

void LWController::toggleFullScreen(QObject *) {
    if (inFullScreen)
        leaveFullScreen();
    else
        goFullScreen();
}

void LWController::generateMiniWindow() {
    // Device pixels, so the square is the frame's own on a scaled screen too.
    const double ratio = mainView ? mainView->devicePixelRatio() : 1;
    const auto W = mainView ? static_cast<unsigned>(mainView->width() * ratio) : 0u;
    const auto H = mainView ? static_cast<unsigned>(mainView->height() * ratio) : 0u;
    const unsigned side = std::min(W, H);
    if (side == 0)
        return;
    // The frame drawn again off screen: a presented buffer reads black under Mesa, and is
    // undefined where a compositor runs. Where it drew nothing is transparent.
    const QImage frame = mainView->picture(QSize(int(W), int(H)), true);
    if (frame.isNull())
        return; // the icon stays as it was
    // The centred square, its corner counted from GL's lower left; the picture stands upright.
    const int x0 = W > H ? int(W / 2 - H / 2) : 0;
    const int y0 = H > W ? int(H / 2 - W / 2) : 0;
    setMiniwindowImage(mainWindow, frame.copy(x0, int(H - side) - y0, int(side), int(side)));
}

void LWController::savePicture(QObject *) {
    if (!mainView)
        return;
    const double ratio = mainView->devicePixelRatio();
    const QSize view(int(mainView->width() * ratio), int(mainView->height() * ratio));
    QWidget *over = inFullScreen ? fullWindow.data() : mainWindow;
    // On the heap: the window it is over may go (the window manager closing the full-screen
    // window) while it is open, and take the dialog with it. Until the picture is saved or the
    // user gives up, the dialog comes back with their choices.
    QPointer<SavePictureDialog> dialog =
        new SavePictureDialog(view, screenFrame(mainWindow).size() * ratio, over);
    QString path, problem;
    bool saved = false;
    while (!saved && dialog && dialog->exec() == QDialog::Accepted && dialog) {
        path = dialog->path();
        const bool transparent = dialog->transparentBackground();
        problem = transparent ? transparencyProblem(path) : QString();
        if (problem.isEmpty() && QFileInfo::exists(path) &&
            QMessageBox::question(dialog, "Save Picture",
                                  QString("%1 already exists. Replace it?").arg(path)) !=
                QMessageBox::Yes)
            continue;
        QDir().mkpath(QFileInfo(path).absolutePath()); // the pictures folder may not exist yet
        saved =
            problem.isEmpty() &&
            writeImageFile(mainView->picture(dialog->pictureSize(), transparent), path, &problem);
        if (!saved)
            QMessageBox::warning(dialog, "Save Picture",
                                 QString("The picture was not saved: %1.").arg(problem));
        if (!saved && dialog)
            dialog->nameAgain();
    }
    delete dialog;
    if (!saved)
        return;
    // Where it went, for 5 s in the main window's title: the task bar shows it, and screen readers
    // announce the change.
    if (mainWindow) {
        mainWindow->setWindowTitle(QString("Picture saved to %1 — %2").arg(path, title));
        QTimer::singleShot(5000, mainWindow,
                           [window = mainWindow] { window->setWindowTitle(title); });
    }
}

// Sheets are never begun; a modal dialog in that role is ended.
void LWController::closeSheet(QObject *) {
    if (auto *sheet = qobject_cast<QDialog *>(prefSheet))
        sheet->done(QDialog::Rejected);
}

void LWController::gotoLW(QObject *) {
    openURL(homePage);
}

void LWController::cleanUp() {
    for (QWidget *panel : {aboutBox, helpBox, distWindow, sizeWindow, turnWindow})
        if (panel)
            panel->close();
}

void LWController::nextPanel(QObject *) {
    focusNextWindow(QApplication::activeWindow() ? QApplication::activeWindow() : mainWindow,
                    false);
}

void LWController::restoreDefaults(QObject *) {
    {
        Defaults store = settingsStore();
        for (int setting = 0; setting < SettingCount; ++setting)
            store.removeObjectForKey(key(Setting(setting)));
    }
    setControls();
    if (mainView)
        mainView->initScene();
    for (LWSineController *editor : {distContro, sizeContro, turnContro})
        if (editor)
            editor->setSliders();
    setNeedsDisplay(mainView);
}

LWSine *LWController::getFunc(QObject *editor) {
    if (editor && editor == distContro)
        return mainView ? mainView->dist() : nullptr;
    if (editor && editor == sizeContro)
        return mainView ? mainView->size() : nullptr;
    if (editor && editor == turnContro)
        return mainView ? mainView->turn() : nullptr;
    QString description;
    QDebug(&description).nospace() << this;
    logLine(QString("fell through: %1 getFunc").arg(description));
    return nullptr;
}

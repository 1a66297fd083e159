// Space pressed, to the first frame drawn in the other window: into full screen, and back into
// the main window (1440 x 900 screen area, defaults). A frame counts once the view draws while
// its native window sits in the window the mode names.
#include "AbsoluteTime.h"
#include "LWController.h"
#include "LWTetravoluteView.h"
#include "LoadedInterface.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTest>
#include <QWidget>
#include <benchmark/benchmark.h>
#include <chrono>

static const QWindow *drawingIn = nullptr; // where the view's last frame was drawn
static const LWTetravoluteView *watched = nullptr;

static double watchingClock() {
    using namespace std::chrono;
    drawingIn = watched->parent();
    return duration<double>(steady_clock::now().time_since_epoch()).count();
}

// Presses space in the window that has the view, and waits for a frame in the other one.
static bool switchAndWait(LWController *controller) {
    QWidget *from = controller->inFullScreen ? static_cast<QWidget *>(controller->fullWindow)
                                             : controller->mainWindow;
    drawingIn = nullptr;
    QTest::keyClick(from, Qt::Key_Space);
    QWidget *to = controller->inFullScreen ? static_cast<QWidget *>(controller->fullWindow)
                                           : controller->mainWindow;
    if (!to)
        return false;
    QElapsedTimer waited;
    waited.start();
    while (drawingIn != to->windowHandle() && waited.elapsed() < 2000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 1);
    return drawingIn == to->windowHandle();
}

static void fullScreenSwitch(benchmark::State &state) {
    const bool entering = state.range(0) == 1;
    const LoadedInterface interface;
    auto *controller = interface.get<LWController>("controller");
    watched = interface.get<LWTetravoluteView>("view");
    if (!QTest::qWaitForWindowExposed(controller->mainWindow)) {
        state.SkipWithError("the main window was not shown");
        return;
    }
    setAbsoluteTimeSource(watchingClock);
    for (auto _ : state) {
        if (!entering) { // into full screen first, untimed
            state.PauseTiming();
            const bool in = switchAndWait(controller);
            state.ResumeTiming();
            if (!in) {
                state.SkipWithError("no frame in full screen");
                break;
            }
        }
        if (!switchAndWait(controller)) {
            state.SkipWithError("no frame after space");
            break;
        }
        if (entering) { // back again, untimed
            state.PauseTiming();
            switchAndWait(controller);
            state.ResumeTiming();
        }
    }
    setAbsoluteTimeSource(nullptr);
    state.SetLabel(entering ? "space to a frame in full screen" : "space to a frame in the window");
}
BENCHMARK(fullScreenSwitch)->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond)->UseRealTime();

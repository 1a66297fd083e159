// The window icon made from the frame (generateMiniWindow) with the view at 1440 x 900: the
// frame drawn again without a step, the 900 x 900 square read back twice (colour, depth), the
// background cleared and the icon set.
#include "LWController.h"
#include "LWTetravoluteView.h"
#include "LoadedInterface.h"
#include "WindowContent.h"

#include <QApplication>
#include <QTest>
#include <QWidget>
#include <benchmark/benchmark.h>

static void snapshot(benchmark::State &state) {
    const LoadedInterface interface;
    auto *main = interface.get<QWidget>("mainWindow");
    auto *controller = interface.get<LWController>("controller");
    auto *view = interface.get<LWTetravoluteView>("view");
    setContentAspectRatio(main, QSizeF());
    main->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    setContentSize(main, QSize(1440, 900));
    if (!QTest::qWaitFor([&] { return view->width() == 1440 && view->height() == 900; })) {
        state.SkipWithError("the view never reached 1440 x 900");
        return;
    }
    for (auto _ : state)
        controller->generateMiniWindow();
    state.SetLabel(QString("%1 x %2 view").arg(view->width()).arg(view->height()).toStdString());
}
BENCHMARK(snapshot)->Unit(benchmark::kMillisecond)->UseRealTime();

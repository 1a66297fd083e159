// One whole frame (drawRect: step, compile, draw, present) of the scene view on a 1440 x 900
// screen, at default settings, with outlines and with the smoothing pass.
#include "LWTetravoluteView.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <benchmark/benchmark.h>

class BenchView : public LWTetravoluteView {
public:
    using LWTetravoluteView::drawBorder;
    using LWTetravoluteView::drawRect;
    using LWTetravoluteView::drawSmooth;
    using LWTetravoluteView::screenSize;
    using LWTetravoluteView::waitDelay;
};

enum Variant { Defaults, Outlines, Smoothing };

static void frame(benchmark::State &state) {
    QTemporaryDir settings; // the defaults, whatever the user's own settings are
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(settings.path()));
    BenchView view;
    view.resize(int(state.range(0)), int(state.range(1)));
    view.show();
    if (!QTest::qWaitForWindowExposed(&view)) {
        state.SkipWithError("the view was never exposed");
        return;
    }
    view.awakeFromNib();
    view.screenSize = QSizeF(1440, 900);
    view.resizeGL();
    view.waitDelay = false; // spinning from the first frame
    view.drawBorder = state.range(2) == Outlines;
    view.drawSmooth = state.range(2) == Smoothing;
    const QRectF bounds = view.bounds();
    for (auto _ : state)
        view.drawRect(bounds);
    const char *labels[] = {"defaults", "outlines", "smoothing pass"};
    state.SetLabel(labels[state.range(2)]);
}
BENCHMARK(frame)
    ->Args({720, 450, Defaults})
    ->Args({1440, 900, Defaults})
    ->Args({1440, 900, Outlines})
    ->Args({1440, 900, Smoothing})
    ->Unit(benchmark::kMillisecond);

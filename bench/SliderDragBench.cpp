// A slider dragged without pause while the redraw clock runs: 100 actions a second for 5 s on
// the real settings panel (each one writes its group to the store), with the main window at
// 1440 x 900. Reports the frames per second and the longest gap between frames.
#include "AbsoluteTime.h"
#include "Controls.h"
#include "LWController.h"
#include "LoadedInterface.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTest>
#include <QTimer>
#include <QWidget>
#include <benchmark/benchmark.h>
#include <chrono>
#include <vector>

// Each animation step reads the clock twice in a row: every second reading starts a frame.
static std::vector<double> readings;

static double recordingClock() {
    using namespace std::chrono;
    const double now = duration<double>(steady_clock::now().time_since_epoch()).count();
    readings.push_back(now);
    return now;
}

static void sliderDrag(benchmark::State &state) {
    const LoadedInterface interface;
    auto *main = interface.get<QWidget>("mainWindow");
    main->resize(1440, 900);
    interface.get<LWController>("controller")->showPrefs(nullptr);
    auto *slider = interface.get<Slider>("zoomSlider");
    if (!QTest::qWaitForWindowExposed(main))
        state.SkipWithError("the main window was not shown");
    int actions = 0;
    for (auto _ : state) {
        readings.clear();
        setAbsoluteTimeSource(recordingClock);
        QTimer drag;
        drag.setTimerType(Qt::PreciseTimer);
        QObject::connect(&drag, &QTimer::timeout, [&] { // to and fro over ten steps
            slider->setValue(20 + std::abs(actions++ % 20 - 10));
        });
        drag.start(10);
        QElapsedTimer clock;
        clock.start();
        while (clock.elapsed() < 5000)
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
        drag.stop();
        setAbsoluteTimeSource(nullptr);
    }
    double longest = 0;
    for (std::size_t i = 2; i + 1 < readings.size(); i += 2)
        longest = std::max(longest, readings[i] - readings[i - 2]);
    const double span = readings.size() > 2 ? readings[readings.size() - 2] - readings[0] : 1;
    state.counters["fps"] = (readings.size() / 2 - 1) / span;
    state.counters["longest_gap_ms"] = longest * 1000;
    state.counters["actions_per_s"] = actions / 5.0;
}
BENCHMARK(sliderDrag)->Iterations(1)->Unit(benchmark::kSecond)->UseRealTime();

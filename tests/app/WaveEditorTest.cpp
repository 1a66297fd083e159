// The wave editors: the range rule at its inclusive limits, what a wrongly wired slider may
// change, the plot of the live record, and the controller's record lookup.
#include "InterfaceFixture.h"

#include "LWSineView.h"

#include <QImage>
#include <QRegularExpression>

// A user's move of a slider: setValue sends the action, as a drag does. Steps of 0.001 for the
// amplitude (0..1) and delta (-1..1), 0.01 for the frequency (0..10) and phase (0..2).
static void move(Slider *slider, double value, double low, double step) {
    slider->setValue(int(std::lround((value - low) / step)));
}

TEST_F(InterfaceTest, RangeRuleKeepsTheWaveWithinPlusMinusOne) {
    load();
    controller->showDist(nullptr);
    Slider *amp = get<Slider>("distAmpSlider"), *delta = get<Slider>("distDeltaSlider");
    const LWSine *wave = view()->dist();
    move(delta, 0.5, -1, 0.001); // a + d = 0.882
    move(amp, 0.5, 0, 0.001);    // a + d = 1.0 exactly: accepted
    EXPECT_EQ(std::make_tuple(wave->a, wave->d), std::make_tuple(0.5f, 0.5f));
    move(amp, 0.501, 0, 0.001); // one step beyond: refused, the slider snaps back
    EXPECT_EQ(std::make_tuple(wave->a, amp->floatValue()), std::make_tuple(0.5f, 0.5f));
    EXPECT_EQ(stored("dist_amp"), "0.5"); // the unchanged values are written again
    EXPECT_EQ(stored("dist_delta"), "0.5");

    move(amp, 0.25, 0, 0.001);
    move(delta, -0.75, -1, 0.001); // d - a = -1.0 exactly: accepted
    EXPECT_EQ(wave->d, -0.75f);
    move(delta, -0.751, -1, 0.001);
    EXPECT_EQ(std::make_tuple(wave->d, delta->floatValue()), std::make_tuple(-0.75f, -0.75f));

    move(get<Slider>("distFreqSlider"), 10, 0, 0.01); // no limit but the slider's own
    move(get<Slider>("distPhaseSlider"), 2, 0, 0.01);
    EXPECT_EQ(std::make_tuple(wave->f, wave->p), std::make_tuple(10.0f, 2.0f));
    EXPECT_EQ(storedLines(),
              (QStringList{"dist_amp=0.25", "dist_delta=-0.75", "dist_freq=10", "dist_phase=2"}));
}

// A size slider wired to the distance action matches none of the distance editor's sliders.
TEST_F(InterfaceTest, WronglyWiredSliderChangesOnlyThatWavesKeys) {
    load();
    Slider *sizeAmp = get<Slider>("sizeAmpSlider");
    sizeAmp->setFloatValue(0.7f);
    const LWSine dist = *view()->dist(), size = *view()->size();
    controller->updateDist(sizeAmp);
    EXPECT_EQ(std::make_tuple(view()->dist()->a, view()->size()->a),
              std::make_tuple(dist.a, size.a));
    EXPECT_EQ(storedLines(),
              (QStringList{"dist_amp=0.382", "dist_delta=-0.59", "dist_freq=4.5", "dist_phase=0"}));
}

// The plot, rendered into an image (top row first): one period across the whole width, +1 at
// the top, -1 at the bottom; a flat wave is a line at (d + 1) / 2 of the height.
TEST_F(InterfaceTest, PlotShowsTheLiveRecordOverOnePeriod) {
    load();
    LWSineView *plot = get<LWSineView>("distPlot");
    plot->setParent(nullptr); // out of the panel's layout, to a size of our own
    plot->setMinimumSize(0, 0);
    plot->resize(256, 101);
    const auto darkestRow = [plot](int column) {
        QImage image(plot->size(), QImage::Format_RGB32);
        image.fill(Qt::white);
        plot->render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
        int darkest = -1;
        for (int y = 0; y < image.height(); ++y)
            if (darkest < 0 || qGray(image.pixel(column, y)) < qGray(image.pixel(column, darkest)))
                darkest = y;
        return qGray(image.pixel(column, darkest)) < 200 ? darkest : -1;
    };
    *view()->dist() = {0, 0, 0.5f, 0}; // f, a, d, p: flat at 75.75 of 101 from the bottom
    for (int column : {0, 128, 255})
        EXPECT_EQ(darkestRow(column), 25) << column;
    *view()->dist() = {1, 1, 0, 0}; // sin t: the top a quarter across, the bottom three
    EXPECT_EQ(darkestRow(64), 0);
    EXPECT_EQ(darkestRow(192), 100);
}

TEST_F(InterfaceTest, RecordsGoToTheirEditorsOnly) {
    load();
    LWSineController *size = get<LWSineController>("sizeContro");
    EXPECT_EQ(size->getFunc(controller), view()->size()); // the editor is the key
    EXPECT_EQ(controller->getFunc(get<LWSineController>("turnContro")), view()->turn());
    LWSineController stranger;
    LWSine *record = view()->dist();
    const QString log = capturedLog([&] { record = controller->getFunc(&stranger); });
    EXPECT_EQ(record, nullptr);
    EXPECT_TRUE(log.contains(QRegularExpression(
        R"(fell through: LWController\(0x[0-9a-f]+, name = "controller"\) getFunc\n$)")))
        << log.toStdString();
}

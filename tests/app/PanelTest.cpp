// The settings panel and the wave editors, driven as a user drives them: clicks and keys on their
// real controls. Each row says what the control shows from the store, what it sends to the view
// and what it writes; expectations come from the settings table's defaults and steps.
#include "InterfaceFixture.h"

#include "Keyboard.h"
#include "LWSineView.h"
#include "Windows.h"

#include <QDesktopServices>
#include <QRegularExpression>
#include <QTest>
#include <functional>

namespace {

QString written(double value) {
    return QString::number(value);
}

const char *const waveNames[] = {"dist", "size", "turn"};
const char *const waveSliders[] = {"Amp", "Freq", "Delta", "Phase"}; // the table's order

// The control that shows a setting; none for the camera's orientation, which the mouse sets.
QString controlOf(Setting setting) {
    static const std::pair<Setting, const char *> panel[] = {
        {DrawShades, "shadeSwitch"}, {DrawBorder, "borderSwitch"},  {DrawSmooth, "smoothSwitch"},
        {DrawAxis, "axisSwitch"},    {DrawLogo, "logoSwitch"},      {Delay, "delaySwitch"},
        {CamZoom, "zoomSlider"},     {LowThresh, "lowDepthSlider"}, {HighThresh, "highDepthSlider"},
        {TetraTurn, "turnSlider"},   {TetraYank, "yankSlider"}};
    for (const auto &[known, name] : panel)
        if (known == setting)
            return name;
    if (setting < DistAmp)
        return {};
    return QString(waveNames[(setting - DistAmp) / 4]) + waveSliders[(setting - DistAmp) % 4] +
           "Slider";
}

} // namespace

// Every switch shows its stored value, and a click turns it over in the view and the store; the
// delay reaches the store only, for the next start; a mixed switch counts as on.
TEST_F(InterfaceTest, EverySwitchShowsSendsAndWritesItsSetting) {
    load("drawShades=NO\ndrawAxis=YES\n");
    const ViewState v = state();
    const struct {
        const char *name;
        Setting setting;
        bool *field; // none for the delay
    } rows[] = {
        {"shadeSwitch", DrawShades, &v.lightScene},  {"borderSwitch", DrawBorder, &v.drawBorder},
        {"smoothSwitch", DrawSmooth, &v.drawSmooth}, {"axisSwitch", DrawAxis, &v.showAxis},
        {"logoSwitch", DrawLogo, &v.showLogo},       {"delaySwitch", Delay, nullptr}};
    controller->showPrefs(nullptr);
    for (const auto &row : rows) {
        Switch *box = get<Switch>(row.name);
        // The file's two, the other defaults
        const bool before = row.setting == DrawShades ? false
                            : row.setting == DrawAxis ? true
                                                      : bool(settingsTable[row.setting].value);
        EXPECT_EQ(box->intValue(), int(before)) << row.name;
        QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(6, box->height() / 2));
        EXPECT_EQ(stored(key(row.setting)), before ? "NO" : "YES") << row.name;
        if (row.field) {
            EXPECT_EQ(*row.field, !before) << row.name;
        }
    }
    EXPECT_TRUE(v.waitDelay); // read at the start, kept until the next
    get<Switch>("smoothSwitch")->setIntValue(-1);
    controller->updateSettings(get<Switch>("axisSwitch")); // any switch re-reads all six
    EXPECT_TRUE(v.drawSmooth);
    EXPECT_EQ(stored("drawSmooth"), "YES");
}

// Every slider shows its stored value; a step from the keyboard reaches its view field and its
// key, and the whole group is written. The depths stay ordered: the moved one keeps its value.
TEST_F(InterfaceTest, EverySliderShowsSendsAndWritesItsSetting) {
    load("cam_zoom=3\n");
    const ViewState v = state();
    const struct {
        const char *name;
        Setting setting;
        std::function<double()> field;
    } rows[] = {{"lowDepthSlider", LowThresh, [&] { return v.low; }},
                {"highDepthSlider", HighThresh, [&] { return v.high; }},
                {"turnSlider", TetraTurn, [&] { return v.bubble; }},
                {"yankSlider", TetraYank, [&] { return v.bobble; }},
                {"zoomSlider", CamZoom, [&] { return v.cam.zoom; }}};
    controller->showPrefs(nullptr);
    for (const auto &row : rows) {
        const SettingEntry &entry = settingsTable[row.setting];
        const double before = row.setting == CamZoom ? 3 : entry.value;
        const double after = before + (entry.max - entry.min) / entry.steps;
        Slider *slider = get<Slider>(row.name);
        EXPECT_FLOAT_EQ(slider->floatValue(), before) << row.name;
        slider->setFocus();
        QTest::keyClick(slider, Qt::Key_Right);
        EXPECT_FLOAT_EQ(row.field(), after) << row.name;
        EXPECT_EQ(stored(key(row.setting)), written(float(after))) << row.name;
    }
    EXPECT_EQ(storedLines().size(), 5); // each step wrote its whole group

    Slider *low = get<Slider>("lowDepthSlider"), *high = get<Slider>("highDepthSlider");
    QTest::keyClick(high, Qt::Key_Home); // high to 0: low follows it down
    EXPECT_EQ(std::make_tuple(low->intValue(), v.low, v.high), std::make_tuple(0, 0u, 0u));
    QTest::keyClick(low, Qt::Key_End); // low to 4: high follows it up
    EXPECT_EQ(std::make_tuple(high->intValue(), stored("lowThresh"), stored("highThresh")),
              std::make_tuple(4, QString("4"), QString("4")));
}

// Restore Defaults after every one of the 26 settings was changed: the file holds no key, every
// control shows its default and so does the view, and a restart reads the same.
TEST_F(InterfaceTest, RestoreDefaultsPutsBackAll26Settings) {
    QByteArray file;
    for (int setting = 0; setting < SettingCount; ++setting) {
        const SettingEntry &entry = settingsTable[setting];
        file += QByteArray(entry.key) + "=" +
                (entry.kind == SettingEntry::Bool ? QByteArray(entry.value ? "NO" : "YES")
                                                  : QByteArray::number(entry.max)) +
                "\n";
    }
    load(file);
    for (const char *show : {"showPrefs", "showDist", "showSize", "showTurn"})
        QMetaObject::invokeMethod(controller, show, Q_ARG(QObject *, nullptr));
    QTest::mouseClick(get<QWidget>("restoreButton"), Qt::LeftButton);
    EXPECT_EQ(storedLines(), QStringList());
    for (int setting = 0; setting < SettingCount; ++setting) {
        const QString control = controlOf(Setting(setting));
        if (!control.isEmpty()) {
            EXPECT_FLOAT_EQ(floatValue(get<QObject>(control)), float(settingsTable[setting].value))
                << settingsTable[setting].key;
        }
    }
    const ViewState v = state();
    EXPECT_EQ(std::make_tuple(v.cam.o.x, v.cam.o.y, v.cam.o.z, v.cam.zoom, v.low, v.showLogo),
              std::make_tuple(0.0f, -54.735f, 120.0f, 2.0f, 1u, true));
    EXPECT_EQ(std::make_tuple(view()->dist()->a, view()->size()->d, view()->turn()->a),
              std::make_tuple(0.382f, -0.12f, 0.05f));
}

// Each wave's show action and each of its sliders: the panel shows the record, floats above the
// main window and passes keys to the view; a step of a slider changes its field of that record
// and writes the wave's four keys; amplitude and delta stop at the inclusive range rule.
TEST_F(InterfaceTest, EachWaveEditorShowsAndChangesItsOwnRecord) {
    load("size_amp=0.5\nsize_delta=0.5\nturn_amp=0.25\nturn_delta=-0.75\n");
    // A step up of the amplitude or delta is refused where it takes d + a above 1 (size sits at
    // 1) or d - a below -1 (turn sits at -1); the distance wave's defaults leave room.
    const struct {
        const char *show;
        Setting amp;
        LWSine *record;
        QString refused; // the sliders whose step is refused
    } waves[] = {{"showDist", DistAmp, view()->dist(), ""},
                 {"showSize", SizeAmp, view()->size(), "AmpDelta"},
                 {"showTurn", TurnAmp, view()->turn(), "Amp"}};
    float LWSine::*const fields[] = {&LWSine::a, &LWSine::f, &LWSine::d, &LWSine::p};
    for (const auto &w : waves) {
        const QString wave = waveNames[(w.amp - DistAmp) / 4];
        QMetaObject::invokeMethod(controller, w.show, Q_ARG(QObject *, nullptr));
        QWidget *panel = get<QWidget>(wave + "Window");
        EXPECT_TRUE(panel->isVisible() && windowLevel(panel) == 3 &&
                    firstResponder(panel) == view())
            << qPrintable(wave);
        for (int i = 0; i < 4; ++i) {
            const SettingEntry &entry = settingsTable[w.amp + i];
            Slider *slider = get<Slider>(controlOf(Setting(w.amp + i)));
            const float before = w.record->*fields[i];
            EXPECT_FLOAT_EQ(slider->floatValue(), before) << entry.key;
            slider->setValue(slider->value() + 1); // one step, as a drag sends it
            const float after = w.refused.contains(waveSliders[i])
                                    ? before
                                    : float(before + (entry.max - entry.min) / entry.steps);
            EXPECT_FLOAT_EQ(w.record->*fields[i], after) << entry.key;
            EXPECT_FLOAT_EQ(slider->floatValue(), after) << entry.key;
        }
        for (int i = 0; i < 4; ++i) // all four, even after a refusal
            EXPECT_EQ(stored(key(Setting(w.amp + i))), written(w.record->*fields[i]))
                << settingsTable[w.amp + i].key;
    }
}

// A slider wired to another wave's action matches none of that editor's sliders: it changes no
// record, and only that wave's keys are written again.
TEST_F(InterfaceTest, AWronglyWiredSliderChangesNoRecord) {
    load();
    Slider *sizeAmp = get<Slider>("sizeAmpSlider");
    sizeAmp->setFloatValue(0.7f);
    controller->updateDist(sizeAmp);
    EXPECT_EQ(std::make_tuple(view()->dist()->a, view()->size()->a), std::make_tuple(0.382f, 0.2f));
    EXPECT_EQ(storedLines(),
              (QStringList{"dist_amp=0.382", "dist_delta=-0.59", "dist_freq=4.5", "dist_phase=0"}));
    LWSineController stranger;
    QString log = capturedLog([&] { EXPECT_EQ(controller->getFunc(&stranger), nullptr); });
    EXPECT_TRUE(log.contains(QRegularExpression(
        R"(fell through: LWController\(0x[0-9a-f]+, name = "controller"\) getFunc\n$)")))
        << qPrintable(log);
}

// The plot, rendered into an image (top row first): one period across the whole width, +1 at
// the top, -1 at the bottom; a flat wave is a line at (d + 1) / 2 of the height.
TEST_F(InterfaceTest, PlotShowsTheLiveRecordOverOnePeriod) {
    load();
    LWSineView *plot = get<LWSineView>("turnPlot");
    plot->setParent(nullptr); // out of the panel's layout, to a size of our own
    plot->setMinimumSize(0, 0);
    plot->resize(256, 101);
    const auto darkestRow = [plot](int column) {
        QImage image(plot->size(), QImage::Format_RGB32);
        image.fill(Qt::white);
        plot->render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
        int darkest = 0;
        for (int y = 0; y < image.height(); ++y)
            if (qGray(image.pixel(column, y)) < qGray(image.pixel(column, darkest)))
                darkest = y;
        return qGray(image.pixel(column, darkest)) < 200 ? darkest : -1;
    };
    *view()->turn() = {0, 0, 0.5f, 0}; // f, a, d, p: flat at 75.75 of 101 from the bottom
    for (int column : {0, 128, 255})
        EXPECT_EQ(darkestRow(column), 25) << column;
    *view()->turn() = {1, 1, 0, 0}; // sin t: the top a quarter across, the bottom three
    EXPECT_EQ(std::make_tuple(darkestRow(64), darkestRow(192)), std::make_tuple(0, 100));
}

// The commands, through their application-wide shortcuts from any window; Close Panels closes
// exactly the about, help and wave panels; the home page goes to the desktop from both places.
class UrlCatcher : public QObject {
    Q_OBJECT
public slots:
    void open(const QUrl &url) { opened.append(url); }

public:
    QList<QUrl> opened;
};

TEST_F(InterfaceTest, CommandsShowAndClosePanels) {
    load();
    QWidget *main = get<QWidget>("mainWindow");
    QTest::keyClick(main, Qt::Key_Comma, Qt::ControlModifier);
    QTest::keyClick(get<QWidget>("prefsWindow"), Qt::Key_2, Qt::ControlModifier); // from a panel
    for (const Qt::Key key : {Qt::Key_1, Qt::Key_3})
        QTest::keyClick(main, key, Qt::ControlModifier);
    QTest::keyClick(main, Qt::Key_F1);
    get<QAction>("actionAbout")->trigger();
    const char *closed[] = {"aboutBox", "helpBox", "distWindow", "sizeWindow", "turnWindow"};
    for (const char *panel : closed)
        EXPECT_TRUE(get<QWidget>(panel)->isVisible()) << panel;
    get<QAction>("actionClosePanels")->trigger();
    for (const char *panel : closed)
        EXPECT_FALSE(get<QWidget>(panel)->isVisible()) << panel;
    EXPECT_TRUE(get<QWidget>("prefsWindow")->isVisible() && main->isVisible());

    UrlCatcher catcher;
    QDesktopServices::setUrlHandler("https", &catcher, "open");
    get<QAction>("actionHomePage")->trigger();
    QTest::mouseClick(get<QWidget>("aboutHome"), Qt::LeftButton);
    QDesktopServices::unsetUrlHandler("https");
    EXPECT_EQ(catcher.opened, QList<QUrl>(2, QUrl("https://www.tetravolute.org/")));
}

// Every action of a controller whose outlets were all left unconnected does nothing, safely.
TEST(BareController, ToleratesUnconnectedOutlets) {
    LWController bare;
    LWSineController editor;
    bare.awakeFromNib();
    for (const char *action :
         {"showPrefs", "showDist", "showSize", "showTurn", "updateSettings", "updateGlobal",
          "updateDepth", "updateTurn", "updateDist", "updateSize", "closeSheet", "restoreDefaults",
          "savePicture", "toggleFullScreen"})
        EXPECT_TRUE(QMetaObject::invokeMethod(&bare, action, Q_ARG(QObject *, &editor))) << action;
    bare.cleanUp();
    bare.generateMiniWindow();
    editor.update(nullptr);
    editor.setSliders();
    EXPECT_EQ(editor.getFunc(nullptr), nullptr);
}

#include "PanelTest.moc"

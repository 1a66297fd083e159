// Loads the interface, and takes all its windows and objects down again after each test.
#include "InterfaceFixture.h"

#include "Interface.h"

#include <QApplication>
#include <QFile>
#include <QWidget>

int InterfaceTest::clockReads = 0;

void InterfaceTest::SetUp() {
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(folder.path()));
    setAbsoluteTimeSource([] {
        ++clockReads;
        return 1000.0;
    });
}

void InterfaceTest::TearDown() {
    setAbsoluteTimeSource(nullptr);
    for (QObject *object : named)
        if (object && object->parent() == QCoreApplication::instance())
            delete object;
    QWidgetList windows; // menus and other owned windows go with their owners
    for (QWidget *window : QApplication::topLevelWidgets())
        if (!window->parentWidget())
            windows.append(window);
    qDeleteAll(windows);
}

void InterfaceTest::load(const QByteArray &settings) {
    if (!settings.isEmpty()) {
        QFile file(settingsStore().fileName());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("[General]\n" + settings);
    }
    named = loadInterface();
    controller = get<LWController>("controller");
    QWidget *main = get("mainWindow");
    ASSERT_TRUE(controller && QTest::qWaitForWindowExposed(main));
    main->activateWindow(); // shortcuts need an active window
    ASSERT_TRUE(QTest::qWaitForWindowActive(main));
}

// The loaded view is a plain LWTetravoluteView: its fields are reached through member pointers,
// never a cast to a subclass.
struct Open : LWTetravoluteView {
    using LWTetravoluteView::bobble, LWTetravoluteView::bubble, LWTetravoluteView::cam,
        LWTetravoluteView::drawBorder, LWTetravoluteView::drawSmooth,
        LWTetravoluteView::inFullScreen, LWTetravoluteView::high, LWTetravoluteView::lightScene,
        LWTetravoluteView::low, LWTetravoluteView::showAxis, LWTetravoluteView::showLogo,
        LWTetravoluteView::waitDelay;
};

double InterfaceTest::field(Setting setting) const {
    LWTetravoluteView &v = *view();
    if (setting >= DistAmp) {
        const LWSine &w = *std::array{v.dist(), v.size(), v.turn()}[(setting - DistAmp) / 4];
        return std::array{w.a, w.f, w.d, w.p}[(setting - DistAmp) % 4]; // the table's order
    }
    const LWCam &cam = v.*&Open::cam;
    const double fields[] = {v.*&Open::lightScene,
                             v.*&Open::drawBorder,
                             v.*&Open::drawSmooth,
                             v.*&Open::showAxis,
                             v.*&Open::showLogo,
                             v.*&Open::waitDelay,
                             cam.o.x,
                             cam.o.y,
                             cam.o.z,
                             cam.zoom,
                             double(v.*&Open::low),
                             double(v.*&Open::high),
                             v.*&Open::bubble,
                             v.*&Open::bobble};
    return fields[setting];
}

bool InterfaceTest::viewInFullScreen() const {
    return view()->*&Open::inFullScreen;
}

const std::vector<Control> &InterfaceTest::controls() {
    static const std::vector<Control> all = [] {
        std::vector<Control> rows = {{"shadeSwitch", DrawShades, "Shaded faces"},
                                     {"borderSwitch", DrawBorder, "Outlines"},
                                     {"smoothSwitch", DrawSmooth, "Smoothing pass"},
                                     {"axisSwitch", DrawAxis, "Axes"},
                                     {"logoSwitch", DrawLogo, "Logo in full screen"},
                                     {"delaySwitch", Delay, "Hold still for 30 s at start"},
                                     {"lowDepthSlider", LowThresh, "Lowest depth"},
                                     {"highDepthSlider", HighThresh, "Highest depth"},
                                     {"turnSlider", TetraTurn, "Spin (° a frame)"},
                                     {"yankSlider", TetraYank, "Rock (°)"},
                                     {"zoomSlider", CamZoom, "Zoom"}};
        const char *const sliders[][2] = {{"Amp", "Amplitude"},
                                          {"Freq", "Frequency"},
                                          {"Delta", "Delta"},
                                          {"Phase", "Phase (× π)"}};
        for (int i = 0; i < 12; ++i)
            rows.push_back({QString("%1%2Slider")
                                .arg(QStringList{"dist", "size", "turn"}[i / 4], sliders[i % 4][0]),
                            Setting(DistAmp + i), sliders[i % 4][1]});
        return rows;
    }();
    return all;
}

void InterfaceTest::showAllPanels() {
    for (const char *show : {"showPrefs", "showDist", "showSize", "showTurn"})
        QMetaObject::invokeMethod(controller, show, Q_ARG(QObject *, nullptr));
}

bool InterfaceTest::becomesActive(QWidget *window) {
    return QTest::qWaitFor([window] { return QApplication::activeWindow() == window; });
}

QStringList InterfaceTest::storedLines() const {
    QFile file(settingsStore().fileName());
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QStringList lines = QString::fromLatin1(file.readAll()).split('\n', Qt::SkipEmptyParts);
    lines.removeAll("[General]");
    return lines;
}

QString InterfaceTest::stored(const QString &key) const {
    for (const QString &line : storedLines())
        if (line.section('=', 0, 0) == key)
            return line.section('=', 1);
    return {};
}

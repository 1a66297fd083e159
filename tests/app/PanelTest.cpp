// The settings panel, driven as a user drives it: clicks, keys and the wheel on its real
// controls. Expectations are the settings' keys and the view fields they feed.
#include "InterfaceFixture.h"

#include "Keyboard.h"
#include "Windows.h"

#include <QDesktopServices>
#include <QTest>
#include <QWheelEvent>

// Each switch reaches its own view field and key; a mixed switch counts as on; the delay only
// reaches the store, for the next start.
TEST_F(InterfaceTest, SwitchesReachTheViewAndTheStore) {
    load();
    QTest::keyClick(get<QWidget>("mainWindow"), Qt::Key_Comma, Qt::ControlModifier);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(get<QWidget>("prefsWindow")));
    const ViewState v = state();
    const struct {
        const char *name, *key;
        bool *field;
    } rows[] = {{"axisSwitch", "drawAxis", &v.showAxis},
                {"logoSwitch", "drawLogo", &v.showLogo},
                {"shadeSwitch", "drawShades", &v.lightScene},
                {"smoothSwitch", "drawSmooth", &v.drawSmooth},
                {"borderSwitch", "drawBorder", &v.drawBorder}};
    const auto click = [this](const char *name) { // on the box, left of the text
        Switch *box = get<Switch>(name);
        QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(6, box->height() / 2));
    };
    for (const auto &row : rows) {
        const bool before = *row.field;
        click(row.name);
        EXPECT_EQ(*row.field, !before) << row.name;
        EXPECT_EQ(stored(row.key), before ? "NO" : "YES") << row.name;
    }
    click("delaySwitch");
    EXPECT_EQ(stored("delay"), "NO");
    EXPECT_TRUE(v.waitDelay);

    get<Switch>("smoothSwitch")->setIntValue(-1);
    controller->updateSettings(get<Switch>("axisSwitch")); // any switch re-reads all six
    EXPECT_TRUE(v.drawSmooth);
    EXPECT_EQ(stored("drawSmooth"), "YES");
    EXPECT_EQ(storedLines().size(), 6);
}

// Keys, the wheel and a drag's steps each send the action; depths stay ordered both ways.
TEST_F(InterfaceTest, SlidersReachTheViewAndTheStoreAndDepthsStayOrdered) {
    load();
    controller->showPrefs(nullptr);
    Slider *zoom = get<Slider>("zoomSlider");
    zoom->setFocus();
    QTest::keyClick(zoom, Qt::Key_Right); // one step of 0.05
    EXPECT_EQ(state().cam.zoom, 2.05f);
    EXPECT_EQ(stored("cam_zoom"), "2.05");
    EXPECT_EQ(stored("tetraTurn"), "0.1"); // the group is written whole
    EXPECT_EQ(stored("tetraYank"), "0.1");
    QWheelEvent wheel(QPointF(5, 5), zoom->mapToGlobal(QPointF(5, 5)), {}, QPoint(0, 120),
                      Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(zoom, &wheel);
    EXPECT_NE(state().cam.zoom, 2.05f);
    EXPECT_EQ(stored("cam_zoom"), QString::number(state().cam.zoom));

    Slider *low = get<Slider>("lowDepthSlider"), *high = get<Slider>("highDepthSlider");
    high->setFocus();
    QTest::keyClick(high, Qt::Key_Home); // high to 0: low follows it down
    EXPECT_EQ(std::make_tuple(low->intValue(), high->intValue()), std::make_tuple(0, 0));
    EXPECT_EQ(std::make_tuple(state().low, state().high), std::make_tuple(0u, 0u));
    low->setFocus();
    QTest::keyClick(low, Qt::Key_End); // low to 4: high follows it up
    EXPECT_EQ(std::make_tuple(low->intValue(), high->intValue()), std::make_tuple(4, 4));
    EXPECT_EQ(std::make_tuple(stored("lowThresh"), stored("highThresh")),
              std::make_tuple(QString("4"), QString("4")));
    high->setIntValue(2); // not sent: equal values pass, and a stranger raises high
    controller->updateDepth(zoom);
    EXPECT_EQ(std::make_tuple(state().low, state().high), std::make_tuple(4u, 4u));
}

// Values no control could have written read as the nearer end of the range, on the panel and in
// the view, and stay in the file until the user moves the control.
TEST_F(InterfaceTest, OutOfRangeValuesReadAsRangeEndsWithoutRewriting) {
    load("cam_zoom=1e30\ntetraTurn=-7\nhighThresh=12\n");
    controller->showPrefs(nullptr);
    EXPECT_EQ(state().cam.zoom, 4.0f);
    EXPECT_EQ(get<Slider>("zoomSlider")->floatValue(), 4.0f);
    EXPECT_EQ(get<Slider>("turnSlider")->floatValue(), -2.0f);
    EXPECT_EQ(get<Slider>("highDepthSlider")->intValue(), 4);
    EXPECT_EQ(stored("cam_zoom"), "1e30");
}

// Restore Defaults, after changes on the panel, in an editor and by a drag: the file holds no
// key, and panel, editors, view and camera show the defaults; so does a restart.
TEST_F(InterfaceTest, RestoreDefaultsResetsStorePanelEditorsAndCamera) {
    load("drawBorder=YES\nlowThresh=0\ncam_zoom=3\ncam_orientation_x=33\ndist_amp=0.1\n");
    controller->showPrefs(nullptr);
    controller->showDist(nullptr);
    get<Slider>("distFreqSlider")->setValue(100); // 1.0, as a drag sends it
    ASSERT_EQ(view()->dist()->f, 1.0f);
    QTest::mouseClick(get<QWidget>("restoreButton"), Qt::LeftButton);
    EXPECT_EQ(storedLines(), QStringList());
    EXPECT_EQ(get<Switch>("borderSwitch")->intValue(), 0);
    EXPECT_EQ(get<Slider>("lowDepthSlider")->intValue(), 1);
    EXPECT_EQ(get<Slider>("zoomSlider")->floatValue(), 2.0f);
    EXPECT_EQ(get<Slider>("distAmpSlider")->floatValue(), 0.382f);
    EXPECT_EQ(get<Slider>("distFreqSlider")->floatValue(), 4.5f);
    EXPECT_FALSE(state().drawBorder);
    EXPECT_EQ(std::make_tuple(state().cam.o.x, state().cam.zoom, view()->dist()->a),
              std::make_tuple(0.0f, 2.0f, 0.382f));

    TearDown(); // a restart reads the same
    SetUp();
    load();
    EXPECT_EQ(std::make_tuple(state().low, state().cam.zoom, view()->dist()->a),
              std::make_tuple(1u, 2.0f, 0.382f));
}

// The commands reach their panels through the application-wide shortcuts, from any window;
// Close Panels leaves the settings panel; the home page goes to the desktop.
class UrlCatcher : public QObject {
    Q_OBJECT
public slots:
    void open(const QUrl &url) { opened.append(url); }

public:
    QList<QUrl> opened;
};

TEST_F(InterfaceTest, CommandsShowAndClosePanels) {
    load();
    QWidget *main = get<QWidget>("mainWindow"), *prefs = get<QWidget>("prefsWindow");
    QTest::keyClick(main, Qt::Key_Comma, Qt::ControlModifier);
    EXPECT_TRUE(prefs->isVisible());
    EXPECT_EQ(windowLevel(prefs), 3); // floating
    EXPECT_EQ(firstResponder(prefs), view());
    QTest::keyClick(prefs, Qt::Key_2, Qt::ControlModifier); // from the panel
    QTest::keyClick(main, Qt::Key_F1);
    for (const char *panel : {"sizeWindow", "helpBox"})
        EXPECT_TRUE(get<QWidget>(panel)->isVisible()) << panel;
    EXPECT_EQ(get<Slider>("sizeDeltaSlider")->floatValue(), -0.12f);
    QTest::keyClick(main, Qt::Key_1, Qt::ControlModifier);
    QTest::keyClick(main, Qt::Key_3, Qt::ControlModifier);
    get<QAction>("actionClosePanels")->trigger();
    for (const char *panel : {"distWindow", "sizeWindow", "turnWindow", "helpBox"})
        EXPECT_FALSE(get<QWidget>(panel)->isVisible()) << panel;
    EXPECT_TRUE(prefs->isVisible());

    UrlCatcher catcher;
    QDesktopServices::setUrlHandler("https", &catcher, "open");
    get<QAction>("actionHomePage")->trigger();
    QTest::mouseClick(get<QWidget>("aboutHome"), Qt::LeftButton); // the about panel's button
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
          "updateDepth", "updateTurn", "updateDist", "updateSize", "closeSheet", "restoreDefaults"})
        EXPECT_TRUE(QMetaObject::invokeMethod(&bare, action, Q_ARG(QObject *, &editor))) << action;
    bare.cleanUp();
    editor.update(nullptr);
    editor.setSliders();
    EXPECT_EQ(editor.getFunc(nullptr), nullptr);
}

#include "PanelTest.moc"

// The settings panel and the wave editors, driven as a user drives them: clicks and keys on their
// real controls. What each control shows, says, sends to the view and writes comes from the
// hand-written settings table and from the file the test wrote.
#include "InterfaceFixture.h"

#include "Keyboard.h"
#include "WindowManager.h"
#include "Windows.h"

#include <set>

// Every control shows its value (the file's, else the default) and says it to a screen reader,
// by name, in the panel's units, with its range and step, controlling its value label; a click
// or a step from the keyboard reaches its view field and its key, the delay its key only (read at
// the next start). A wave's step writes its four keys and redraws both its plots, and one the
// range rule refuses (size sits at d + a = 1, turn at d - a = -1) changes nothing. The depths
// stay ordered, the moved one keeping its value; a mixed switch counts as on; a value set by a
// screen reader is the user's; Page Up moves a slider a tenth of its steps. Each switch shows its
// own key: with two more patterns, any two switches differ in one of the three.
TEST_F(InterfaceTest, EveryControlShowsSaysSendsAndWritesItsSetting) {
    const QString file = "drawShades=NO\ndrawAxis=YES\ncam_zoom=3\nsize_amp=0.5\nsize_delta=0.5\n"
                         "turn_amp=0.25\nturn_delta=-0.75\n";
    const std::set<int> refused = {SizeAmp, SizeDelta, TurnAmp};
    const auto written = [](int row, double value) {
        return settingRows[row].kind != 'b' ? QString::number(float(value)) : value ? "YES" : "NO";
    };
    load(file.toLatin1());
    showPanels();
    Paints paints;
    const char *plots[] = {"distMiniPlot", "distPlot",     "sizeMiniPlot",
                           "sizePlot",     "turnMiniPlot", "turnPlot"};
    for (const char *plot : plots)
        get(plot)->installEventFilter(&paints);
    for (int i = 0; i < 26; ++i) {
        const SettingRow &row = settingRows[i];
        if (!row.control)
            continue;
        const QString inFile = file.section(QString(row.key) + "=", 1).section('\n', 0, 0);
        const double before = row.read(inFile.isEmpty() ? row.normal : inFile);
        const double step = (row.highest - row.lowest) / std::max(1, settingsTable[i].steps);
        QWidget *control = get(row.control);
        QAccessibleInterface *heard = accessible(control);
        QAccessibleValueInterface *value = heard->valueInterface();
        const auto tied = heard->relations(QAccessible::Controlled); // a slider's value label
        const QString says =
            value ? seen(value->currentValue().toDouble(), value->minimumValue().toDouble(),
                         value->maximumValue().toDouble(), value->minimumStepSize().toDouble(),
                         tied.size() == 1 && tied[0].first->text(QAccessible::Name) ==
                                                 heard->text(QAccessible::Value))
                  : "";
        EXPECT_EQ(
            seen(floatValue(control), heard->text(QAccessible::Name), heard->role(), says),
            seen(float(before), row.spoken,
                 row.kind == 'b' ? QAccessible::CheckBox : QAccessible::Slider,
                 row.kind == 'b' ? QString() : seen(before, row.lowest, row.highest, step, true)));
        QTest::qWait(20);
        paints.count.clear();
        if (row.kind == 'b') {
            QTest::mouseClick(control, Qt::LeftButton, {}, QPoint(6, control->height() / 2));
        } else {
            control->setFocus();
            QTest::keyClick(control, Qt::Key_Right);
        }
        const double after = row.kind == 'b' ? !before : refused.count(i) ? before : before + step;
        EXPECT_EQ(seen(field(i), floatValue(control), stored(row.key)),
                  seen(i == Delay ? before : after, float(after), written(i, after)));
        const int wave = (i - DistAmp) / 4; // the whole record, and both plots
        for (int k = DistAmp + 4 * wave; i >= DistAmp && k < DistAmp + 4 * wave + 4; ++k)
            EXPECT_EQ(stored(settingRows[k].key), written(k, field(k))) << settingRows[k].key;
        EXPECT_TRUE(i < DistAmp || QTest::qWaitFor([&] {
                        return paints.count[get(plots[2 * wave])] *
                               paints.count[get(plots[2 * wave + 1])];
                    }))
            << row.key;
    }
    for (const QString pattern : {"001001", "010010"}) { // the file's are 000111
        for (int i = DrawShades; i <= Delay; ++i)
            settingsStore().setBool(pattern[i] == '1', settingRows[i].key);
        controller->showPrefs(nullptr);
        for (int i = DrawShades; i <= Delay; ++i)
            EXPECT_EQ(floatValue(get(settingRows[i].control)), float(pattern[i] == '1'))
                << qPrintable(pattern) << i;
    }
    Slider *low = get<Slider>("lowDepthSlider"), *high = get<Slider>("highDepthSlider");
    QTest::keyClick(high, Qt::Key_Home); // high to 0: low follows it down
    EXPECT_EQ(seen(low->intValue(), field(LowThresh), field(HighThresh)), "0 0 0");
    QTest::keyClick(low, Qt::Key_End); // low to 4: high follows it up
    EXPECT_EQ(seen(high->intValue(), stored("lowThresh"), stored("highThresh")), "4 4 4");
    get<Switch>("smoothSwitch")->setIntValue(-1);
    controller->updateSettings(get("axisSwitch")); // any switch re-reads all six
    accessible(get("zoomSlider"))->valueInterface()->setCurrentValue(1.0);
    QTest::keyClick(get("zoomSlider"), Qt::Key_PageUp); // 7 of its 75 steps of 0.05
    EXPECT_EQ(seen(field(DrawSmooth), stored("drawSmooth"), field(CamZoom), stored("cam_zoom")),
              "1 YES 1.35 1.35");
}

// The commands, through their application-wide shortcuts from any window (or a screen reader's
// press of a wave's button): each wave panel floats above the main window and passes keys to the
// view; a screen reader hears each panel as a dialog with its title; shown first in full screen,
// each floats over it (999, the full-screen window 998), and the main window brought front stays
// below both, the panels keeping their order: as the X server stacks them with no window manager
// to help; Close Panels closes exactly the about, help and wave panels. A screen reader hears the
// live wave on its plot and on the button that shows its editor.
TEST_F(InterfaceTest, CommandsShowAndClosePanels) {
    load();
    QTest::keyClick(main(), Qt::Key_Comma, Qt::ControlModifier);
    QTest::keyClick(get("prefsWindow"), Qt::Key_2, Qt::ControlModifier); // from a panel
    QTest::keyClick(main(), Qt::Key_1, Qt::ControlModifier);
    accessible(get("turnButton"))
        ->actionInterface()
        ->doAction(QAccessibleActionInterface::pressAction());
    QTest::keyClick(main(), Qt::Key_F1);
    get<QAction>("actionAbout")->trigger();
    const auto shown = [this] {
        QStringList panels;
        for (const char *panel :
             {"prefsWindow", "aboutBox", "helpBox", "distWindow", "sizeWindow", "turnWindow"})
            if (get(panel)->isVisible())
                panels << seen(panel, windowLevel(get(panel)),
                               accessible(get(panel))->role() == QAccessible::Dialog,
                               accessible(get(panel))->text(QAccessible::Name));
        return panels.join(", ");
    };
    EXPECT_EQ(shown(),
              "prefsWindow 3 true Tetravolute Settings, aboutBox 0 true About Tetravolute, "
              "helpBox 0 true Tetravolute Help, distWindow 3 true Distance Wave, sizeWindow 3 "
              "true Size Wave, turnWindow 3 true Turn Wave");
    for (const char *panel : {"distWindow", "sizeWindow", "turnWindow"})
        EXPECT_EQ(firstResponder(get(panel)), view()) << panel;
    get<QAction>("actionClosePanels")->trigger();
    EXPECT_EQ(seen(shown(), main()->isVisible()), "prefsWindow 3 true Tetravolute Settings true");
    get("prefsWindow")->close();
    controller->goFullScreen(); // shown first there, each floats over the full-screen window
    QWidget *full = controller->fullWindow;
    for (const char *keys : {"Ctrl+,", "Ctrl+1", "Ctrl+2", "Ctrl+3", "F1"})
        QTest::keySequence(full, QKeySequence(keys));
    get<QAction>("actionAbout")->trigger();
    EXPECT_EQ(shown().count(" 999 true"), 6) << qPrintable(shown());
    orderFront(main()); // within its level: the higher levels stay over it, each in its own order
    xcb_flush(x11Connection()); // before another client asks the X server, which has no manager
    const QString children = x11("xwininfo -root -children"); // top first
    QMap<int, QString> stacked;
    for (QWidget *w : QApplication::topLevelWidgets()) // the shown windows
        if (w->isVisible())
            stacked[children.indexOf(hex(w) + ' ')] = w == full ? "full" : w->objectName();
    EXPECT_EQ(stacked.values().join(' '),
              "aboutBox helpBox turnWindow sizeWindow distWindow prefsWindow full mainWindow");
    controller->leaveFullScreen();
    EXPECT_EQ(accessible(get("centralwidget"))->child(0)->text(QAccessible::Name),
              "Tetravolute figure");
    *view()->turn() = {1, 1, 0, 0}; // f, a, d, p
    for (const char *shown : {"turnPlot", "turnButton"})
        EXPECT_EQ(accessible(get(shown))->text(QAccessible::Description),
                  "amplitude 1, delta 0, frequency 1, phase 0 π")
            << shown;
}

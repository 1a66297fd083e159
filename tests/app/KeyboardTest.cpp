// The panels for a keyboard and a screen reader: what the accessibility tree says of every control
// (names, roles, values in the panel's units from the settings table), where space and Return go,
// and the window and menu keys.
#include "InterfaceFixture.h"

#include "SettingsTable.h"

#include <QAccessible>
#include <QApplication>
#include <QMenu>
#include <QPushButton>
#include <QTest>

namespace {

QAccessibleInterface *accessible(QObject *object) {
    return QAccessible::queryAccessibleInterface(object);
}

// The slider rows of the settings panel and the three editors: object, spoken name, setting.
struct SliderRow {
    QString slider, name;
    Setting setting;
};

std::vector<SliderRow> sliderRows() {
    std::vector<SliderRow> rows = {{"lowDepthSlider", "Lowest depth", LowThresh},
                                   {"highDepthSlider", "Highest depth", HighThresh},
                                   {"turnSlider", "Spin (° a frame)", TetraTurn},
                                   {"yankSlider", "Rock (°)", TetraYank},
                                   {"zoomSlider", "Zoom", CamZoom}};
    for (const auto &[wave, amp] :
         {std::pair("dist", DistAmp), std::pair("size", SizeAmp), std::pair("turn", TurnAmp)}) {
        rows.push_back({QString(wave) + "AmpSlider", "Amplitude", amp});
        rows.push_back({QString(wave) + "FreqSlider", "Frequency", Setting(amp + 1)});
        rows.push_back({QString(wave) + "DeltaSlider", "Delta", Setting(amp + 2)});
        rows.push_back({QString(wave) + "PhaseSlider", "Phase (× π)", Setting(amp + 3)});
    }
    return rows;
}

TEST_F(InterfaceTest, ScreenReaderHearsEveryControlByNameWithItsValueInUnits) {
    load();
    for (const char *show : {"showPrefs", "showDist", "showSize", "showTurn"}) // fills them
        QMetaObject::invokeMethod(controller, show, Q_ARG(QObject *, nullptr));
    for (const auto &[panel, title] :
         {std::pair("prefsWindow", "Tetravolute Settings"),
          std::pair("distWindow", "Distance Wave"), std::pair("sizeWindow", "Size Wave"),
          std::pair("turnWindow", "Turn Wave"), std::pair("aboutBox", "About Tetravolute"),
          std::pair("helpBox", "Tetravolute Help")}) {
        EXPECT_EQ(accessible(get<QWidget>(panel))->role(), QAccessible::Dialog) << panel;
        EXPECT_EQ(accessible(get<QWidget>(panel))->text(QAccessible::Name), title) << panel;
    }
    for (const SliderRow &row : sliderRows()) {
        const std::string where = row.slider.toStdString();
        const SettingEntry &entry = settingsTable[row.setting];
        QAccessibleInterface *slider = accessible(named.value(row.slider));
        ASSERT_TRUE(slider && slider->valueInterface()) << where;
        EXPECT_EQ(slider->role(), QAccessible::Slider) << where;
        EXPECT_EQ(slider->text(QAccessible::Name), row.name) << where;
        QAccessibleValueInterface *value = slider->valueInterface();
        EXPECT_NEAR(value->currentValue().toDouble(), entry.value, 1e-9) << where;
        EXPECT_EQ(value->minimumValue().toDouble(), entry.min) << where;
        EXPECT_EQ(value->maximumValue().toDouble(), entry.max) << where;
        EXPECT_NEAR(value->minimumStepSize().toDouble(), (entry.max - entry.min) / entry.steps,
                    1e-12)
            << where;
        // The label beside it, which shows the same value, is tied to it.
        const auto tied = slider->relations(QAccessible::Controlled);
        ASSERT_EQ(tied.size(), 1) << where;
        EXPECT_EQ(tied[0].first->text(QAccessible::Name), slider->text(QAccessible::Value));
    }
    // A value set from the screen reader is the user's change: it reaches the view and the store.
    accessible(get<QObject>("zoomSlider"))->valueInterface()->setCurrentValue(3.0);
    EXPECT_EQ(state().cam.zoom, 3.0f);
    EXPECT_EQ(stored("cam_zoom"), "3");

    for (const auto &[button, plot, name, amp] :
         {std::tuple("distButton", "distPlot", "Distance wave", DistAmp),
          std::tuple("sizeButton", "sizePlot", "Size wave", SizeAmp),
          std::tuple("turnButton", "turnPlot", "Turn wave", TurnAmp)}) {
        const QString words = QString("amplitude %1, delta %2, frequency %3, phase %4 π")
                                  .arg(settingsTable[amp].value)
                                  .arg(settingsTable[amp + 2].value)
                                  .arg(settingsTable[amp + 1].value)
                                  .arg(settingsTable[amp + 3].value);
        for (const char *object : {button, plot}) {
            EXPECT_EQ(accessible(get<QObject>(object))->text(QAccessible::Name), name) << object;
            EXPECT_EQ(accessible(get<QObject>(object))->text(QAccessible::Description), words)
                << object;
        }
        EXPECT_EQ(accessible(get<QObject>(button))->role(), QAccessible::Button);
    }
    // The figure: its container in the main window.
    QAccessibleInterface *figure = accessible(get<QWidget>("centralwidget"));
    while (figure && figure->text(QAccessible::Name).isEmpty() && figure->childCount() > 0)
        figure = figure->child(0);
    ASSERT_TRUE(figure);
    EXPECT_EQ(figure->text(QAccessible::Name), "Tetravolute figure");
    EXPECT_FALSE(figure->text(QAccessible::Description).isEmpty());
}

// Tab visits the settings panel's controls in reading order.
TEST_F(InterfaceTest, TabWalksTheSettingsPanelInReadingOrder) {
    load();
    controller->showPrefs(nullptr);
    QWidget *prefs = get<QWidget>("prefsWindow");
    prefs->activateWindow();
    ASSERT_TRUE(becomesActive(prefs));
    ASSERT_TRUE(QApplication::focusWidget()); // the first control, to begin
    QStringList visited = {QApplication::focusWidget()->objectName()};
    for (int i = 0; i < 15; ++i) {
        QTest::keyClick(prefs, Qt::Key_Tab);
        visited << QApplication::focusWidget()->objectName();
    }
    EXPECT_EQ(visited,
              QStringList({"shadeSwitch", "borderSwitch", "smoothSwitch", "axisSwitch",
                           "logoSwitch", "delaySwitch", "lowDepthSlider", "highDepthSlider",
                           "turnSlider", "yankSlider", "zoomSlider", "distButton", "sizeButton",
                           "turnButton", "restoreButton", "shadeSwitch"}));
}

// Space and Return operate a control the keyboard moved to; with no such control space, and
// escape always, are the view's keys (full screen). A click gives no control the focus.
TEST_F(InterfaceTest, SpaceAndReturnGoToAKeyboardFocusedControlElseToTheView) {
    load("drawAxis=NO\n");
    controller->showPrefs(nullptr);
    QWidget *prefs = get<QWidget>("prefsWindow");
    prefs->activateWindow();
    ASSERT_TRUE(becomesActive(prefs));
    const auto tabTo = [&](const char *name, Qt::Key tab = Qt::Key_Tab) {
        for (int i = 0; i < 20 && QApplication::focusWidget() != named.value(name); ++i)
            QTest::keyClick(prefs, tab);
        return QApplication::focusWidget();
    };
    Switch *axes = get<Switch>("axisSwitch");
    QTest::mouseClick(axes, Qt::LeftButton, {}, QPoint(6, axes->height() / 2));
    ASSERT_EQ(stored("drawAxis"), "YES");
    EXPECT_FALSE(axes->hasFocus());
    const struct {
        const char *focus; // reached with Tab; none: only clicked
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        bool fullScreen;      // after the key
        const char *drawAxis; // stored after the key
    } rows[] = {
        {nullptr, Qt::Key_Space, Qt::NoModifier, true, "YES"},
        {nullptr, Qt::Key_Space, Qt::ShiftModifier, false, "YES"},
        {"axisSwitch", Qt::Key_Space, Qt::NoModifier, false, "NO"},
        {"axisSwitch", Qt::Key_Space, Qt::ShiftModifier, false, "YES"},
        {"axisSwitch", Qt::Key_Return, Qt::NoModifier, false, "NO"},
        {"zoomSlider", Qt::Key_Space, Qt::NoModifier, true, "NO"},
        {"axisSwitch", Qt::Key_Escape, Qt::NoModifier, false, "NO"},
        {"axisSwitch", Qt::Key_Space, Qt::NoModifier, false, "YES"}, // back from the slider
    };
    for (const auto &row : rows) {
        // Forwards from the start, backwards from the slider.
        QWidget *target = !row.focus ? axes
                          : QApplication::focusWidget() == named.value("zoomSlider")
                              ? tabTo(row.focus, Qt::Key_Backtab)
                              : tabTo(row.focus);
        QTest::keyClick(target, row.key, row.modifiers);
        EXPECT_EQ(controller->inFullScreen, row.fullScreen) << row.focus << " " << row.key;
        EXPECT_EQ(stored("drawAxis"), row.drawAxis) << row.focus << " " << row.key;
    }
    Slider *zoom = get<Slider>("zoomSlider");
    QTest::keyClick(tabTo("zoomSlider"), Qt::Key_Right);
    EXPECT_EQ(zoom->floatValue(), 2.05f);
    for (const Qt::Key press : {Qt::Key_Return, Qt::Key_Space}) {
        QTest::keyClick(tabTo("restoreButton"), press);
        EXPECT_EQ(storedLines(), QStringList()) << press; // every key removed
        zoom->changeFloatValue(3);
    }
}

// F6 visits the program's windows, a panel's first control taking the focus; Ctrl+W closes a
// panel only; F10 opens the first menu, Shift+F10 and the Menu key the view's menu; Alt and a
// letter open a menu and its items.
TEST_F(InterfaceTest, WindowAndMenuKeys) {
    load();
    QWidget *main = get<QWidget>("mainWindow"), *prefs = get<QWidget>("prefsWindow");
    controller->showPrefs(nullptr);
    controller->showDist(nullptr);
    ASSERT_TRUE(becomesActive(get<QWidget>("distWindow")));
    const auto f6 = [](Qt::KeyboardModifiers modifiers) {
        QTest::keyClick(QApplication::activeWindow(), Qt::Key_F6, modifiers);
    };
    // Panels in reading order (the settings panel is left of the distance panel), then the main
    // window, round again.
    for (const auto &[next, control] :
         {std::pair("mainWindow", ""), std::pair("prefsWindow", "shadeSwitch"),
          std::pair("distWindow", "distAmpSlider"), std::pair("mainWindow", "")}) {
        f6(Qt::NoModifier);
        ASSERT_TRUE(becomesActive(get<QWidget>(next))) << next;
        if (*control) {
            EXPECT_EQ(QApplication::focusWidget(), named.value(control)) << next;
        }
    }
    f6(Qt::ShiftModifier);
    ASSERT_TRUE(becomesActive(get<QWidget>("distWindow")));
    f6(Qt::ShiftModifier);
    ASSERT_TRUE(becomesActive(prefs));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space); // the keyboard's control
    EXPECT_EQ(stored("drawShades"), "NO");
    EXPECT_FALSE(controller->inFullScreen);

    QTest::keyClick(prefs, Qt::Key_W, Qt::ControlModifier);
    EXPECT_FALSE(prefs->isVisible());
    QTest::keyClick(main, Qt::Key_W, Qt::ControlModifier);
    EXPECT_TRUE(main->isVisible());

    const auto popup = [] {
        (void)QTest::qWaitFor([] { return QApplication::activePopupWidget() != nullptr; }, 1000);
        QWidget *menu = QApplication::activePopupWidget();
        if (menu)
            menu->close();
        return menu ? menu->objectName() : QString();
    };
    main->activateWindow();
    ASSERT_TRUE(becomesActive(main));
    QTest::keyClick(main, Qt::Key_F10);
    EXPECT_EQ(popup(), "menuTetravolute");
    QTest::keyClick(main, Qt::Key_F10, Qt::ShiftModifier);
    EXPECT_EQ(popup(), "contextMenu");
    QTest::keyClick(main, Qt::Key_Menu);
    EXPECT_EQ(popup(), "contextMenu");

    // Every title and item has an access key, unique within its menu.
    for (const char *name :
         {"menubar", "menuTetravolute", "menuWindow", "menuHelp", "contextMenu"}) {
        QStringList keys;
        for (QAction *action : get<QWidget>(name)->actions()) {
            if (action->isSeparator())
                continue;
            const int amp = action->text().indexOf('&');
            ASSERT_GE(amp, 0) << name << " " << action->text().toStdString();
            keys << action->text().mid(amp + 1, 1).toLower();
        }
        EXPECT_EQ(keys.size(), QSet<QString>(keys.begin(), keys.end()).size()) << name;
    }
    QTest::keyClick(main, Qt::Key_W, Qt::AltModifier);
    ASSERT_TRUE(QTest::qWaitFor([] { return QApplication::activePopupWidget() != nullptr; }));
    EXPECT_EQ(QApplication::activePopupWidget()->objectName(), "menuWindow");
    QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Z);
    EXPECT_TRUE(QTest::qWaitFor([&] { return get<QWidget>("sizeWindow")->isVisible(); }));
}

} // namespace

// The panels for a keyboard and a screen reader: what the accessibility tree says of every control
// (names, roles, values in the panel's units from the settings table), where space and Return go,
// and the window and menu keys.
#include "InterfaceFixture.h"

#include <QAccessible>
#include <QApplication>
#include <QPushButton>
#include <QTest>

static QAccessibleInterface *accessible(QObject *object) {
    return QAccessible::queryAccessibleInterface(object);
}

TEST_F(InterfaceTest, AScreenReaderHearsEveryControlByNameWithItsValueInUnits) {
    load();
    for (const char *show : {"showPrefs", "showDist", "showSize", "showTurn"}) // fills them
        QMetaObject::invokeMethod(controller, show, Q_ARG(QObject *, nullptr));
    for (const auto &[panel, title] :
         {std::pair("prefsWindow", "Tetravolute Settings"),
          std::pair("distWindow", "Distance Wave"), std::pair("sizeWindow", "Size Wave"),
          std::pair("turnWindow", "Turn Wave"), std::pair("aboutBox", "About Tetravolute"),
          std::pair("helpBox", "Tetravolute Help")})
        EXPECT_EQ(std::make_pair(accessible(get<QWidget>(panel))->role(),
                                 accessible(get<QWidget>(panel))->text(QAccessible::Name)),
                  std::make_pair(QAccessible::Dialog, QString(title)));
    std::vector<std::pair<QString, Setting>> sliders = {{"lowDepthSlider", LowThresh},
                                                        {"highDepthSlider", HighThresh},
                                                        {"turnSlider", TetraTurn},
                                                        {"yankSlider", TetraYank},
                                                        {"zoomSlider", CamZoom}};
    const char *const waves[] = {"dist", "size", "turn"};
    for (int w = 0; w < 3; ++w)
        for (int i = 0; i < 4; ++i)
            sliders.emplace_back(QString(waves[w]) +
                                     QStringList{"Amp", "Freq", "Delta", "Phase"}[i] + "Slider",
                                 Setting(DistAmp + 4 * w + i));
    const QStringList names = {"Lowest depth", "Highest depth", "Spin (° a frame)", "Rock (°)",
                               "Zoom"};
    for (std::size_t row = 0; row < sliders.size(); ++row) {
        const auto &[name, setting] = sliders[row];
        const SettingEntry &entry = settingsTable[setting];
        QAccessibleInterface *slider = accessible(get<QObject>(name));
        QAccessibleValueInterface *value = slider->valueInterface();
        ASSERT_TRUE(value) << qPrintable(name);
        EXPECT_EQ(std::make_pair(slider->role(), slider->text(QAccessible::Name)),
                  std::make_pair(QAccessible::Slider,
                                 row < 5 ? names[int(row)]
                                         : QStringList{"Amplitude", "Frequency", "Delta",
                                                       "Phase (× π)"}[int(row - 5) % 4]))
            << qPrintable(name);
        EXPECT_NEAR(value->currentValue().toDouble(), entry.value, 1e-9) << entry.key;
        EXPECT_EQ(
            std::make_pair(value->minimumValue().toDouble(), value->maximumValue().toDouble()),
            std::make_pair(entry.min, entry.max))
            << entry.key;
        EXPECT_NEAR(value->minimumStepSize().toDouble(), (entry.max - entry.min) / entry.steps,
                    1e-12);
        const auto tied = slider->relations(QAccessible::Controlled); // its value label
        ASSERT_EQ(tied.size(), 1) << entry.key;
        EXPECT_EQ(tied[0].first->text(QAccessible::Name), slider->text(QAccessible::Value));
    }
    // A value set from the screen reader is the user's change: it reaches the view and the store.
    accessible(get<QObject>("zoomSlider"))->valueInterface()->setCurrentValue(3.0);
    EXPECT_EQ(std::make_pair(state().cam.zoom, stored("cam_zoom")),
              std::make_pair(3.0f, QString("3")));
    for (const auto &[button, plot, name, amp] :
         {std::tuple("distButton", "distPlot", "Distance wave", DistAmp),
          std::tuple("sizeButton", "sizePlot", "Size wave", SizeAmp),
          std::tuple("turnButton", "turnPlot", "Turn wave", TurnAmp)})
        for (const char *object : {button, plot})
            EXPECT_EQ(
                std::make_pair(accessible(get<QObject>(object))->text(QAccessible::Name),
                               accessible(get<QObject>(object))->text(QAccessible::Description)),
                std::make_pair(QString(name),
                               QString("amplitude %1, delta %2, frequency %3, phase %4 π")
                                   .arg(settingsTable[amp].value)
                                   .arg(settingsTable[amp + 2].value)
                                   .arg(settingsTable[amp + 1].value)
                                   .arg(settingsTable[amp + 3].value)))
                << object;
    QAccessibleInterface *figure = accessible(get<QWidget>("centralwidget"))->child(0);
    EXPECT_EQ(figure->text(QAccessible::Name), "Tetravolute figure");
}

// Space and Return operate a control the keyboard moved to (Tab, Shift+Tab); with no such
// control (a click gives none the focus, nor does the program's own focusing) space, and escape
// always, are the view's keys: full screen. Tab visits the settings panel in reading order.
TEST_F(InterfaceTest, SpaceAndReturnGoToAKeyboardFocusedControlElseToTheView) {
    load("drawAxis=NO\n");
    controller->showPrefs(nullptr);
    QWidget *prefs = get<QWidget>("prefsWindow");
    prefs->activateWindow();
    ASSERT_TRUE(becomesActive(prefs));
    QStringList visited = {QApplication::focusWidget()->objectName()}; // the first, to begin
    for (int i = 0; i < 15; ++i) {
        QTest::keyClick(prefs, Qt::Key_Tab);
        visited << QApplication::focusWidget()->objectName();
    }
    EXPECT_EQ(visited,
              QStringList({"shadeSwitch", "borderSwitch", "smoothSwitch", "axisSwitch",
                           "logoSwitch", "delaySwitch", "lowDepthSlider", "highDepthSlider",
                           "turnSlider", "yankSlider", "zoomSlider", "distButton", "sizeButton",
                           "turnButton", "restoreButton", "shadeSwitch"}));
    const auto tabTo = [&](const QString &name, Qt::Key tab) {
        while (QApplication::focusWidget() != named.value(name))
            QTest::keyClick(prefs, tab);
        return QApplication::focusWidget();
    };
    QApplication::focusWidget()->clearFocus(); // no control has the focus now
    Switch *axes = get<Switch>("axisSwitch");
    QTest::mouseClick(axes, Qt::LeftButton, {}, QPoint(6, axes->height() / 2));
    ASSERT_TRUE(stored("drawAxis") == "YES" && !axes->hasFocus());
    auto *home = get<QPushButton>("aboutHome"); // focused by the panel, not the keyboard
    home->window()->show();
    home->setFocus();
    const struct {
        const char *focus; // reached with Tab forwards, or backwards when it says so
        Qt::Key tab, key;
        Qt::KeyboardModifiers modifiers;
        bool fullScreen;      // after the key
        const char *drawAxis; // stored after the key
    } rows[] = {
        {"", Qt::Key_Tab, Qt::Key_Space, Qt::NoModifier, true, "YES"},
        {"", Qt::Key_Tab, Qt::Key_Space, Qt::ShiftModifier, false, "YES"},
        {"aboutHome", Qt::Key_Tab, Qt::Key_Space, Qt::NoModifier, true, "YES"},
        {"axisSwitch", Qt::Key_Tab, Qt::Key_Space, Qt::NoModifier, true, "NO"},
        {"axisSwitch", Qt::Key_Tab, Qt::Key_Space, Qt::ShiftModifier, true, "YES"},
        {"axisSwitch", Qt::Key_Tab, Qt::Key_Return, Qt::NoModifier, true, "NO"},
        {"zoomSlider", Qt::Key_Tab, Qt::Key_Space, Qt::NoModifier, false, "NO"},
        {"axisSwitch", Qt::Key_Backtab, Qt::Key_Escape, Qt::NoModifier, false, "NO"},
        {"axisSwitch", Qt::Key_Backtab, Qt::Key_Space, Qt::NoModifier, false, "YES"},
    };
    int pressed = 0;
    QObject::connect(home, &QPushButton::clicked, [&] { ++pressed; });
    for (const auto &row : rows) {
        QWidget *target = QString(row.focus) == "aboutHome" ? static_cast<QWidget *>(home)
                          : *row.focus                      ? tabTo(row.focus, row.tab)
                                                            : axes;
        QTest::keyClick(target, row.key, row.modifiers);
        EXPECT_EQ(std::make_pair(controller->inFullScreen, stored("drawAxis")),
                  std::make_pair(row.fullScreen, QString(row.drawAxis)))
            << row.focus << " " << row.key;
    }
    EXPECT_EQ(pressed, 0);
    QTest::keyClick(tabTo("restoreButton", Qt::Key_Tab), Qt::Key_Return);
    EXPECT_EQ(storedLines(), QStringList()); // pressed: every key removed
    for (const auto &[key, text] : {std::pair(Qt::Key_A, "a"), std::pair(Qt::Key_Shift, "")}) {
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text); // to the view's superclass
        QCoreApplication::sendEvent(view(), &press);
        EXPECT_FALSE(press.isAccepted()) << text;
    }
}

// F6 visits the program's windows (panels in reading order, then the main window), a panel's
// first control taking the keyboard focus; Ctrl+W closes a panel only; F10 opens the first menu,
// Shift+F10 and the Menu key the view's; every menu item has its own access key.
TEST_F(InterfaceTest, WindowAndMenuKeys) {
    load();
    QWidget *main = get<QWidget>("mainWindow"), *prefs = get<QWidget>("prefsWindow");
    controller->showPrefs(nullptr);
    controller->showDist(nullptr);
    ASSERT_TRUE(becomesActive(get<QWidget>("distWindow")));
    for (const auto &[next, control, modifiers] :
         {std::tuple("mainWindow", "", Qt::NoModifier),
          std::tuple("prefsWindow", "shadeSwitch", Qt::NoModifier),
          std::tuple("distWindow", "distAmpSlider", Qt::NoModifier),
          std::tuple("mainWindow", "", Qt::NoModifier),
          std::tuple("distWindow", "distAmpSlider", Qt::ShiftModifier),
          std::tuple("prefsWindow", "shadeSwitch", Qt::ShiftModifier)}) {
        QTest::keyClick(QApplication::activeWindow(), Qt::Key_F6, modifiers);
        ASSERT_TRUE(becomesActive(get<QWidget>(next))) << next;
        EXPECT_TRUE(!*control || QApplication::focusWidget() == named.value(control)) << next;
    }
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space); // the keyboard's control
    EXPECT_EQ(std::make_pair(stored("drawShades"), controller->inFullScreen),
              std::make_pair(QString("NO"), false));
    QTest::keyClick(prefs, Qt::Key_W, Qt::ControlModifier);
    QTest::keyClick(main, Qt::Key_W, Qt::ControlModifier);
    EXPECT_EQ(std::make_pair(prefs->isVisible(), main->isVisible()), std::make_pair(false, true));

    main->activateWindow();
    ASSERT_TRUE(becomesActive(main));
    for (const auto &[key, modifiers, menu] :
         {std::tuple(Qt::Key_F10, Qt::NoModifier, "menuTetravolute"),
          std::tuple(Qt::Key_F10, Qt::ShiftModifier, "contextMenu"),
          std::tuple(Qt::Key_Menu, Qt::NoModifier, "contextMenu"),
          std::tuple(Qt::Key_W, Qt::AltModifier, "menuWindow")}) {
        QTest::keyClick(main, key, modifiers);
        ASSERT_TRUE(QTest::qWaitFor([] { return QApplication::activePopupWidget(); })) << menu;
        EXPECT_EQ(QApplication::activePopupWidget()->objectName(), menu);
        if (QString(menu) != "menuWindow")
            QApplication::activePopupWidget()->close();
    }
    QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Z); // Si&ze Wave
    EXPECT_TRUE(QTest::qWaitFor([&] { return get<QWidget>("sizeWindow")->isVisible(); }));
    for (const char *name :
         {"menubar", "menuTetravolute", "menuWindow", "menuHelp", "contextMenu"}) {
        QStringList keys;
        for (QAction *action : get<QWidget>(name)->actions())
            if (!action->isSeparator())
                keys << action->text().section('&', 1).left(1).toLower();
        EXPECT_FALSE(keys.contains("")) << name;
        EXPECT_EQ(keys.size(), QSet<QString>(keys.begin(), keys.end()).size()) << name;
    }
}

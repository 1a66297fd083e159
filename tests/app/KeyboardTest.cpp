// The panels for a keyboard: where space and Return go, and the window and menu keys. Rows name
// keys as QKeySequence writes them.
#include "InterfaceFixture.h"

// Tab visits the settings panel in reading order. Space and Return operate a control the keyboard
// moved to (Tab, Shift+Tab); with no such control (a click gives none the focus, nor does the
// program's own focusing) space, and escape always, are the view's keys: full screen. Restore
// Defaults, pressed after every setting was changed, leaves no key in the file and every control
// and the view at its default.
TEST_F(InterfaceTest, SpaceAndReturnGoToAKeyboardFocusedControlElseToTheView) {
    QByteArray file;
    for (const SettingRow &row : settingRows)
        file +=
            QByteArray(row.key) + "=" + (row.key == QString("drawAxis") ? "NO" : row.other) + "\n";
    load(file);
    controller->showPrefs(nullptr);
    QWidget *prefs = get("prefsWindow");
    prefs->activateWindow();
    ASSERT_TRUE(becomesActive(prefs));
    QStringList visited;
    for (int i = 0; i < 16; ++i, QTest::keyClick(prefs, Qt::Key_Tab))
        visited << QApplication::focusWidget()->objectName();
    EXPECT_EQ(visited.join(' '),
              "shadeSwitch borderSwitch smoothSwitch axisSwitch logoSwitch delaySwitch "
              "lowDepthSlider highDepthSlider turnSlider yankSlider zoomSlider distButton "
              "sizeButton turnButton restoreButton shadeSwitch");
    QApplication::focusWidget()->clearFocus();
    QWidget *axes = get("axisSwitch");
    QTest::mouseClick(axes, Qt::LeftButton, {}, QPoint(6, axes->height() / 2));
    ASSERT_TRUE(stored("drawAxis") == "YES" && !axes->hasFocus());
    auto *home = get<QPushButton>("aboutHome"); // focused by the panel, not the keyboard
    home->window()->show();
    home->setFocus();
    int pressed = 0;
    QObject::connect(home, &QPushButton::clicked, [&] { ++pressed; });
    // The control, reached by Tab (or Shift+Tab: <), or clicked; the key; then full screen and
    // the axes' key.
    for (const QString row :
         {"axisSwitch! Space => true YES", "axisSwitch! Shift+Space => false YES",
          "aboutHome! Space => true YES", "axisSwitch Space => true NO",
          "axisSwitch Shift+Space => true YES", "axisSwitch Return => true NO",
          "axisSwitch Num+Enter => true YES", "axisSwitch Return => true NO",
          "zoomSlider Space => false NO", "zoomSlider Ctrl+F => true NO",
          "<axisSwitch Esc => false NO", "<axisSwitch Space => false YES"}) {
        QString focus = row.section(' ', 0, 0);
        QWidget *target = focus.endsWith('!') ? get(focus.chopped(1)) : nullptr;
        while (!target && QApplication::focusWidget() != named.value(focus.remove('<')))
            QTest::keyClick(prefs, row.startsWith('<') ? Qt::Key_Backtab : Qt::Key_Tab);
        QTest::keySequence(target ? target : QApplication::focusWidget(),
                           QKeySequence(row.section(' ', 1, 1)));
        EXPECT_EQ(seen(controller->inFullScreen, stored("drawAxis")), row.section(" => ", 1))
            << qPrintable(row);
    }
    EXPECT_EQ(pressed, 0);
    while (QApplication::focusWidget() != named.value("restoreButton"))
        QTest::keyClick(prefs, Qt::Key_Tab);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_EQ(storedLines(), QStringList()); // pressed: every key removed
    for (int i = 0; i < 26; ++i) {
        const SettingRow &row = settingRows[i];
        const float normal = float(row.normalValue());
        EXPECT_TRUE(field(i) == normal && (!row.control || floatValue(get(row.control)) == normal))
            << row.key;
    }
}

// F6 (and the Window menu's Next Panel) visits the program's shown windows (panels in reading
// order, then the main window; a minimised one not), a panel's first control taking the keyboard
// focus with its focus ring showing, as when the distance editor opens; Ctrl+W closes a panel
// only; F10 opens the first menu, Shift+F10, the Menu key and a right click the view's; a menu's
// access key picks its item.
TEST_F(InterfaceTest, WindowAndMenuKeys) {
    load();
    QWidget *prefs = get("prefsWindow");
    showPanels({"Prefs", "Size"});
    get("sizeWindow")->showMinimized();
    controller->showDist(nullptr);
    ASSERT_TRUE(becomesActive(get("distWindow")));
    const auto ring = [] { // as a style's options tell it to draw one
        const QWidget *focus = QApplication::focusWidget();
        return focus->hasFocus() && focus->window()->testAttribute(Qt::WA_KeyboardFocusChange);
    };
    EXPECT_EQ(seen(QApplication::focusWidget()->objectName(), ring()), "distAmpSlider true");
    for (const QString row :
         {"F6 => mainWindow", "F6 => prefsWindow shadeSwitch", "F6 => distWindow distAmpSlider",
          "F6 => mainWindow", "Shift+F6 => distWindow distAmpSlider",
          "Shift+F6 => prefsWindow shadeSwitch", "Shift+F6 => mainWindow",
          "NextPanel => prefsWindow shadeSwitch"}) {
        if (row.startsWith("NextPanel"))
            get<QAction>("actionNextPanel")->trigger();
        else
            QTest::keySequence(QApplication::activeWindow(), QKeySequence(row.section(' ', 0, 0)));
        ASSERT_TRUE(becomesActive(get(row.section(' ', 2, 2)))) << qPrintable(row);
        EXPECT_TRUE(row.count(' ') == 2 ||
                    (QApplication::focusWidget() == named.value(row.section(' ', 3)) && ring()))
            << qPrintable(row);
    }
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space); // the keyboard's control
    QTest::keyClick(prefs, Qt::Key_W, Qt::ControlModifier);
    QTest::keyClick(main(), Qt::Key_W, Qt::ControlModifier);
    EXPECT_EQ(seen(stored("drawShades"), controller->inFullScreen, prefs->isVisible(),
                   main()->isVisible()),
              "NO false false true");
    main()->activateWindow();
    ASSERT_TRUE(becomesActive(main()));
    for (const QString row :
         {"F10 => menuTetravolute", "Shift+F10 => contextMenu", "Menu => contextMenu",
          "click => contextMenu", "Alt+W => menuWindow"}) {
        if (row.startsWith("click")) // a right click on the figure
            QTest::mouseClick(view(), Qt::RightButton, {}, QPoint(20, 20));
        else
            QTest::keySequence(main(), QKeySequence(row.section(' ', 0, 0)));
        ASSERT_TRUE(QTest::qWaitFor([] { return QApplication::activePopupWidget(); }))
            << qPrintable(row);
        EXPECT_EQ(QApplication::activePopupWidget()->objectName(), row.section(" => ", 1));
        if (!row.startsWith("Alt"))
            QApplication::activePopupWidget()->close();
    }
    QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Z); // Si&ze Wave
    EXPECT_TRUE(QTest::qWaitFor([&] { return get("sizeWindow")->isVisible(); }));
}

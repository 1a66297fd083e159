// The panels for a keyboard and a screen reader: what the accessibility tree says of every control
// (names, roles, values in the panel's units from the settings table), where space and Return go,
// and the window and menu keys.
#include "InterfaceFixture.h"

#include <QAccessible>
#include <QApplication>
#include <QPushButton>

static QAccessibleInterface *accessible(QObject *object) {
    return QAccessible::queryAccessibleInterface(object);
}

// Panels are dialogs with their titles; the wave buttons and plots describe the live wave; the
// figure has its name. (Each control's name and value: with the panel's tests.)
TEST_F(InterfaceTest, AScreenReaderHearsThePanelsAndTheWaves) {
    load();
    showAllPanels();
    for (const auto &[panel, title] :
         {std::pair("prefsWindow", "Tetravolute Settings"),
          std::pair("distWindow", "Distance Wave"), std::pair("sizeWindow", "Size Wave"),
          std::pair("turnWindow", "Turn Wave"), std::pair("aboutBox", "About Tetravolute"),
          std::pair("helpBox", "Tetravolute Help")})
        EXPECT_EQ(std::make_pair(accessible(get(panel))->role(),
                                 accessible(get(panel))->text(QAccessible::Name)),
                  std::make_pair(QAccessible::Dialog, QString(title)));
    for (const auto &[wave, name, described] :
         {std::tuple("dist", "Distance wave",
                     "amplitude 0.382, delta -0.59, frequency 4.5, phase 0 π"),
          std::tuple("size", "Size wave", "amplitude 0.2, delta -0.12, frequency 4.5, phase 1 π"),
          std::tuple("turn", "Turn wave", "amplitude 0.05, delta 0, frequency 0, phase 0 π")})
        for (const char *object : {"Button", "Plot"}) {
            QAccessibleInterface *shown = accessible(get<QObject>(wave + QString(object)));
            EXPECT_EQ(std::make_pair(shown->text(QAccessible::Name),
                                     shown->text(QAccessible::Description)),
                      std::make_pair(QString(name), QString(described)));
        }
    EXPECT_EQ(accessible(get("centralwidget"))->child(0)->text(QAccessible::Name),
              "Tetravolute figure");
}

// Tab visits the settings panel in reading order. Space and Return operate a control the keyboard
// moved to (Tab, Shift+Tab); with no such control (a click gives none the focus, nor does the
// program's own focusing) space, and escape always, are the view's keys: full screen. Keys the
// view does not take go on to its superclass.
TEST_F(InterfaceTest, SpaceAndReturnGoToAKeyboardFocusedControlElseToTheView) {
    load("drawAxis=NO\n");
    controller->showPrefs(nullptr);
    QWidget *prefs = get("prefsWindow");
    prefs->activateWindow();
    ASSERT_TRUE(becomesActive(prefs));
    QStringList visited, order; // each, then the first again
    for (int i = 0; i < 16; ++i, QTest::keyClick(prefs, Qt::Key_Tab))
        visited << QApplication::focusWidget()->objectName();
    order << "shadeSwitch"
          << "borderSwitch"
          << "smoothSwitch"
          << "axisSwitch"
          << "logoSwitch"
          << "delaySwitch"
          << "lowDepthSlider"
          << "highDepthSlider"
          << "turnSlider"
          << "yankSlider"
          << "zoomSlider"
          << "distButton"
          << "sizeButton"
          << "turnButton"
          << "restoreButton"
          << "shadeSwitch";
    EXPECT_EQ(visited, order);
    const auto tabTo = [&](const QString &name, Qt::Key tab) {
        while (QApplication::focusWidget() != named.value(name))
            QTest::keyClick(prefs, tab);
        return QApplication::focusWidget();
    };
    QApplication::focusWidget()->clearFocus();
    QWidget *axes = get("axisSwitch");
    QTest::mouseClick(axes, Qt::LeftButton, {}, QPoint(6, axes->height() / 2));
    ASSERT_TRUE(stored("drawAxis") == "YES" && !axes->hasFocus());
    auto *home = get<QPushButton>("aboutHome"); // focused by the panel, not the keyboard
    home->window()->show();
    home->setFocus();
    int pressed = 0;
    QObject::connect(home, &QPushButton::clicked, [&] { ++pressed; });
    const Qt::KeyboardModifiers shift = Qt::ShiftModifier, none = Qt::NoModifier;
    for (const auto &[focus, tab, key, modifiers, fullScreen, drawAxis] :
         {// reached with Tab forwards, or backwards; full screen and the axes' key after
          std::tuple("", Qt::Key_Tab, Qt::Key_Space, none, true, "YES"),
          std::tuple("", Qt::Key_Tab, Qt::Key_Space, shift, false, "YES"),
          std::tuple("aboutHome", Qt::Key_Tab, Qt::Key_Space, none, true, "YES"),
          std::tuple("axisSwitch", Qt::Key_Tab, Qt::Key_Space, none, true, "NO"),
          std::tuple("axisSwitch", Qt::Key_Tab, Qt::Key_Space, shift, true, "YES"),
          std::tuple("axisSwitch", Qt::Key_Tab, Qt::Key_Return, none, true, "NO"),
          std::tuple("zoomSlider", Qt::Key_Tab, Qt::Key_Space, none, false, "NO"),
          std::tuple("axisSwitch", Qt::Key_Backtab, Qt::Key_Escape, none, false, "NO"),
          std::tuple("axisSwitch", Qt::Key_Backtab, Qt::Key_Space, none, false, "YES")}) {
        QWidget *target = QString(focus) == "aboutHome" ? home : *focus ? tabTo(focus, tab) : axes;
        QTest::keyClick(target, key, modifiers);
        EXPECT_EQ(std::make_pair(controller->inFullScreen, stored("drawAxis")),
                  std::make_pair(fullScreen, QString(drawAxis)))
            << focus << " " << key;
    }
    EXPECT_EQ(pressed, 0);
    QTest::keyClick(tabTo("restoreButton", Qt::Key_Tab), Qt::Key_Return);
    EXPECT_EQ(storedLines(), QStringList()); // pressed: every key removed
    for (const auto &[key, text] : {std::pair(Qt::Key_A, "a"), std::pair(Qt::Key_Shift, "")}) {
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
        QCoreApplication::sendEvent(view(), &press);
        EXPECT_FALSE(press.isAccepted()) << text;
    }
}

// F6 visits the program's windows (panels in reading order, then the main window), a panel's
// first control taking the keyboard focus; Ctrl+W closes a panel only; F10 opens the first menu,
// Shift+F10 and the Menu key the view's; every menu item has its own access key.
TEST_F(InterfaceTest, WindowAndMenuKeys) {
    load();
    QWidget *main = get("mainWindow"), *prefs = get("prefsWindow");
    controller->showPrefs(nullptr);
    controller->showDist(nullptr);
    ASSERT_TRUE(becomesActive(get("distWindow")));
    for (const auto &[next, control, modifiers] :
         {std::tuple("mainWindow", "", Qt::NoModifier),
          std::tuple("prefsWindow", "shadeSwitch", Qt::NoModifier),
          std::tuple("distWindow", "distAmpSlider", Qt::NoModifier),
          std::tuple("mainWindow", "", Qt::NoModifier),
          std::tuple("distWindow", "distAmpSlider", Qt::ShiftModifier),
          std::tuple("prefsWindow", "shadeSwitch", Qt::ShiftModifier)}) {
        QTest::keyClick(QApplication::activeWindow(), Qt::Key_F6, modifiers);
        ASSERT_TRUE(becomesActive(get(next))) << next;
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
    EXPECT_TRUE(QTest::qWaitFor([&] { return get("sizeWindow")->isVisible(); }));
    for (const char *name :
         {"menubar", "menuTetravolute", "menuWindow", "menuHelp", "contextMenu"}) {
        QStringList keys;
        for (QAction *action : get(name)->actions())
            if (!action->isSeparator())
                keys << action->text().section('&', 1).left(1).toLower();
        EXPECT_FALSE(keys.contains("")) << name;
        EXPECT_EQ(keys.size(), QSet<QString>(keys.begin(), keys.end()).size()) << name;
    }
}

// Full screen and the keys that switch it, on the real interface: space and escape typed into
// the windows, the panels' levels and translucency, frames drawn in both places.
#include "InterfaceFixture.h"

#include "Windows.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QTest>

static const char *const panels[] = {"prefsWindow", "distWindow", "sizeWindow",
                                     "turnWindow",  "aboutBox",   "helpBox"};

// Frames keep coming: the view is shown and exposed where it is now.
#define EXPECT_DRAWING()                                                                           \
    do {                                                                                           \
        const int before = frames();                                                               \
        EXPECT_TRUE(QTest::qWaitFor([&] { return frames() >= before + 3; }, 2000));                \
    } while (0)

TEST_F(InterfaceTest, SpaceTogglesFullScreenAndEscapeOnlyLeaves) {
    load();
    QWidget *main = get<QWidget>("mainWindow");
    QTest::keyClick(main, Qt::Key_Escape); // nothing to leave
    EXPECT_FALSE(controller->inFullScreen || controller->fullWindow);

    QPointer<QWidget> first;
    for (int round = 0; round < 2; ++round) {
        QTest::keyClick(main, Qt::Key_Space);
        QWidget *full = controller->fullWindow;
        ASSERT_TRUE(full && controller->inFullScreen && state().inFullScreen);
        EXPECT_NE(full, first.data()); // a new window each time
        first = full;
        EXPECT_EQ(full->windowTitle(), "Tetravolute");
        EXPECT_TRUE(full->windowFlags() & Qt::FramelessWindowHint);
        EXPECT_EQ(full->geometry(), main->screen()->geometry());
        EXPECT_EQ(windowLevel(full), 998); // the screen-saver level less 2
        EXPECT_EQ(view()->parent(), full->windowHandle());
        EXPECT_DRAWING();
        controller->goFullScreen(); // a second entry changes nothing
        EXPECT_EQ(controller->fullWindow, full);

        QTest::keyClick(full, round == 0 ? Qt::Key_Space : Qt::Key_Escape);
        EXPECT_FALSE(controller->inFullScreen || state().inFullScreen);
        EXPECT_TRUE(QTest::qWaitFor([&] { return first.isNull(); }, 2000)); // destroyed
        EXPECT_EQ(view()->parent(), main->windowHandle());
        EXPECT_DRAWING();
    }
    view()->makeCurrentContext(); // the projection is the screen's, in both places
    GLfloat projection[16];
    glGetFloatv(GL_PROJECTION_MATRIX, projection);
    EXPECT_FLOAT_EQ(projection[0], 2.0f / main->screen()->size().width());
}

// Space reaches the view from a panel whose check box has focus, which does not toggle; other
// keys, and keys without text, go on to the view's superclass, which leaves them unaccepted.
TEST_F(InterfaceTest, SpaceFromAFocusedCheckBoxAndOtherKeys) {
    load();
    controller->showPrefs(nullptr);
    Switch *axes = get<Switch>("axisSwitch");
    axes->window()->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(axes->window()));
    axes->setFocus();
    QTest::keyClick(axes, Qt::Key_Space);
    EXPECT_TRUE(controller->inFullScreen);
    QTest::keyClick(axes, Qt::Key_Space, Qt::ShiftModifier); // the view reads the character
    EXPECT_FALSE(controller->inFullScreen);
    EXPECT_EQ(axes->intValue(), 0);
    QTest::keyClick(axes, Qt::Key_Space);
    EXPECT_TRUE(controller->inFullScreen);

    // The about panel, shown by the interface itself: its button, focused, is not pressed.
    auto *home = get<QPushButton>("aboutHome");
    home->window()->show();
    home->setFocus();
    int pressed = 0;
    QObject::connect(home, &QPushButton::clicked, [&] { ++pressed; });
    QTest::keyClick(home, Qt::Key_Space);
    EXPECT_FALSE(controller->inFullScreen);
    EXPECT_EQ(pressed, 0);

    for (const auto &[key, text] : {std::pair(Qt::Key_A, "a"), std::pair(Qt::Key_Shift, "")}) {
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
        QCoreApplication::sendEvent(view(), &press);
        EXPECT_FALSE(press.isAccepted()) << text;
    }
    EXPECT_FALSE(controller->inFullScreen);
}

// In full screen every panel, shown or hidden, floats one level above the full-screen window,
// translucent; the show actions change no key window there. Leaving puts all six back at the
// floating level, opaque, and the main window key.
TEST_F(InterfaceTest, PanelsFloatAboveFullScreenAndComeBack) {
    load();
    QWidget *main = get<QWidget>("mainWindow");
    controller->showDist(nullptr); // window mode: the distance panel becomes key...
    ASSERT_TRUE(QTest::qWaitForWindowActive(get<QWidget>("distWindow")));
    controller->showSize(nullptr); // ...the size panel does not
    QTest::qWait(100);
    EXPECT_EQ(QApplication::activeWindow(), get<QWidget>("distWindow"));

    controller->goFullScreen();
    ASSERT_TRUE(QTest::qWaitForWindowActive(controller->fullWindow));
    for (const char *name : panels) {
        QWidget *panel = get<QWidget>(name);
        EXPECT_EQ(windowLevel(panel), 999) << name;
        EXPECT_FALSE(isOpaque(panel)) << name;
        EXPECT_EQ(panel->windowOpacity(), 0.8) << name;
    }
    EXPECT_TRUE(get<QWidget>("sizeWindow")->isVisible());
    EXPECT_FALSE(get<QWidget>("aboutBox")->isVisible());
    controller->showTurn(nullptr);
    controller->showPrefs(nullptr);
    QTest::qWait(100);
    EXPECT_TRUE(get<QWidget>("turnWindow")->isVisible());
    EXPECT_EQ(QApplication::activeWindow(), controller->fullWindow);

    controller->leaveFullScreen();
    ASSERT_TRUE(QTest::qWaitForWindowActive(main));
    for (const char *name : panels) {
        QWidget *panel = get<QWidget>(name);
        EXPECT_EQ(windowLevel(panel), 3) << name;
        EXPECT_TRUE(isOpaque(panel)) << name;
        EXPECT_EQ(panel->windowOpacity(), 1.0) << name;
    }
    controller->leaveFullScreen(); // a leave without an enter changes nothing
    EXPECT_EQ(view()->parent(), main->windowHandle());
}

// Two hundred rounds leave no window or container behind, keep the list names and the drawing.
TEST_F(InterfaceTest, TwoHundredRoundsLeaveNothingBehind) {
    load();
    QWidget *main = get<QWidget>("mainWindow");
    const int windows = QApplication::topLevelWidgets().size();
    const int containers = main->findChildren<QWidget *>().size();
    const GLuint lists = state().tetra;
    for (int round = 0; round < 200; ++round) {
        controller->toggleFullScreen(nullptr);
        controller->toggleFullScreen(nullptr);
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(QApplication::topLevelWidgets().size(), windows);
    EXPECT_EQ(main->findChildren<QWidget *>().size(), containers);
    EXPECT_EQ(state().tetra, lists);
    EXPECT_EQ(view()->parent(), main->windowHandle());
    EXPECT_DRAWING();
}

// The program's real interface, loaded from its files for each test, with the settings in a fresh
// folder and the clock held still; the objects are reached by the names the files give them.
#pragma once

#include "AbsoluteTime.h"
#include "Controls.h"
#include "LWController.h"
#include "LWSineController.h"
#include "LWTetravoluteView.h"
#include "Program.h"
#include "SettingRows.h"
#include "SettingsTable.h"
#include "Testing.h"

#include <functional>
#include <map>

struct InterfaceTest : ::testing::Test {
    void SetUp() override;
    void TearDown() override;
    // Writes the settings file as a person would edit it, then loads the interface.
    void load(const QByteArray &settings = {});

    template <typename T = QWidget> T *get(const QString &name) const {
        T *object = qobject_cast<T *>(named.value(name));
        EXPECT_TRUE(object) << qPrintable(name);
        return object;
    }
    LWTetravoluteView *view() const { return get<LWTetravoluteView>("view"); }
    QWidget *main() const { return get("mainWindow"); }
    // What the view holds for a setting.
    double field(int setting) const { return viewField(*view(), setting); }
    // Shows the panels by their commands (show + name), in order: all four unless named.
    void showPanels(const QStringList &names = {"Prefs", "Dist", "Size", "Turn"});
    // True once window is the application's active window. (Qt counts a shown tool window as
    // active, so QTest's own wait says nothing for the panels.)
    static bool becomesActive(QWidget *window) {
        return QTest::qWaitFor([window] { return QApplication::activeWindow() == window; });
    }
    // Frames keep coming: the view is shown and exposed where it is now. (Each animation step reads
    // the held clock once.)
    static bool drawing() {
        const int before = clockReads;
        return QTest::qWaitFor([&] { return clockReads >= before + 3; }, 20000);
    }
    static int clockReads;

    QTemporaryDir folder;
    QHash<QString, QObject *> named;
    LWController *controller = nullptr;
};

// Paint events per widget, from the moment it is installed on them.
struct Paints : QObject {
    std::map<QObject *, int> count;
    bool eventFilter(QObject *watched, QEvent *event) override {
        count[watched] += event->type() == QEvent::Paint;
        return false;
    }
};

// What a screen reader is told of the object.
inline QAccessibleInterface *accessible(QObject *object) {
    return QAccessible::queryAccessibleInterface(object);
}

// Runs an X client's command line (split at spaces) and gives what it printed; a window's id as
// X clients write it.
inline QString x11(const QString &command) {
    return outputOf(command.section(' ', 0, 0),
                    command.section(' ', 1).split(' ', Qt::SkipEmptyParts));
}
inline QString hex(const QWidget *window) {
    return window ? QString("0x%1").arg(window->winId(), 0, 16) : QString("none");
}
// Waits for what a window manager or a host does in its own time, however busy the machine is.
inline bool until(const std::function<bool()> &condition) {
    return QTest::qWaitFor(condition, 30000);
}
// Expects (or asserts) that condition comes true within until's 30 s.
#define EXPECT_SOON(condition) EXPECT_TRUE(until([&] { return bool(condition); }))
#define ASSERT_SOON(condition) ASSERT_TRUE(until([&] { return bool(condition); }))

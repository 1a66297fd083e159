// The program's real interface, loaded from its files for each test, with the settings in a fresh
// folder and the clock held still; the objects are reached by the names the files give them.
#pragma once

#include "AbsoluteTime.h"
#include "Controls.h"
#include "LWController.h"
#include "LWSineController.h"
#include "LWTetravoluteView.h"
#include "LogCapture.h"

#include <QHash>
#include <QTemporaryDir>
#include <gtest/gtest.h>

// The view's protected state, opened to the tests. The loaded view is a plain LWTetravoluteView,
// so its fields are reached through member pointers, never a cast to a subclass.
struct ViewState {
    LWCam &cam;
    bool &drawBorder, &drawSmooth, &inFullScreen, &lightScene, &showAxis, &showLogo, &waitDelay;
    std::uint32_t &low, &high, &tetra;
};

class InterfaceTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
    // True once window is the application's active window. (Qt counts a tool window as active
    // whenever it is shown, so QTest's own wait says nothing for the panels.)
    static bool becomesActive(QWidget *window);
    // Writes the settings file as a person would edit it, then loads the interface.
    void load(const QByteArray &settings = {});

    template <typename T> T *get(const char *name) const {
        T *object = qobject_cast<T *>(named.value(name));
        EXPECT_TRUE(object) << name;
        return object;
    }
    LWTetravoluteView *view() const { return get<LWTetravoluteView>("view"); }
    ViewState state() const;
    // The settings file's "key=value" lines, without the group header.
    QStringList storedLines() const;
    // A fresh read of one key from the file, or a null string.
    QString stored(const char *key) const;

    // Frames drawn so far: each animation step reads the clock twice.
    static int frames() { return clockReads / 2; }
    static int clockReads;

    QTemporaryDir folder;
    QHash<QString, QObject *> named;
    LWController *controller = nullptr;
};

// A real scene view in a shown window, a fresh settings folder and a hand-driven clock for each
// test, its state opened to the tests (OpenView).
#pragma once

#include "AbsoluteTime.h"
#include "SettingRows.h"
#include "Testing.h"

#include <memory>
#include <set>

struct ViewTest : ::testing::Test {
    static constexpr int width = 400, height = 300; // points
    static double now;

    void SetUp() override {
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(folder.path()));
        now = 1000.0;
        setAbsoluteTimeSource([] { return now; });
    }
    void TearDown() override { setAbsoluteTimeSource(nullptr); }
    // Writes the settings file as a person would edit it (or keeps the file when settings is
    // empty), then makes, shows and wakes a new view, projected one unit per point.
    void start(const QByteArray &settings = {});
    // One frame at the current fake time, as the clock would draw it.
    void frame() { view->drawRect(view->bounds()); }
    // The red levels of the last frame, read back from the back buffer, in order.
    QList<int> greyLevels() const;

    QTemporaryDir folder;
    std::unique_ptr<OpenView> view;
};

// A real scene view in a shown window, a fresh settings folder and a hand-driven clock for each
// test. TestView opens the view's state to the tests.
#pragma once

#include "AbsoluteTime.h"
#include "GLWindow.h"
#include "LWTetravoluteView.h"

#include <QSettings>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

class TestView : public LWTetravoluteView {
public:
    using LWTetravoluteView::bobble;
    using LWTetravoluteView::bubble;
    using LWTetravoluteView::cam;
    using LWTetravoluteView::distSine;
    using LWTetravoluteView::drawBorder;
    using LWTetravoluteView::drawSmooth;
    using LWTetravoluteView::fade;
    using LWTetravoluteView::high;
    using LWTetravoluteView::inFullScreen;
    using LWTetravoluteView::lightScene;
    using LWTetravoluteView::logo;
    using LWTetravoluteView::low;
    using LWTetravoluteView::o;
    using LWTetravoluteView::rads;
    using LWTetravoluteView::screenSize;
    using LWTetravoluteView::showAxis;
    using LWTetravoluteView::showLogo;
    using LWTetravoluteView::sizeSine;
    using LWTetravoluteView::startTime;
    using LWTetravoluteView::tetra;
    using LWTetravoluteView::turnSine;
    using LWTetravoluteView::updateTime;
    using LWTetravoluteView::waitDelay;
    int frames = 0;

    void drawRect(const QRectF &rect) override {
        ++frames;
        LWTetravoluteView::drawRect(rect);
    }
};

class ViewTest : public ::testing::Test {
protected:
    static constexpr int width = 400;
    static constexpr int height = 300;
    static double now;

    void SetUp() override {
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, folder.path());
        now = 1000.0;
        setAbsoluteTimeSource([] { return now; });
    }
    void TearDown() override {
        setAbsoluteTimeSource(nullptr);
        view.reset();
    }
    // Writes the settings file as a person would edit it, before the view reads it.
    void storeText(const QByteArray &lines);
    // Makes, shows and wakes the view; its projection is its own size, one unit per pixel.
    void start(int w = width, int h = height);
    // One frame at the current fake time, as the clock would draw it.
    void frame() { view->drawRect(view->bounds()); }
    // The last frame, read back from the back buffer (Mesa keeps it after the swap).
    std::array<int, 4> pixel(int x, int y) const { return backPixel(x, y); }
    std::vector<unsigned char> readRGBA() const { return backRGBA(view->width(), view->height()); }

    QTemporaryDir folder;
    std::unique_ptr<TestView> view;
};

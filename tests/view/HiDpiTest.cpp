// Run with QT_SCALE_FACTOR=2: the view's sizes are in points, its viewport, logo and axes in
// device pixels, two per point.
#include "ViewFixture.h"

// Where the red (255, 0, 0) pixels lie, in device pixels from the lower left, inclusive.
static QRect redBox(int w, int h) {
    return pixelsWhere(backImage(w, h), [](QRgb c) { return qRed(c) == 255 && qGreen(c) == 0; })
        .boundingRect();
}

// The viewport is the view's pixels. A view beyond 8K UHD would freeze the renderer for seconds:
// 3841 x 2160 points, 7682 x 4320 pixels, is left undrawn and the animation waits, with one log
// line however often it is asked; 8K UHD's pixels either way up are drawn. The red X axis, unlit,
// lies along the middle row, two points thick, its dashes (from the centre: 8 points off, then 8
// on) 16 pixels long. An opaque red logo is 64 x 64 points, 32 points in from the right and the
// bottom, in full screen only.
TEST_F(ViewTest, ViewportLogoAndAxesScaleWithTheScreen) {
    ASSERT_EQ(qEnvironmentVariable("QT_SCALE_FACTOR"), "2");
    start("lowThresh=4\nhighThresh=0\n"); // no figure
    QStringList viewports;
    const QString log = capturedLog([&] {
        for (const QSizeF size : {QSizeF(width, height), QSizeF(3841, 2160), QSizeF(2160, 3841),
                                  QSizeF(3840, 2160), QSizeF(2160, 3840)}) {
            const float before = view->rads;
            now += 1;
            view->drawRect(QRectF(QPointF(), size));
            GLint viewport[4];
            glGetIntegerv(GL_VIEWPORT, viewport);
            viewports << seen(viewport[2], viewport[3], view->rads != before);
        }
    });
    EXPECT_EQ(seen(log.count('\n'), log.contains("7682 x 4320 pixels")), "1 true");
    view->logo.reset(new unsigned char[64 * 64 * 4]);
    for (int i = 0; i < 64 * 64 * 4; ++i)
        view->logo[i] = i % 4 == 0 || i % 4 == 3 ? 255 : 0;
    view->lightScene = false;
    view->showAxis = true;
    view->cam.o = {0, 0, 0};
    frame();
    const QRect axis = redBox(2 * width, 2 * height);
    QString dashes; // along the axis's middle row, from the centre
    const QImage image = backImage(2 * width, 2 * height);
    for (int x = width; x < 2 * width; ++x)
        dashes += image.pixel(x, height) == 0xffff0000 ? '-' : ' ';
    view->showAxis = false;
    view->inFullScreen = true;
    frame();
    EXPECT_EQ(seen(viewports, axis.top(), axis.bottom(), redBox(2 * width, 2 * height),
                   dashes.startsWith(QString(16, ' ') + QString(16, '-') + ' ')),
              "QList(800 600 true, 800 600 false, 800 600 false, 7680 4320 true, 4320 7680 true) "
              "298 301 QRect(608,64 128x128) true");
}

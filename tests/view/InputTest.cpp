// The mouse drag over a real view, through real mouse events: the pointer's absolute position
// sets the camera, clamped to the view, persisted at once.
#include "ViewFixture.h"

#include "SettingsTable.h"

#include <QTest>

TEST_F(ViewTest, DragSetsTheCameraFromThePointerAndPersistsIt) {
    start();
    // Buttons held, but pressed outside the view: no drag.
    QMouseEvent stray(QEvent::MouseMove, QPointF(10, 10), QPointF(10, 10), Qt::NoButton,
                      Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(view.get(), &stray);
    EXPECT_EQ(std::make_tuple(view->cam.o.x, view->cam.o.y), std::make_tuple(0.0f, -54.735f));
    EXPECT_FALSE(QFile::exists(settingsStore().fileName()));

    QTest::mousePress(view.get(), Qt::LeftButton, {}, QPoint(10, 10));
    const struct {
        QPoint at; // Qt's window coordinates: origin top left, y down
        float x, y;
    } drags[] = {{{200, 150}, 90, 90},   // the centre
                 {{-50, 500}, 180, 180}, // below and left of the view
                 {{450, -20}, 0, 0},     // above and right of it
                 {{100, 60}, 36, 135}};  // (300 - 240) x 180 / 300, (400 - 100) x 180 / 400
    for (const auto &drag : drags) {
        QTest::mouseMove(view.get(), drag.at);
        EXPECT_EQ(std::make_tuple(view->cam.o.x, view->cam.o.y), std::make_tuple(drag.x, drag.y));
    }
    const Defaults store = settingsStore();
    EXPECT_EQ(std::make_tuple(store.floatForKey("cam_orientation_x"),
                              store.floatForKey("cam_orientation_y"),
                              store.floatForKey("cam_orientation_z")),
              std::make_tuple(36.0f, 135.0f, 120.0f));
    QTest::mouseRelease(view.get(), Qt::LeftButton, {}, QPoint(100, 60));
    QTest::mouseMove(view.get(), QPoint(200, 150));
    EXPECT_EQ(view->cam.o.x, 36.0f);

    // No width: nothing to divide by, nothing changes. The events go straight in, before the
    // window system can answer the resize with a size of its own (it has no zero-wide windows).
    view->resize(0, 300);
    ASSERT_EQ(view->width(), 0);
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(0, 10), QPointF(0, 10), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QMouseEvent drag(QEvent::MouseMove, QPointF(0, 100), QPointF(0, 100), Qt::NoButton,
                     Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(view.get(), &press);
    QCoreApplication::sendEvent(view.get(), &drag);
    EXPECT_EQ(std::make_tuple(view->cam.o.x, view->cam.o.y), std::make_tuple(36.0f, 135.0f));
}

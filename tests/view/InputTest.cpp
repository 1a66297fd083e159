// The mouse drag over a real view, through real mouse events: the pointer's absolute position
// sets the camera, clamped to the view, persisted at once.
#include "ViewFixture.h"

static void send(QWindow *window, QEvent::Type type, QPoint at, Qt::MouseButton button) {
    QMouseEvent event(type, at, at, button, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(window, &event);
}

TEST_F(ViewTest, DragSetsTheCameraFromThePointerAndPersistsIt) {
    start();
    const auto camera = [this] { return std::make_pair(view->cam.o.x, view->cam.o.y); };
    send(view.get(), QEvent::MouseMove, {10, 10}, Qt::NoButton); // pressed outside: no drag
    EXPECT_EQ(camera(), std::make_pair(0.0f, -54.735f));
    EXPECT_EQ(storedLines(), QStringList());
    QTest::mousePress(view.get(), Qt::LeftButton, {}, QPoint(10, 10));
    // Qt's window coordinates: origin top left, y down. The last: (300 - 240) x 180 / 300 and
    // (400 - 100) x 180 / 400.
    for (const auto &[at, x, y] : {std::tuple(QPoint(200, 150), 90.0f, 90.0f),   // the centre
                                   std::tuple(QPoint(-50, 500), 180.0f, 180.0f), // below, left
                                   std::tuple(QPoint(450, -20), 0.0f, 0.0f),     // above, right
                                   std::tuple(QPoint(100, 60), 36.0f, 135.0f)}) {
        QTest::mouseMove(view.get(), at);
        EXPECT_EQ(camera(), std::make_pair(x, y));
    }
    EXPECT_EQ(storedLines(), QStringList({"cam_orientation_x=36", "cam_orientation_y=135",
                                          "cam_orientation_z=120"}));
    QTest::mouseRelease(view.get(), Qt::LeftButton, {}, QPoint(100, 60));
    QTest::mouseMove(view.get(), QPoint(200, 150));
    EXPECT_EQ(camera(), std::make_pair(36.0f, 135.0f));
}

// Fixture helpers: the view's start-up and the frame's grey levels.
#include "ViewFixture.h"

double ViewTest::now = 0;

void ViewTest::start(const QByteArray &settings) {
    writeSettings(settings);
    view = std::make_unique<OpenView>();
    view->resize(width, height);
    view->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(view.get()));
    view->awakeFromNib();
    view->screenSize = QSizeF(width, height);
    view->resizeGL();
}

QList<int> ViewTest::greyLevels() const {
    std::set<int> levels;
    for (const QRgb colour : coloursOf(backImage(width, height)))
        levels.insert(qRed(colour));
    return QList<int>(levels.begin(), levels.end());
}

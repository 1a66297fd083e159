// Fixture helpers: the settings file and the view's start-up.
#include "ViewFixture.h"

#include "Defaults.h"
#include "SettingsTable.h"

#include <QFile>
#include <QTest>

double ViewTest::now = 0;

void ViewTest::storeText(const QByteArray &lines) {
    QFile file(settingsStore().fileName());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("[General]\n" + lines);
}

void ViewTest::start(int w, int h) {
    view = std::make_unique<TestView>();
    view->resize(w, h);
    view->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(view.get()));
    view->awakeFromNib();
    view->screenSize = QSizeF(w, h);
    view->resizeGL();
}

// Loads the interface, and takes all its windows and objects down again after each test.
#include "InterfaceFixture.h"

#include "Interface.h"

int InterfaceTest::clockReads = 0;

void InterfaceTest::SetUp() {
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(folder.path()));
    setAbsoluteTimeSource([] {
        ++clockReads;
        return 1000.0;
    });
}

void InterfaceTest::TearDown() {
    setAbsoluteTimeSource(nullptr);
    for (QObject *object : named)
        if (object && object->parent() == QCoreApplication::instance())
            delete object;
    QWidgetList windows; // menus and other owned windows go with their owners
    for (QWidget *window : QApplication::topLevelWidgets())
        if (!window->parentWidget())
            windows.append(window);
    qDeleteAll(windows);
}

void InterfaceTest::load(const QByteArray &settings) {
    writeSettings(settings);
    named = loadInterface();
    controller = get<LWController>("controller");
    ASSERT_TRUE(controller && QTest::qWaitForWindowExposed(main()));
    main()->activateWindow(); // shortcuts need an active window
    ASSERT_TRUE(QTest::qWaitForWindowActive(main()));
}

void InterfaceTest::showPanels(const QStringList &names) {
    for (const QString &name : names)
        QMetaObject::invokeMethod(controller, qPrintable("show" + name), Q_ARG(QObject *, nullptr));
}

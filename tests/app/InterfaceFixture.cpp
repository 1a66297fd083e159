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
    if (!settings.isEmpty()) {
        QFile file(settingsStore().fileName());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("[General]\n" + settings);
    }
    named = loadInterface();
    controller = get<LWController>("controller");
    QWidget *main = get("mainWindow");
    ASSERT_TRUE(controller && QTest::qWaitForWindowExposed(main));
    main->activateWindow(); // shortcuts need an active window
    ASSERT_TRUE(QTest::qWaitForWindowActive(main));
}

void InterfaceTest::showPanels(const QStringList &names) {
    for (const QString &name : names)
        QMetaObject::invokeMethod(controller, qPrintable("show" + name), Q_ARG(QObject *, nullptr));
}

QStringList InterfaceTest::storedLines() const {
    QFile file(settingsStore().fileName());
    file.open(QIODevice::ReadOnly); // none: no lines
    return QString::fromLatin1(file.readAll()).remove("[General]").split('\n', Qt::SkipEmptyParts);
}

QString InterfaceTest::stored(const QString &key) const {
    return storedLines().filter(QRegularExpression("^" + key + "=")).value(0).section('=', 1);
}

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

bool InterfaceTest::viewInFullScreen() const {
    struct Open : LWTetravoluteView {
        using LWTetravoluteView::inFullScreen;
    };
    return view()->*&Open::inFullScreen;
}

void InterfaceTest::showAllPanels() {
    for (const char *show : {"showPrefs", "showDist", "showSize", "showTurn"})
        QMetaObject::invokeMethod(controller, show, Q_ARG(QObject *, nullptr));
}

bool InterfaceTest::becomesActive(QWidget *window) {
    return QTest::qWaitFor([window] { return QApplication::activeWindow() == window; });
}

QStringList InterfaceTest::storedLines() const {
    QFile file(settingsStore().fileName());
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QStringList lines = QString::fromLatin1(file.readAll()).split('\n', Qt::SkipEmptyParts);
    lines.removeAll("[General]");
    return lines;
}

QString InterfaceTest::stored(const QString &key) const {
    for (const QString &line : storedLines())
        if (line.section('=', 0, 0) == key)
            return line.section('=', 1);
    return {};
}

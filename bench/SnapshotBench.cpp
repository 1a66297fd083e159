// The window icon made from the frame (generateMiniWindow) with the view at 1440 x 900: the
// frame drawn again without a step, the 900 x 900 square read back twice (colour, depth), the
// background cleared and the icon set.
#include "Interface.h"
#include "LWController.h"
#include "LWTetravoluteView.h"
#include "Windows.h"

#include <QApplication>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>
#include <benchmark/benchmark.h>

static void snapshot(benchmark::State &state) {
    QTemporaryDir settings;
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settings.path());
    const QHash<QString, QObject *> named = loadInterface();
    auto *main = qobject_cast<QWidget *>(named.value("mainWindow"));
    auto *controller = qobject_cast<LWController *>(named.value("controller"));
    auto *view = qobject_cast<LWTetravoluteView *>(named.value("view"));
    setContentAspectRatio(main, QSizeF());
    main->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    setContentSize(main, QSize(1440, 900));
    QTest::qWaitFor([&] { return view->width() == 1440 && view->height() == 900; });
    for (auto _ : state)
        controller->generateMiniWindow();
    state.SetLabel(QString("%1 x %2 view").arg(view->width()).arg(view->height()).toStdString());
    for (QObject *object : named)
        if (object && object->parent() == QCoreApplication::instance())
            delete object;
    for (QWidget *window : QApplication::topLevelWidgets())
        if (!window->parentWidget())
            window->deleteLater();
}
BENCHMARK(snapshot)->Unit(benchmark::kMillisecond)->UseRealTime();

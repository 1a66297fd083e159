// Loading and taking down: the plain objects belong to the application, the windows to nobody.
#include "LoadedInterface.h"

#include "Interface.h"

#include <QApplication>
#include <QFile>
#include <QWidget>

LoadedInterface::LoadedInterface() {
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(settings.path()));
    named = loadInterface();
}

LoadedInterface::~LoadedInterface() {
    for (QObject *object : named)
        if (object && object->parent() == QCoreApplication::instance())
            delete object;
    for (QWidget *window : QApplication::topLevelWidgets())
        if (!window->parentWidget())
            window->deleteLater();
}

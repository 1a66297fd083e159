// The program's interface definition: the files under resources/ and the classes they name.
#pragma once

#include <QHash>
#include <QString>

class QObject;

// Loads every file of the interface; returns the objects by the names the files give them.
QHash<QString, QObject *> loadInterface();

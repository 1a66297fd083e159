// The program's interface loaded for a benchmark, with the settings at their defaults in a fresh
// folder, and taken down again when it goes.
#pragma once

#include <QHash>
#include <QTemporaryDir>

class QObject;

class LoadedInterface {
public:
    LoadedInterface();
    ~LoadedInterface();
    template <typename T> T *get(const char *name) const {
        return qobject_cast<T *>(named.value(name));
    }

private:
    QTemporaryDir settings;
    QHash<QString, QObject *> named;
};

// A picture or film job for the tests: a folder of its own with a settings file, and the program
// run on it with no display.
#pragma once

#include "Program.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

// A folder for the files, a settings file in it (empty to start), and the program run there without
// a display.
struct Job {
    QTemporaryDir folder;
    Job() { settings(""); }
    QString path(const QString &name) const { return folder.filePath(name); }
    void write(const QString &name, const QByteArray &bytes) const {
        QFile file(path(name));
        file.open(QIODevice::WriteOnly);
        file.write(bytes);
    }
    QByteArray read(const QString &name) const {
        QFile file(path(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : "none";
    }
    void settings(const QString &text) const { write("s.ini", "[General]\n" + text.toUtf8()); }
    // The arguments with OUT/ for the folder.
    QStringList arguments(const QString &text) const {
        return QString(text).replace("OUT/", folder.path() + "/").split(' ');
    }
    Ended run(const QString &text) const { return runProgram(arguments(text), {}, {"DISPLAY"}); }
    // Every file but the settings, hidden ones included.
    QStringList written() const {
        QStringList all = QDir(folder.path()).entryList(QDir::Files | QDir::Hidden | QDir::System);
        all.removeAll("s.ini");
        return all;
    }
};

// The built program as a child process: its environment (settings in a folder of the test's own)
// and what it said.
#pragma once

#include <QProcess>
#include <QStringList>
#include <map>

// The test's environment without any Wayland session or platform choice, with XDG_CONFIG_HOME set
// to settings, changes applied and unset removed.
QProcessEnvironment programEnvironment(const QString &settings,
                                       const std::map<QString, QString> &changes = {},
                                       const QStringList &unset = {});
// The program's own log lines ("2026-12-06 14:11:24.123 tetravolute[4321] ...") in text.
QStringList logLines(const QByteArray &text);

struct Ended {
    int status; // -1 for a crash
    QStringList lines;
    QString out;
};
// Runs the program to its end (30 s at most) with its settings in a fresh folder, which it must
// leave untouched.
Ended runProgram(const QStringList &arguments, const std::map<QString, QString> &changes = {},
                 const QStringList &unset = {});

// What a command (a program and its arguments) printed on standard output, within 20 s.
QByteArray outputOf(const QString &program, const QStringList &arguments);

// The film's libraries (FFmpeg's and the film module) that process pid has mapped now, by name.
QStringList filmLibraries(qint64 pid);

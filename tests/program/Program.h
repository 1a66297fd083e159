// The built program as a child process: its environment (settings in the test's own folder) and
// the log lines it wrote.
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

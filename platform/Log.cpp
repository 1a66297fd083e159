// Log lines: "2026-12-06 14:11:24.123 tetravolute[4321] message", and the last line of a program
// that cannot start.
#include "Log.h"

#include <QCoreApplication>
#include <QDateTime>
#include <cstdio>
#include <cstdlib>
#include <unistd.h>

void logLine(const QString &message) {
    const QString name = QCoreApplication::applicationName();
    const QString line = QString("%1 %2[%3] %4\n")
                             .arg(QDateTime::currentDateTime().toString("yyyy-MM-dd hh:mm:ss.zzz"),
                                  name.isEmpty() ? QString("tetravolute") : name)
                             .arg(getpid())
                             .arg(message);
    std::fputs(line.toLocal8Bit().constData(), stderr);
}

void abandonLaunch(const QString &reason) {
    logLine(reason);
    std::fflush(nullptr);
    std::_Exit(1);
}

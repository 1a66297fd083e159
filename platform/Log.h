// The one diagnostic channel: a line to standard error with date, time and process, like a
// system log line.
#pragma once

#include <QString>

void logLine(const QString &message);

// The one diagnostic channel: a line to standard error with date, time and process, like a
// system log line.
#pragma once

#include <QString>

void logLine(const QString &message);

// For what the program cannot run without (a display, OpenGL): logs the reason and ends the
// process with status 1 at once, before anything has been written.
[[noreturn]] void abandonLaunch(const QString &reason);

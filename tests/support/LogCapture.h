// Log lines, caught: what a call writes to standard error.
#pragma once

#include <QString>
#include <functional>

QString capturedLog(const std::function<void()> &fn);

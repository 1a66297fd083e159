// Standard error is redirected to a temporary file for the call.
#include "LogCapture.h"

#include <QTemporaryFile>
#include <cstdio>
#include <unistd.h>

QString capturedLog(const std::function<void()> &fn) {
    QTemporaryFile capture;
    capture.open();
    std::fflush(stderr);
    const int saved = dup(STDERR_FILENO);
    dup2(capture.handle(), STDERR_FILENO);
    fn();
    std::fflush(stderr);
    dup2(saved, STDERR_FILENO);
    close(saved);
    capture.seek(0);
    return QString::fromLocal8Bit(capture.readAll());
}

// _exit is async-signal-safe; the X server frees the windows and the GL context.
#include "TerminationSignals.h"

#include <csignal>
#include <unistd.h>

static void onSignal(int) {
    _exit(0);
}

void exitOnTerminationSignals() {
    struct sigaction action = {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    sigaction(SIGTERM, &action, nullptr);
    sigaction(SIGINT, &action, nullptr);
}

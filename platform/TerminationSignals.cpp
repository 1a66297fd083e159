// _exit and setting a sig_atomic_t are async-signal-safe; the X server frees the windows and the
// GL context.
#include "TerminationSignals.h"

#include <csignal>
#include <unistd.h>

static volatile std::sig_atomic_t requested = 0;

static void onSignal(int) {
    _exit(0);
}

static void noteSignal(int) {
    requested = 1;
}

static void handle(void (*handler)(int)) {
    struct sigaction action = {};
    action.sa_handler = handler;
    sigemptyset(&action.sa_mask);
    sigaction(SIGTERM, &action, nullptr);
    sigaction(SIGINT, &action, nullptr);
}

void exitOnTerminationSignals() {
    handle(onSignal);
}

void flagTerminationSignals() {
    handle(noteSignal);
}

bool terminationRequested() {
    return requested != 0;
}

// _exit and setting a sig_atomic_t are async-signal-safe; the X server frees the windows and the
// GL context.
#include "TerminationSignals.h"

#include <csignal>
#include <initializer_list>
#include <unistd.h>

static volatile std::sig_atomic_t requested = 0;

static void onSignal(int) {
    _exit(0);
}

static void noteSignal(int signal) {
    if (requested == 0)
        requested = signal;
}

static void handle(void (*handler)(int), std::initializer_list<int> signals) {
    struct sigaction action = {};
    action.sa_handler = handler;
    sigemptyset(&action.sa_mask);
    for (const int signal : signals)
        sigaction(signal, &action, nullptr);
}

void exitOnTerminationSignals() {
    handle(onSignal, {SIGTERM, SIGINT});
}

void flagTerminationSignals() {
    handle(noteSignal, {SIGINT, SIGTERM, SIGHUP, SIGQUIT, SIGPIPE});
}

int terminationRequested() {
    return requested;
}

// SIGTERM and SIGINT end the process at once with status 0 instead of killing it: a screen-saver
// daemon's stop is a success, and comes within milliseconds even mid-frame. Only for a mode that
// holds nothing unsaved.
#pragma once

void exitOnTerminationSignals();

// Or SIGINT, SIGTERM, SIGHUP, SIGQUIT and SIGPIPE only raise a flag, for a long job (a film) that
// checks it between steps, stops and takes back what it wrote.
void flagTerminationSignals();
// The first such signal's number, or 0.
int terminationRequested();

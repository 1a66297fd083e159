// SIGTERM and SIGINT end the process at once with status 0 instead of killing it: a screen-saver
// daemon's stop is a success, and comes within milliseconds even mid-frame. Only for a mode that
// holds nothing unsaved.
#pragma once

void exitOnTerminationSignals();

// The program's command line: --help, --version, --fullscreen, and the screen-saver options
// --root and --window-id ID, as screen-saver daemons start their hacks (one dash works too).
#pragma once

#include <optional>

struct LaunchOptions {
    bool fullScreen = false; // start in full screen
    bool saver = false;      // draw on another program's window, nothing else
    // The window to draw on: --window-id, else XSCREENSAVER_WINDOW; 0 for the root window.
    unsigned long hostWindow = 0;
};

// Parses argv. --help and --version print to standard output and give 0; an unknown option or a
// malformed value prints one line and the usage to standard error and gives 2. Otherwise fills
// options and gives nothing: the program starts.
std::optional<int> parseCommandLine(int argc, char **argv, LaunchOptions *options);

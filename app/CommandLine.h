// The program's command line: --help, --version, --fullscreen, the screen-saver options --root
// and --window-id ID, as screen-saver daemons start their hacks (one dash works too), and the
// pictures and films drawn with no window: --picture FILE, --record FILE, --settings FILE,
// --size WxH, --at SECONDS, --duration (seconds, m:ss or frames as 300f) and --fps (30, 29.97,
// 30000/1001).
#pragma once

#include "VideoFile.h"

#include <QSize>
#include <QString>
#include <optional>

struct LaunchOptions {
    bool fullScreen = false; // start in full screen
    bool saver = false;      // draw on another program's window, nothing else
    // The window to draw on: --window-id, else XSCREENSAVER_WINDOW; 0 for the root window.
    unsigned long hostWindow = 0;
    QString picture, film;  // the file to draw one frame or a film into, then end
    QString settings;       // read instead of the user's store; empty: the user's
    QSize size{1920, 1080}; // of the picture or film, pixels, at most 7680 x 4320 in all
    double at = 0;          // the picture's moment or the film's first, seconds from 0
    FrameRate fps;          // the film's frames a second, 1..240 (50 for a GIF)
    int frames = 300;       // the film's length
};

// Parses argv. --help and --version print to standard output and give 0; an unknown option or a
// malformed value prints one line and the usage to standard error and gives 2. Otherwise fills
// options and gives nothing: the program starts.
std::optional<int> parseCommandLine(int argc, char **argv, LaunchOptions *options);

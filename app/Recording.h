// Pictures and films from the command line, drawn with no display: Qt's display-less platform
// holds the view, never shown, and it draws in a headless EGL context, from the stored settings
// or a settings file (read, never written). The clock is the job's own: a picture at t seconds
// shows what the window shows t seconds after it starts (the start delay aside), and each frame
// of a film at F frames a second is the picture of its moment. The figure is drawn as a
// 1080-point-high screen shows it in full screen, scaled to the picture, so the same settings
// give the same picture or film on any machine.
#pragma once

struct LaunchOptions;

// Draws options.picture, or records options.film, and gives the status to end with: 0; 1, with
// one line and no file, when it cannot be drawn or written, or a termination signal (SIGINT,
// SIGTERM, SIGHUP, SIGQUIT, SIGPIPE) stopped it; 2 for a size the GL cannot draw.
int drawWithoutDisplay(int argc, char **argv, const LaunchOptions &options);

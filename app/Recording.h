// Pictures and films of the figure from the command line: the view is made but never shown and
// draws off screen, from the stored settings (read, never written), with a clock that starts at 0
// and moves exactly 1/fps a frame, whatever drawing and encoding cost. The figure is drawn as a
// 1080-point-high screen shows it in full screen, scaled to the picture, so the same settings
// give the same picture or film on any display.
#pragma once

struct LaunchOptions;

// The frame a 30-frames-a-second film shows nearest options.at seconds (its steps up to then)
// into options.picture; 0, or 1 with one line when it cannot be written.
int drawPicture(const LaunchOptions &options);
// options.frames frames at options.fps into options.film, with progress on a terminal; 0, or 1
// with one line (and no file) when it cannot be written or SIGINT or SIGTERM stopped it.
int recordFilm(const LaunchOptions &options);

// An OpenGL context with no display at all: Mesa's surfaceless EGL platform gives a desktop
// compatibility context that draws into framebuffer objects only. Pictures and films draw in it,
// on a machine with a display or without one alike.
#pragma once

#include <QString>

// Makes such a context current for the rest of the process. Empty when it is; else one line
// saying what was tried and where it stopped.
QString makeHeadlessContextCurrent();

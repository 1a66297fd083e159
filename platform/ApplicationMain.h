// The application main: makes the application object, has the program load its main interface
// (its windows and objects) and runs the event loop on the main thread.
#pragma once

// Without a display to connect to, prints one line naming the one it tried and returns 1.
int applicationMain(int argc, char **argv);

// Defined by the program: creates, connects and wakes the objects of its main interface.
void loadMainInterface();

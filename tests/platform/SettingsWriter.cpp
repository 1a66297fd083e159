// Test helper: writes one float setting the way the program does, says so, then waits to be
// killed. Usage: settings_writer MODULE KEY VALUE
#include "Defaults.h"

#include <QCoreApplication>
#include <cstdio>
#include <unistd.h>

int main(int argc, char **argv) {
    QCoreApplication application(argc, argv);
    if (argc != 4)
        return 2;
    Defaults::forModule(argv[1]).setFloat(std::strtof(argv[3], nullptr), argv[2]);
    std::puts("written");
    std::fflush(stdout);
    for (;;)
        pause();
}

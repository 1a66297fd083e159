// The program's entry: everything else starts from the application main, which has the program
// load its interface.
#include "ApplicationMain.h"
#include "Interface.h"

#include <QCoreApplication>

int main(int argc, char **argv) {
    QCoreApplication::setApplicationVersion(TETRAVOLUTE_VERSION);
    return applicationMain(argc, argv);
}

void loadMainInterface() {
    loadInterface();
}

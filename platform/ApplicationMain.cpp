// QApplication set-up shared by the program; the interface itself is the program's.
#include "ApplicationMain.h"

#include <QApplication>

int applicationMain(int argc, char **argv) {
    QApplication application(argc, argv);
    QApplication::setApplicationName("Tetravolute");
    loadMainInterface();
    return QApplication::exec();
}

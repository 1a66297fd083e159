// The program's entry: everything else starts from the application main.
#include "ApplicationMain.h"

int main(int argc, char **argv) {
    return applicationMain(argc, argv);
}

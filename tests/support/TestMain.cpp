// Test entry: one application per process, and every settings file in a fresh temporary folder.
#include "Testing.h"

int main(int argc, char **argv) {
    ::testing::InitGoogleTest(&argc, argv);
    QApplication application(argc, argv);
    QTemporaryDir settingsFolder;
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(settingsFolder.path()));
    return RUN_ALL_TESTS();
}

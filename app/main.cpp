// The program's entry: the command line first; then a picture or a film, drawn with no display,
// or the application main, which has the program load its interface, or only the figure in
// another window when it runs as a screen saver.
#include "ApplicationMain.h"
#include "CommandLine.h"
#include "Interface.h"
#include "LWController.h"
#include "Recording.h"
#include "ScreenSaver.h"

#include <QGuiApplication>
#include <QTimer>

static LaunchOptions options;

int main(int argc, char **argv) {
    QCoreApplication::setApplicationVersion(TETRAVOLUTE_VERSION);
    if (const std::optional<int> status = parseCommandLine(argc, argv, &options))
        return *status;
    if (!options.picture.isEmpty() || !options.film.isEmpty())
        return drawWithoutDisplay(argc, argv, options);
    return applicationMain(argc, argv);
}

void loadMainInterface() {
    // Docks and switchers match the windows to the installed entry and its icon by this name.
    QGuiApplication::setDesktopFileName("org.tetravolute.Tetravolute");
    if (options.saver) {
        new ScreenSaver(options.hostWindow); // lives as long as the event loop
        return;
    }
    const QHash<QString, QObject *> named = loadInterface();
    // Once the event loop has laid out and shown the main window, as a key press would find it.
    if (options.fullScreen)
        QTimer::singleShot(0, qobject_cast<LWController *>(named.value("controller")),
                           &LWController::goFullScreen);
}

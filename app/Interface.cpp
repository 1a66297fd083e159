// The classes the interface files may name, and the files in loading order: the main window
// first, so the view and the controller exist before the panels that refer to them.
#include "Interface.h"

#include "Bundle.h"
#include "Controls.h"
#include "InterfaceLoader.h"
#include "Keyboard.h"
#include "LWController.h"
#include "LWSineButton.h"
#include "LWSineController.h"
#include "LWSineView.h"
#include "LWTetravoluteView.h"
#include "LWWindow.h"
#include "Panel.h"
#include "Windows.h"

QHash<QString, QObject *> loadInterface() {
    InterfaceLoader::registerClass<LWController>();
    InterfaceLoader::registerClass<LWWindow>();
    InterfaceLoader::registerClass<LWTetravoluteView>();
    InterfaceLoader::registerClass<LWSineController>();
    InterfaceLoader::registerClass<LWSineView>();
    InterfaceLoader::registerClass<LWSineButton>();
    InterfaceLoader::registerClass<Switch>();
    InterfaceLoader::registerClass<Slider>();
    InterfaceLoader::registerClass<Panel>();
    routeKeyboard();
    keepModalDialogsInSight();
    QStringList files;
    for (const char *name :
         {"MainMenu", "Preferences", "DistEditor", "SizeEditor", "TurnEditor", "About", "Help"})
        files << QString("%1/%2.ui").arg(resourcePath(), name);
    return InterfaceLoader::load(files);
}

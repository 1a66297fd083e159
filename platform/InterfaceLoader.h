// Builds windows, panels and the program's objects from interface-definition files (Qt Designer
// .ui), the way the original platform loaded its interface files: it creates every object a file
// names, binds the outlets, connects each control's action to its target with the control as
// the sender, sends awakeFromNib to every object in file order, and shows the windows marked
// visibleAtLaunch. Everything is named in the files, through dynamic properties:
//   objects   (string list, on a form's top-level widget) "name:Class": plain objects to create
//   outlets   (string list, on a form's top-level widget) "object.outlet=target"
//   action    (string, on a control or a menu action) "target.method": the method takes the
//             sender as its one QObject * argument, or no argument at all
// Names are looked up across all the files; "application" is the application object. A name, outlet
// or action that does not exist is one log line naming the file, the object and the name; loading
// goes on.
#pragma once

#include <QHash>
#include <QMetaObject>
#include <QString>
#include <QStringList>

class QObject;

class InterfaceLoader {
public:
    // One line per class the files may name. Widgets, OpenGL views (QWindows, shown through a
    // window container) and plain objects alike need a Q_INVOKABLE constructor with defaults.
    template <typename T> static void registerClass() {
        classes().insert(T::staticMetaObject.className(), &T::staticMetaObject);
    }

    // Loads the files in order and returns every named object. QLabel texts may say {version}
    // for the application's version.
    static QHash<QString, QObject *> load(const QStringList &files);

private:
    static QHash<QString, const QMetaObject *> &classes();
};

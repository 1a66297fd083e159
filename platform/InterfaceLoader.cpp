// QUiLoader builds the widgets (ours through createWidget); the rest is done on the meta-object
// system, so nothing here knows a class, an outlet or an action by name.
#include "InterfaceLoader.h"

#include "Log.h"

#include <QAbstractSlider>
#include <QAction>
#include <QCheckBox>
#include <QCoreApplication>
#include <QFile>
#include <QLabel>
#include <QLayout>
#include <QMetaMethod>
#include <QMetaProperty>
#include <QUiLoader>
#include <QWidget>
#include <QWindow>

QHash<QString, const QMetaObject *> &InterfaceLoader::classes() {
    static QHash<QString, const QMetaObject *> table;
    return table;
}

namespace {

// One loading: every named object with the file it came from, in creation order.
struct Loading {
    QHash<QString, QObject *> named;
    QList<QPair<QObject *, QString>> created; // object, file

    void add(const QString &file, const QString &name, QObject *object) {
        if (named.contains(name))
            logLine(QString("%1: a second object is named %2; the later one wins").arg(file, name));
        named.insert(name, object);
        created.append({object, file});
    }
};

class FormLoader : public QUiLoader {
public:
    FormLoader(const QHash<QString, const QMetaObject *> &classes, QString file)
        : classes(classes), file(std::move(file)) {}

    QWidget *createWidget(const QString &className, QWidget *parent, const QString &name) override {
        const QMetaObject *meta = classes.value(className);
        if (!meta)
            return QUiLoader::createWidget(className, parent, name);
        // Built with its parent: a widget reparented after construction would stay hidden.
        QObject *object = meta->inherits(&QWidget::staticMetaObject)
                              ? meta->newInstance(Q_ARG(QWidget *, parent))
                              : meta->newInstance();
        if (auto *widget = qobject_cast<QWidget *>(object)) {
            widget->setObjectName(name);
            return widget;
        }
        if (auto *window = qobject_cast<QWindow *>(object)) {
            window->setObjectName(name);
            views.insert(name, window);
            QWidget *container = QWidget::createWindowContainer(window, parent);
            container->setProperty("contentOf", QVariant::fromValue<QObject *>(window));
            return container;
        }
        logLine(QString("%1: %2 (%3) is not a widget or a view").arg(file, name, className));
        delete object;
        return QUiLoader::createWidget("QWidget", parent, name);
    }

    QHash<QString, QWindow *> views;

private:
    const QHash<QString, const QMetaObject *> &classes;
    QString file;
};

QStringList listProperty(const QObject *object, const char *name) {
    return object->property(name).toStringList();
}

void createObjects(const QHash<QString, const QMetaObject *> &classes, const QString &file,
                   QWidget *form, Loading *loading) {
    for (const QString &entry : listProperty(form, "objects")) {
        const QString name = entry.section(':', 0, 0).trimmed();
        const QString className = entry.section(':', 1).trimmed();
        const QMetaObject *meta = classes.value(className);
        QObject *object = meta ? meta->newInstance() : nullptr;
        if (!object) {
            logLine(QString("%1: object %2 of unknown class %3").arg(file, name, className));
            continue;
        }
        object->setParent(QCoreApplication::instance()); // lives as long as the program
        object->setObjectName(name);
        loading->add(file, name, object);
    }
}

void nameWidgets(const QString &file, QWidget *form, const FormLoader &loader, Loading *loading) {
    QList<QObject *> objects{form};
    objects += form->findChildren<QObject *>();
    for (QObject *object : objects) {
        const QString name = object->objectName();
        if (name.isEmpty() || name.startsWith("qt_") || qobject_cast<QLayout *>(object))
            continue;
        if (QWindow *view = loader.views.value(name))
            object = view; // the view, not its container
        loading->add(file, name, object);
        if (auto *label = qobject_cast<QLabel *>(object))
            label->setText(
                label->text().replace("{version}", QCoreApplication::applicationVersion()));
    }
}

void bindOutlets(const QString &file, QWidget *form, const Loading &loading) {
    for (const QString &entry : listProperty(form, "outlets")) {
        const QString source = entry.section('=', 0, 0).section('.', 0, 0).trimmed();
        const QString outlet = entry.section('=', 0, 0).section('.', 1).trimmed();
        const QString target = entry.section('=', 1).trimmed();
        QObject *object = loading.named.value(source);
        QObject *value = loading.named.value(target);
        const int index = object ? object->metaObject()->indexOfProperty(outlet.toLatin1()) : -1;
        if (!object || !value)
            logLine(QString("%1: outlet %2.%3: no object named %4")
                        .arg(file, source, outlet, object ? target : source));
        else if (index < 0)
            logLine(QString("%1: %2 has no outlet %3").arg(file, source, outlet));
        else if (!object->metaObject()->property(index).write(object, QVariant::fromValue(value)))
            logLine(QString("%1: outlet %2.%3 cannot hold %4 (%5)")
                        .arg(file, source, outlet, target, value->metaObject()->className()));
    }
}

// Calls target's method with the sender, or with nothing when the method takes no argument.
void connectAction(QObject *control, QObject *target, const QMetaMethod &method) {
    auto send = [control, target, method] {
        if (method.parameterCount() == 1)
            method.invoke(target, Qt::DirectConnection, Q_ARG(QObject *, control));
        else
            method.invoke(target, Qt::DirectConnection);
    };
    if (auto *slider = qobject_cast<QAbstractSlider *>(control))
        QObject::connect(slider, &QAbstractSlider::valueChanged, target, send);
    else if (auto *box = qobject_cast<QCheckBox *>(control))
        QObject::connect(box, &QCheckBox::stateChanged, target, send);
    else if (auto *button = qobject_cast<QAbstractButton *>(control))
        QObject::connect(button, &QAbstractButton::clicked, target, send);
    else if (auto *action = qobject_cast<QAction *>(control))
        QObject::connect(action, &QAction::triggered, target, send);
}

void connectActions(const Loading &loading) {
    for (const auto &[control, file] : loading.created) {
        const QString action = control->property("action").toString();
        if (action.isEmpty())
            continue;
        const QString targetName = action.section('.', 0, 0);
        const QByteArray name = action.section('.', 1).toLatin1();
        QObject *target = loading.named.value(targetName);
        const QMetaObject *meta = target ? target->metaObject() : nullptr;
        int index = meta ? meta->indexOfMethod(name + "(QObject*)") : -1;
        if (meta && index < 0)
            index = meta->indexOfMethod(name + "()");
        if (index < 0) {
            logLine(QString("%1: %2 sends %3, which %4")
                        .arg(file, control->objectName(), action,
                             target ? "its target does not have" : "names no object"));
            continue;
        }
        connectAction(control, target, meta->method(index));
    }
}

} // namespace

QHash<QString, QObject *> InterfaceLoader::load(const QStringList &files) {
    Loading loading;
    loading.named.insert("application", QCoreApplication::instance()); // the files' owner
    QList<QPair<QWidget *, QString>> forms;
    for (const QString &file : files) {
        QFile source(file);
        FormLoader loader(classes(), file);
        QWidget *form = source.open(QIODevice::ReadOnly) ? loader.load(&source) : nullptr;
        if (!form) {
            logLine(QString("%1: cannot be loaded: %2").arg(file, loader.errorString()));
            continue;
        }
        createObjects(classes(), file, form, &loading);
        nameWidgets(file, form, loader, &loading);
        forms.append({form, file});
    }
    for (const auto &[form, file] : forms)
        bindOutlets(file, form, loading);
    connectActions(loading);
    for (const auto &[object, file] : loading.created)
        if (object->metaObject()->indexOfMethod("awakeFromNib()") >= 0)
            QMetaObject::invokeMethod(object, "awakeFromNib", Qt::DirectConnection);
    for (const auto &[form, file] : forms)
        if (form->property("visibleAtLaunch").toBool())
            form->show();
    return loading.named;
}

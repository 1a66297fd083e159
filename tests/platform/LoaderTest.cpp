// The interface loader on a file with mistakes in it: each is one log line naming the file, the
// object and the name, and everything else still loads, binds, connects and wakes.
#include "Controls.h"
#include "InterfaceLoader.h"
#include "LogCapture.h"

#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>
#include <gtest/gtest.h>

class Holder : public QObject {
    Q_OBJECT
    Q_PROPERTY(Slider *slider MEMBER slider)
public:
    Q_INVOKABLE explicit Holder(QObject *parent = nullptr) : QObject(parent) {}
    Q_INVOKABLE void awakeFromNib() { sliderAtWake = slider; }
    Q_INVOKABLE void moved(QObject *sender) { senders.append(sender); }

    Slider *slider = nullptr;
    Slider *sliderAtWake = nullptr;
    QList<QObject *> senders;
};

static const char form[] = R"(<?xml version="1.0" encoding="UTF-8"?>
<ui version="4.0"><class>form</class><widget class="QWidget" name="form">
 <property name="objects" stdset="0"><stringlist>
  <string>holder:Holder</string><string>ghost:NoSuchClass</string></stringlist></property>
 <property name="outlets" stdset="0"><stringlist>
  <string>holder.slider=level</string><string>holder.noSuchOutlet=level</string>
  <string>holder.slider=form</string><string>holder.slider=nobody</string></stringlist></property>
 <layout class="QVBoxLayout" name="layout">
  <item><widget class="Slider" name="level"><property name="action" stdset="0">
   <string>holder.moved</string></property></widget></item>
  <item><widget class="QPushButton" name="press"><property name="action" stdset="0">
   <string>holder.noSuchAction</string></property></widget></item>
 </layout></widget>
 <customwidgets><customwidget><class>Slider</class><extends>QSlider</extends>
  <header>Controls.h</header></customwidget></customwidgets>
</ui>
)";

TEST(Loader, MistakesAreLoggedAndTheRestLoads) {
    QTemporaryDir folder;
    const QString path = folder.filePath("form.ui");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(form) > 0 && file.flush());
    InterfaceLoader::registerClass<Holder>();
    InterfaceLoader::registerClass<Slider>();

    QHash<QString, QObject *> named;
    const QString lines = capturedLog([&] { named = InterfaceLoader::load({path}); });
    for (const QString &expected :
         {path + ": object ghost of unknown class NoSuchClass",
          path + ": holder has no outlet noSuchOutlet",
          path + ": outlet holder.slider cannot hold form (QWidget)",
          path + ": outlet holder.slider: no object named nobody",
          path + ": press sends holder.noSuchAction, which its target does not have"})
        EXPECT_TRUE(lines.contains(expected)) << expected.toStdString() << "\n"
                                              << lines.toStdString();
    EXPECT_EQ(lines.count('\n'), 5);

    auto *holder = qobject_cast<Holder *>(named.value("holder"));
    auto *level = qobject_cast<Slider *>(named.value("level"));
    ASSERT_TRUE(holder && level && named.value("form"));
    EXPECT_EQ(holder->sliderAtWake, level); // bound before the wake; bad writes left it alone
    level->setFloatValue(0.5f);             // set from code: no action
    level->setValue(7);                     // moved by the user
    EXPECT_EQ(holder->senders, QList<QObject *>{level});
    delete named.value("form");
    delete holder;
}

#include "LoaderTest.moc"

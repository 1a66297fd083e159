// The settings store against a real INI file in the test program's fresh temporary folder.
#include "Defaults.h"
#include "Testing.h"

#include <sys/stat.h>

static Defaults store() {
    return Defaults::forModule("org.example.screensaver.StoreTest");
}

// What a person may type into the file (a key of each kind: b bool, i integer, f float), the
// default registered with it (unlike the value where it can be), and what it reads as: the value,
// or the default where it is no value of its kind. Ranges are the reader's business.
const char *const hand =
    "b=NO|YES|false; b=no|YES|false; b= false |YES|false; b=0|YES|false; b=yes|NO|true; "
    "b=True|NO|true; b=2|NO|true; b=maybe|NO|false; b=|YES|true; i=4|3|4; i= -7 |3|-7; i=3.9|0|3; "
    "i=99|3|99; i=banana|3|3; i=1e30|3|3; f=1.5|2|1.5; f=+0.25|2|0.25; f=-3e38|2|-3e+38; "
    "f=nan|2|2; f=inf|2|2; f=1e39|2|2; f=1.5x|2|2; f=|2|2";

TEST(Store, HandEditedValuesReadAsWhatTheySayAndAFifoIsLeftAlone) {
    const QStringList values = QString(hand).split("; ");
    QByteArray text = "not a setting\n[General]\n"; // one file, a key of its own for each line
    Defaults::Table defaults;
    for (int i = 0; i < values.size(); ++i) {
        const QString row = values[i], key = row.left(1) + QString::number(i),
                      fallback = row.section('|', 1, 1);
        text += (key + row.section('|', 0, 0).mid(1) + "\n").toLatin1();
        defaults.push_back({key, key[0] == 'b'   ? QVariant(fallback)
                                 : key[0] == 'i' ? QVariant(fallback.toLongLong())
                                                 : QVariant(fallback.toFloat())});
    }
    QFile edited(store().fileName());
    ASSERT_TRUE(edited.open(QIODevice::WriteOnly) && edited.write(text) && edited.flush());
    store().registerDefaults(defaults);
    for (int i = 0; i < values.size(); ++i) {
        const QString key = defaults[i].first;
        const QString read = key[0] == 'b'   ? seen(store().boolForKey(key))
                             : key[0] == 'i' ? seen(store().integerForKey(key))
                                             : seen(store().floatForKey(key));
        EXPECT_EQ(read, values[i].section('|', 2)) << qPrintable(values[i]);
    }
    // A FIFO in place of the file would block its opening until someone wrote to it (the test's
    // time limit would end it): the store answers its defaults, says so once, and writes nothing.
    Defaults piped = Defaults::forModule("org.example.screensaver.FifoTest");
    piped.registerDefaults({{"depth", qint64(3)}});
    ASSERT_EQ(mkfifo(QFile::encodeName(piped.fileName()).constData(), 0600), 0);
    const QString log = capturedLog([&] {
        piped.setInteger(4, "depth");
        EXPECT_EQ(piped.integerForKey("depth"), 3);
    });
    const QFileInfo file(piped.fileName());
    EXPECT_EQ(seen(log.count('\n'), log.contains(file.filePath() + " is not a regular file"),
                   file.exists() && !file.isFile()),
              "1 true true");
}

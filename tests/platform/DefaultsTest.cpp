// The settings store against a real INI file in a fresh temporary folder per test.
#include "Defaults.h"
#include "Testing.h"

#include <sys/stat.h>

static Defaults store() {
    return Defaults::forModule("org.example.screensaver.StoreTest");
}

class Store : public ::testing::Test {
protected:
    void SetUp() override {
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(folder.path()));
        store().registerDefaults({{"depth", qint64(3)}});
    }
    QTemporaryDir folder;
};

// What a person may type into the file (a key of each kind: b bool, i integer, f float), the
// default registered with it (unlike the value where it can be), and what it reads as: the value,
// or the default where it is no value of its kind. Ranges are the reader's business.
const char *const hand =
    "b=NO|YES|false; b=no|YES|false; b= false |YES|false; b=0|YES|false; b=yes|NO|true; "
    "b=True|NO|true; b=2|NO|true; b=maybe|NO|false; b=|YES|true; i=4|3|4; i= -7 |3|-7; i=3.9|0|3; "
    "i=99|3|99; i=banana|3|3; i=1e30|3|3; f=1.5|2|1.5; f=+0.25|2|0.25; f=-3e38|2|-3e+38; "
    "f=nan|2|2; f=inf|2|2; f=1e39|2|2; f=1.5x|2|2; f=|2|2";

TEST_F(Store, HandEditedValuesReadAsWhatTheySay) {
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
}

// Opening a FIFO blocks until someone writes to it (the test's time limit would end it): the store
// answers its defaults, says so once, and writes nothing.
TEST_F(Store, AFifoIsNeitherReadNorWritten) {
    const QString path = store().fileName();
    ASSERT_EQ(mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    const QString log = capturedLog([] {
        store().setInteger(4, "depth");
        EXPECT_EQ(store().integerForKey("depth"), 3);
    });
    EXPECT_EQ(seen(log.count('\n'), log.contains(path + " is not a regular file"),
                   QFileInfo(path).exists() && !QFileInfo(path).isFile()),
              "1 true true");
}

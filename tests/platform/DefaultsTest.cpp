// The settings store against a real INI file in a fresh temporary folder per test.
#include "Defaults.h"
#include "LogCapture.h"

#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <cfloat>
#include <gtest/gtest.h>
#include <sys/stat.h>

static Defaults store() {
    return Defaults::forModule("org.example.screensaver.StoreTest");
}

class Store : public ::testing::Test {
protected:
    void SetUp() override {
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(folder.path()));
        store().registerDefaults({{"shades", QString("YES")}, {"depth", qint64(3)}});
    }
    // The file's bytes, read past the store: what a killed program would leave.
    static QByteArray file() {
        QFile file(store().fileName());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    QTemporaryDir folder;
};

// Registered defaults answer until a value is stored, are never written, and answer again once
// the value is removed; each change is in the file at once; floats go there in their shortest
// form and come back bit for bit.
TEST_F(Store, DefaultsAnswerUntilAValueIsStoredAndFloatsRoundTrip) {
    store().setInteger(4, "depth");
    EXPECT_EQ(std::make_pair(file(), store().integerForKey("depth")),
              std::make_pair(QByteArray("[General]\ndepth=4\n"), qint64(4)));
    store().removeObjectForKey("depth");
    EXPECT_EQ(std::make_pair(file(), store().integerForKey("depth")),
              std::make_pair(QByteArray(), qint64(3)));
    for (float value : {0.382f, -54.735f, 1e-8f, FLT_MAX, FLT_MIN / 4, 359.9f}) {
        store().setFloat(value, "zoom");
        EXPECT_EQ(store().floatForKey("zoom"), value);
    }
    store().setFloat(0.382f, "zoom");
    EXPECT_TRUE(file().contains("zoom=0.382\n"));
}

// What a person may type into the file: each value as it reads, or the default (given with it,
// unlike the value where it can be) where it is no value of its kind. Ranges are the reader's
// business, not the store's.
TEST_F(Store, HandEditedValuesReadAsWhatTheySay) {
    const struct {
        const char *line;
        QVariant fallback, read;
    } values[] = {{"b=NO", "YES", false}, {"b=no", "YES", false},   {"b= false ", "YES", false},
                  {"b=0", "YES", false},  {"b=yes", "NO", true},    {"b=True", "NO", true},
                  {"b=2", "NO", true},    {"b=maybe", "NO", false}, {"b=", "YES", true},
                  {"i=4", 3, 4},          {"i= -7 ", 3, -7},        {"i=3.9", 0, 3},
                  {"i=99", 3, 99},        {"i=banana", 3, 3},       {"i=1e30", 3, 3},
                  {"f=1.5", 2.0f, 1.5f},  {"f=+0.25", 2.0f, 0.25f}, {"f=-3e38", 2.0f, -3e38f},
                  {"f=nan", 2.0f, 2.0f},  {"f=inf", 2.0f, 2.0f},    {"f=1e39", 2.0f, 2.0f},
                  {"f=1.5x", 2.0f, 2.0f}, {"f=", 2.0f, 2.0f}};
    QByteArray text = "not a setting\n[General]\n"; // one file, a key of its own for each line
    Defaults::Table defaults;
    for (const auto &value : values) {
        const QString line = value.line,
                      key = line.section('=', 0, 0) + QString::number(text.size());
        text += (key + "=" + line.section('=', 1) + "\n").toLatin1();
        defaults.push_back(
            {key, key[0] == 'i' ? QVariant(qint64(value.fallback.toInt())) : value.fallback});
    }
    QFile file(store().fileName());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(text));
    file.close();
    store().registerDefaults(defaults);
    for (std::size_t i = 0; i < defaults.size(); ++i) {
        const QString key = defaults[i].first;
        const QVariant read = key[0] == 'b'   ? QVariant(store().boolForKey(key))
                              : key[0] == 'i' ? QVariant(int(store().integerForKey(key)))
                                              : QVariant(store().floatForKey(key));
        EXPECT_EQ(read, values[i].read) << values[i].line;
    }
}

// Opening a FIFO blocks until someone writes to it: the store answers its defaults at once, says
// so once, and writes nothing. A link to a regular file is read and written through.
TEST_F(Store, AFifoIsNeitherReadNorWrittenALinkIsFollowed) {
    const QString path = store().fileName();
    ASSERT_EQ(mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    QElapsedTimer clock;
    clock.start();
    const QString log = capturedLog([] {
        store().setInteger(4, "depth");
        store().removeObjectForKey("zoom");
        EXPECT_EQ(store().integerForKey("depth"), 3);
    });
    EXPECT_LT(clock.elapsed(), 1000);
    EXPECT_TRUE(log.contains(path + " is not a regular file") && log.count('\n') == 1)
        << qPrintable(log);
    EXPECT_TRUE(QFileInfo(path).exists() && !QFileInfo(path).isFile()); // still the FIFO

    QFile::remove(path);
    QTemporaryDir elsewhere;
    QFile kept(elsewhere.filePath("kept.ini"));
    ASSERT_TRUE(kept.open(QIODevice::WriteOnly) && kept.write("[General]\ndepth=2\n"));
    kept.close();
    ASSERT_TRUE(QFile::link(kept.fileName(), path));
    store().setFloat(1.5f, "zoom");
    EXPECT_EQ(store().integerForKey("depth"), 2);
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
    EXPECT_TRUE(kept.readAll().contains("zoom=1.5"));
}

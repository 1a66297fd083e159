// The settings store against a real INI file in a fresh temporary folder per test.
#include "Defaults.h"
#include "LogCapture.h"

#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <cfloat>
#include <gtest/gtest.h>
#include <sys/stat.h>

static const QString module = "org.example.screensaver.StoreTest";

class Store : public ::testing::Test {
protected:
    void SetUp() override {
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(folder.path()));
        Defaults::forModule(module).registerDefaults(
            {{"shades", QString("YES")}, {"depth", qint64(3)}, {"zoom", 2.0f}});
    }
    QByteArray file(const QByteArray &replacement = {}) {
        QFile file(Defaults::forModule(module).fileName());
        if (replacement.isEmpty())
            return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
        EXPECT_TRUE(file.open(QIODevice::WriteOnly) && file.write(replacement));
        return replacement;
    }
    QTemporaryDir folder;
};

// Registered defaults answer until a value is stored, are never written, and answer again once
// the value is removed; floats go to the file in their shortest form and come back bit for bit.
TEST_F(Store, DefaultsAnswerUntilAValueIsStoredAndFloatsRoundTrip) {
    EXPECT_TRUE(Defaults::forModule(module).boolForKey("shades"));
    Defaults::forModule(module).setInteger(4, "depth");
    EXPECT_EQ(file(), "[General]\ndepth=4\n");
    EXPECT_EQ(Defaults::forModule(module).integerForKey("depth"), 4);
    Defaults::forModule(module).removeObjectForKey("depth");
    EXPECT_EQ(Defaults::forModule(module).integerForKey("depth"), 3);
    for (float value : {0.382f, -54.735f, 1e-8f, FLT_MAX, FLT_MIN / 4, 359.9f}) {
        Defaults::forModule(module).setFloat(value, "zoom");
        EXPECT_EQ(Defaults::forModule(module).floatForKey("zoom"), value);
    }
    Defaults::forModule(module).setFloat(0.382f, "zoom");
    EXPECT_TRUE(file().contains("zoom=0.382\n"));
}

// What a person may type into the file: each value as it reads, or the default (given with it,
// unlike the value where it can be) where it is no value of its kind. Ranges are the reader's
// business, not the store's.
TEST_F(Store, HandEditedValuesReadAsWhatTheySay) {
    const struct {
        const char *line;
        QVariant fallback, read;
    } values[] = {
        {"shades=NO", "YES", false},
        {"shades=no", "YES", false},
        {"shades= false ", "YES", false},
        {"shades=0", "YES", false},
        {"shades=yes", "NO", true},
        {"shades=True", "NO", true},
        {"shades=2", "NO", true},
        {"shades=maybe", "NO", false},
        {"shades=", "YES", true},
        {"depth=4", 3, 4},
        {"depth= -7 ", 3, -7},
        {"depth=3.9", 0, 3},
        {"depth=99", 3, 99},
        {"depth=banana", 3, 3},
        {"depth=1e30", 3, 3},
        {"zoom=1.5", 2.0f, 1.5f},
        {"zoom=+0.25", 2.0f, 0.25f},
        {"zoom=-3e38", 2.0f, -3e38f},
        {"zoom=nan", 2.0f, 2.0f},
        {"zoom=inf", 2.0f, 2.0f},
        {"zoom=1e39", 2.0f, 2.0f},
        {"zoom=1.5x", 2.0f, 2.0f},
        {"zoom=", 2.0f, 2.0f},
    };
    // One file, a key of its own for each line.
    QByteArray text = "not a setting\n[General]\n";
    Defaults::Table defaults;
    for (std::size_t i = 0; i < std::size(values); ++i) {
        const QString line = values[i].line, kind = line.section('=', 0, 0);
        text += (kind + QString::number(i) + "=" + line.section('=', 1) + "\n").toLatin1();
        const QVariant fallback = values[i].fallback;
        defaults.push_back({kind + QString::number(i),
                            kind == "depth" ? QVariant(qint64(fallback.toInt())) : fallback});
    }
    file(text);
    Defaults::forModule(module).registerDefaults(defaults);
    const Defaults store = Defaults::forModule(module);
    for (std::size_t i = 0; i < std::size(values); ++i) {
        const QString key = defaults[i].first;
        const QVariant read = key.startsWith("shades")  ? QVariant(store.boolForKey(key))
                              : key.startsWith("depth") ? QVariant(int(store.integerForKey(key)))
                                                        : QVariant(store.floatForKey(key));
        EXPECT_EQ(read, values[i].read) << values[i].line;
    }
}

// A writer killed a second after it changed a setting loses nothing.
TEST_F(Store, WritesReachTheFileWithoutAnExplicitFlush) {
    QProcess writer;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("XDG_CONFIG_HOME", folder.path());
    writer.setProcessEnvironment(environment);
    writer.start(SETTINGS_WRITER, {module, "zoom", "1.25"});
    ASSERT_TRUE(writer.waitForReadyRead(10000));
    QThread::msleep(1000);
    writer.kill();
    writer.waitForFinished();
    EXPECT_EQ(Defaults::forModule(module).floatForKey("zoom"), 1.25f);
}

// Opening a FIFO blocks until someone writes to it: the store answers its defaults at once, says
// so once, and writes nothing. A link to a regular file is read and written through.
TEST_F(Store, AFifoIsNeitherReadNorWrittenALinkIsFollowed) {
    const QString path = Defaults::forModule(module).fileName();
    ASSERT_EQ(mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    QElapsedTimer clock;
    clock.start();
    const QString log = capturedLog([] {
        Defaults::forModule(module).registerDefaults({{"depth", qint64(3)}});
        Defaults::forModule(module).setInteger(4, "depth");
        Defaults::forModule(module).removeObjectForKey("zoom");
        EXPECT_EQ(Defaults::forModule(module).integerForKey("depth"), 3);
    });
    EXPECT_LT(clock.elapsed(), 1000);
    EXPECT_EQ(log.count('\n'), 1) << log.toStdString();
    EXPECT_TRUE(log.contains(path + " is not a regular file")) << log.toStdString();
    EXPECT_TRUE(QFileInfo(path).exists() && !QFileInfo(path).isFile()); // still the FIFO

    QFile::remove(path);
    QTemporaryDir elsewhere;
    QFile kept(elsewhere.filePath("kept.ini"));
    ASSERT_TRUE(kept.open(QIODevice::WriteOnly) && kept.write("[General]\ndepth=2\n"));
    kept.close();
    ASSERT_TRUE(QFile::link(kept.fileName(), path));
    EXPECT_EQ(Defaults::forModule(module).integerForKey("depth"), 2);
    Defaults::forModule(module).setFloat(1.5f, "zoom");
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
    EXPECT_TRUE(kept.readAll().contains("zoom=1.5"));
}

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
            {{"shades", QString("YES")}, {"depth", qint64(3)}, {"zoom", 2.0f}, {"amp", 0.382f}});
    }
    QByteArray file(const QByteArray &replacement = {}) {
        QFile file(Defaults::forModule(module).fileName());
        if (replacement.isEmpty())
            return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
        file.open(QIODevice::WriteOnly);
        file.write(replacement);
        return replacement;
    }
    QTemporaryDir folder;
};

TEST_F(Store, DefaultsAnswerUntilAValueIsStoredAndAgainAfterItsRemoval) {
    EXPECT_TRUE(Defaults::forModule(module).boolForKey("shades"));
    Defaults::forModule(module).setInteger(4, "depth");
    EXPECT_EQ(file(), "[General]\ndepth=4\n"); // registered defaults are never written
    EXPECT_EQ(Defaults::forModule(module).integerForKey("depth"), 4);
    Defaults::forModule(module).removeObjectForKey("depth");
    EXPECT_EQ(Defaults::forModule(module).integerForKey("depth"), 3);
}

TEST_F(Store, FloatsRoundTripExactlyAndUnusableValuesReadAsDefaults) {
    for (float value : {0.382f, -54.735f, 1e-8f, FLT_MAX, FLT_MIN / 4, 359.9f}) {
        Defaults::forModule(module).setFloat(value, "zoom");
        EXPECT_EQ(Defaults::forModule(module).floatForKey("zoom"), value);
    }
    Defaults::forModule(module).setFloat(0.382f, "amp");
    EXPECT_TRUE(file().contains("amp=0.382\n"));

    file("not a setting\n[General]\nshades=NO\ndepth=banana\nzoom=nan\namp=1e39\n");
    const Defaults store = Defaults::forModule(module);
    EXPECT_FALSE(store.boolForKey("shades"));
    EXPECT_EQ(store.integerForKey("depth"), 3);
    EXPECT_EQ(store.floatForKey("zoom"), 2.0f);
    EXPECT_EQ(store.floatForKey("amp"), 0.382f);
    file("[General]\nshades=0\ndepth=99\n");
    EXPECT_FALSE(Defaults::forModule(module).boolForKey("shades"));
    EXPECT_EQ(Defaults::forModule(module).integerForKey("depth"), 99); // the reader clamps
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
// so once, and writes nothing. Registering defaults does not look at the file at all.
TEST_F(Store, AFifoInPlaceOfTheFileIsNeitherReadNorWritten) {
    const QString path = Defaults::forModule(module).fileName();
    ASSERT_EQ(mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    QElapsedTimer clock;
    clock.start();
    const QString log = capturedLog([] {
        Defaults::forModule(module).registerDefaults({{"depth", qint64(3)}});
        Defaults::forModule(module).setInteger(4, "depth");
        Defaults::forModule(module).removeObjectForKey("zoom");
        const Defaults store = Defaults::forModule(module);
        EXPECT_EQ(store.integerForKey("depth"), 3);
        EXPECT_TRUE(store.boolForKey("shades"));
        EXPECT_EQ(store.floatForKey("zoom"), 2.0f);
    });
    EXPECT_LT(clock.elapsed(), 1000);
    EXPECT_EQ(log.count('\n'), 1) << log.toStdString();
    EXPECT_TRUE(log.contains(path + " is not a regular file")) << log.toStdString();
    EXPECT_TRUE(QFileInfo(path).exists() && !QFileInfo(path).isFile()); // still the FIFO
}

// A link to a regular file is read and written through, as a person keeping dotfiles expects.
TEST_F(Store, ALinkToARegularFileIsUsed) {
    QTemporaryDir elsewhere;
    const QString target = elsewhere.filePath("kept.ini");
    QFile kept(target);
    ASSERT_TRUE(kept.open(QIODevice::WriteOnly));
    kept.write("[General]\ndepth=2\n");
    kept.close();
    ASSERT_TRUE(QFile::link(target, Defaults::forModule(module).fileName()));
    EXPECT_EQ(capturedLog([] { EXPECT_EQ(Defaults::forModule(module).integerForKey("depth"), 2); }),
              "");
    Defaults::forModule(module).setFloat(1.5f, "zoom");
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
    EXPECT_TRUE(kept.readAll().contains("zoom=1.5"));
}

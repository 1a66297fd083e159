// The settings store against a real INI file in a fresh temporary folder per test.
#include "Defaults.h"

#include <QFile>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QThread>
#include <cfloat>
#include <cstring>
#include <gtest/gtest.h>

static const QString module = "org.example.screensaver.StoreTest";

class Store : public ::testing::Test {
protected:
    void SetUp() override {
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, folder.path());
        Defaults::forModule(module).registerDefaults({{"shades", QString("YES")},
                                                      {"border", QString("NO")},
                                                      {"depth", qint64(3)},
                                                      {"zoom", 2.0f},
                                                      {"amp", 0.382f}});
    }
    void writeFile(const QByteArray &text) {
        QFile file(Defaults::forModule(module).fileName());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text);
    }
    QByteArray fileText() {
        QFile file(Defaults::forModule(module).fileName());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    QTemporaryDir folder;
};

static std::uint32_t bits(float value) {
    std::uint32_t word;
    std::memcpy(&word, &value, 4);
    return word;
}

TEST_F(Store, RegisteredDefaultsAnswerAndAreNeverWritten) {
    {
        Defaults store = Defaults::forModule(module);
        EXPECT_TRUE(store.boolForKey("shades"));
        EXPECT_FALSE(store.boolForKey("border"));
        EXPECT_EQ(store.integerForKey("depth"), 3);
        EXPECT_EQ(store.floatForKey("amp"), 0.382f);
        EXPECT_EQ(store.floatForKey("unknown"), 0.0f);
        store.setInteger(4, "depth");
    }
    const QByteArray text = fileText();
    EXPECT_TRUE(text.contains("depth=4"));
    EXPECT_FALSE(text.contains("amp"));
    EXPECT_FALSE(text.contains("shades"));

    Defaults::forModule(module).removeObjectForKey("depth");
    EXPECT_EQ(Defaults::forModule(module).integerForKey("depth"), 3);
    EXPECT_FALSE(fileText().contains("depth"));
}

TEST_F(Store, FloatsRoundTripBitExactlyThroughTheFile) {
    const float values[] = {0.382f, -54.735f, 0.1f, 1e-8f, FLT_MAX, FLT_MIN / 4, -0.0f, 359.9f};
    for (float value : values) {
        Defaults::forModule(module).setFloat(value, "zoom");
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, folder.path());
        EXPECT_EQ(bits(Defaults::forModule(module).floatForKey("zoom")), bits(value)) << value;
    }
    Defaults::forModule(module).setFloat(0.382f, "amp");
    EXPECT_TRUE(fileText().contains("amp=0.382\n")) << fileText().constData();
}

TEST_F(Store, HandEditedValuesReadAsBoolsOrFallBack) {
    writeFile("this line is not a setting\n"
              "[General]\n"
              "shades=NO\nborder=yes\ndepth=banana\nzoom=nan\namp=inf\n"
              "garbage line without equals\n");
    const Defaults store = Defaults::forModule(module);
    EXPECT_FALSE(store.boolForKey("shades"));
    EXPECT_TRUE(store.boolForKey("border"));
    EXPECT_EQ(store.integerForKey("depth"), 3); // unparsable: the default
    EXPECT_EQ(store.floatForKey("zoom"), 2.0f); // non-finite: the default
    EXPECT_EQ(store.floatForKey("amp"), 0.382f);

    writeFile("[General]\nshades=0\nborder=2\ndepth=99\nzoom=1e39\namp= 0.5 \n");
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, folder.path());
    const Defaults reread = Defaults::forModule(module);
    EXPECT_FALSE(reread.boolForKey("shades"));
    EXPECT_TRUE(reread.boolForKey("border"));
    EXPECT_EQ(reread.integerForKey("depth"), 99); // in range for the store; users clamp
    EXPECT_EQ(reread.floatForKey("zoom"), 2.0f);  // beyond float
    EXPECT_EQ(reread.floatForKey("amp"), 0.5f);
}

// A writer killed a second after it changed a setting loses nothing, and the file is whole.
TEST_F(Store, WritesReachTheFileWithoutAnExplicitFlush) {
    QProcess writer;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("XDG_CONFIG_HOME", folder.path());
    writer.setProcessEnvironment(environment);
    writer.start(SETTINGS_WRITER, {module, "zoom", "1.25"});
    ASSERT_TRUE(writer.waitForReadyRead(10000));
    EXPECT_EQ(writer.readLine().trimmed(), "written");
    QThread::msleep(1000);
    writer.kill();
    writer.waitForFinished();
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, folder.path());
    EXPECT_EQ(Defaults::forModule(module).floatForKey("zoom"), 1.25f);
    EXPECT_TRUE(fileText().startsWith("[General]\n"));
}

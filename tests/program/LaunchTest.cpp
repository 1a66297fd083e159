// The program started as a user would, on a machine without what it needs: it must say what is
// missing in one line and end with status 1, before it touches the settings.
#include <QDir>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

struct Ended {
    int status;
    QStringList lines; // the program's own log lines on standard error
};

class Launch : public ::testing::Test {
protected:
    Ended run(const std::map<QString, QString> &changes, const QStringList &unset = {}) {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("XDG_CONFIG_HOME", settings.path());
        for (const auto &[name, value] : changes)
            environment.insert(name, value);
        for (const QString &name : unset)
            environment.remove(name);
        QProcess program;
        program.setProcessEnvironment(environment);
        program.start(TETRAVOLUTE);
        EXPECT_TRUE(program.waitForFinished(10000)) << "still running after 10 s";
        program.kill();
        const QString errors = QString::fromLocal8Bit(program.readAllStandardError());
        const QRegularExpression logLine(R"(^\d{4}-\d\d-\d\d [\d:.]+ \w+\[\d+\] )");
        const QStringList lines = errors.split('\n').filter(logLine);
        EXPECT_TRUE(QDir(settings.path()).isEmpty()) << "the settings were touched";
        return {program.exitStatus() == QProcess::NormalExit ? program.exitCode() : -1, lines};
    }
    QTemporaryDir settings;
};

TEST_F(Launch, WithoutADisplayItNamesTheOneItTried) {
    const Ended unset = run({}, {"DISPLAY", "WAYLAND_DISPLAY"});
    EXPECT_EQ(unset.status, 1);
    ASSERT_EQ(unset.lines.size(), 1) << unset.lines.join('\n').toStdString();
    EXPECT_TRUE(unset.lines[0].contains("needs a display")) << unset.lines[0].toStdString();
    EXPECT_TRUE(unset.lines[0].contains("DISPLAY unset")) << unset.lines[0].toStdString();

    const Ended nowhere = run({{"DISPLAY", ":4711"}});
    EXPECT_EQ(nowhere.status, 1);
    ASSERT_EQ(nowhere.lines.size(), 1);
    EXPECT_TRUE(nowhere.lines[0].contains(R"(DISPLAY=":4711")")) << nowhere.lines[0].toStdString();
}

TEST_F(Launch, WithoutFixedFunctionOpenGLItNamesWhatItFound) {
    const Ended core = run({{"MESA_GL_VERSION_OVERRIDE", "3.3FC"}});
    EXPECT_EQ(core.status, 1);
    ASSERT_EQ(core.lines.size(), 1) << core.lines.join('\n').toStdString();
    EXPECT_TRUE(core.lines[0].contains("display lists")) << core.lines[0].toStdString();
    EXPECT_TRUE(core.lines[0].contains("OpenGL 3.3")) << core.lines[0].toStdString();
    EXPECT_TRUE(core.lines[0].contains("core profile")) << core.lines[0].toStdString();

    const Ended none = run({{"QT_XCB_GL_INTEGRATION", "none"}});
    EXPECT_EQ(none.status, 1);
    ASSERT_EQ(none.lines.size(), 1) << none.lines.join('\n').toStdString();
    EXPECT_TRUE(none.lines[0].contains("no context could be made")) << none.lines[0].toStdString();
}

} // namespace

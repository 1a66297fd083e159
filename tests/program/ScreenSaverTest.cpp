// The program as a screen saver, drawing in a window this test makes, as a daemon or a settings
// dialog's preview would: pixels read back from that window, its resizing, its clicks and its
// destruction, the daemon's signals, and every host's way of starting it.
#include "Program.h"

#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QPainter>
#include <QRasterWindow>
#include <QRegularExpression>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>
#include <functional>
#include <gtest/gtest.h>

namespace {

constexpr QRgb blue = 0xff0000ff;
constexpr QRgb background = 0xffcccccc; // the figure's grey, 0.8

// A window of some other program: plain blue wherever nothing covers it; it counts its clicks.
class Host : public QRasterWindow {
public:
    int clicks = 0;

protected:
    void paintEvent(QPaintEvent *) override {
        QPainter(this).fillRect(QRect(QPoint(), size()), QColor(blue));
    }
    void mousePressEvent(QMouseEvent *) override { ++clicks; }
};

// The figure, unlit, is black and white on the grey: all three, none of the host's blue, and the
// grey in every corner.
bool figureFills(const QImage &image) {
    const int right = image.width() - 1, top = image.height() - 1;
    for (const QPoint corner : {QPoint(0, 0), QPoint(right, 0), QPoint(0, top), QPoint(right, top)})
        if (image.pixel(corner) != background)
            return false;
    bool dark = false, light = false;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QRgb pixel = image.pixel(x, y);
            if (pixel == blue)
                return false;
            dark |= pixel == 0xff000000;
            light |= pixel == 0xffffffff;
        }
    return dark && light;
}

class ScreenSaver : public ::testing::Test {
protected:
    void SetUp() override {
        host.resize(320, 200);
        host.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&host));
        QFile file(settings.filePath("org.tetravolute.screensaver.Tetravolute.ini"));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(stored));
    }
    void TearDown() override {
        saver.kill();
        saver.waitForFinished();
        QFile file(settings.filePath("org.tetravolute.screensaver.Tetravolute.ini"));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        EXPECT_EQ(file.readAll(), stored) << "a setting was written";
    }
    QString hostId() const { return QString("0x%1").arg(host.winId(), 0, 16); }
    void start(const QStringList &arguments, const QString &daemonWindow,
               const QString &program = TETRAVOLUTE) {
        saver.setProcessEnvironment(
            programEnvironment(settings.path(), {{"XSCREENSAVER_WINDOW", daemonWindow}}));
        saver.start(program, arguments);
        ASSERT_TRUE(saver.waitForStarted());
    }
    // Waits up to 10 s for the host's pixels to satisfy test.
    bool shows(const std::function<bool(const QImage &)> &test) {
        return QTest::qWaitFor(
            [&] {
                return test(QGuiApplication::primaryScreen()->grabWindow(host.winId()).toImage());
            },
            10000);
    }
    // A signal to the program; it must be gone within 100 ms, with status 0.
    void stop(int signal) {
        QElapsedTimer clock;
        clock.start();
        ::kill(pid_t(saver.processId()), signal);
        ASSERT_TRUE(saver.waitForFinished(2000));
        EXPECT_LT(clock.elapsed(), 100);
        EXPECT_EQ(std::make_pair(saver.exitStatus(), saver.exitCode()),
                  std::make_pair(QProcess::NormalExit, 0))
            << saver.readAllStandardError().toStdString();
        host.update(); // blue again for the next
        ASSERT_TRUE(shows([](const QImage &image) { return image.pixel(0, 0) == blue; }));
    }

    const QByteArray stored = "[General]\ndelay=NO\ndrawShades=NO\n";
    QTemporaryDir settings;
    Host host;
    QProcess saver;
};

// The window named on the command line (decimal), by the daemon (hex), or by a preview's command
// line that adds --window-id to --root: the figure fills it and follows its size; clicks on it go
// to the host; SIGTERM and SIGINT end it.
TEST_F(ScreenSaver, DrawsInTheWindowItIsGivenAndLeavesItsInputAlone) {
    const struct {
        QStringList arguments;
        bool daemonsWindow;
        int signal;
    } ways[] = {{{"--window-id", "HOST"}, false, SIGTERM},
                {{"--root"}, true, SIGINT},
                {{"--root", "--window-id", "HOST"}, false, SIGTERM}};
    for (const auto &way : ways) {
        QStringList arguments = way.arguments;
        arguments.replaceInStrings("HOST", QString::number(host.winId()));
        start(arguments, way.daemonsWindow ? hostId() : QString("0x7ffffff"));
        EXPECT_TRUE(shows(figureFills)) << qPrintable(arguments.join(' '));
        stop(way.signal);
    }
    start({"--root"}, hostId());
    host.resize(480, 300);
    EXPECT_TRUE(
        shows([](const QImage &image) { return image.width() == 480 && figureFills(image); }));
    const QPoint middle = host.mapToGlobal(QPoint(240, 150));
    QProcess::execute("xdotool", {"mousemove", QString::number(middle.x()),
                                  QString::number(middle.y()), "click", "1"});
    EXPECT_TRUE(QTest::qWaitFor([&] { return host.clicks == 1; }));
    EXPECT_EQ(saver.state(), QProcess::Running);
}

TEST_F(ScreenSaver, TheWindowGoingEndsItWithOneLine) {
    start({"--window-id", QString::number(host.winId())}, QString());
    ASSERT_TRUE(shows(figureFills));
    const QString id = hostId();
    host.destroy(); // sent to the X server by the event loop
    ASSERT_TRUE(QTest::qWaitFor([this] { return saver.state() == QProcess::NotRunning; }, 5000));
    EXPECT_EQ(std::make_pair(saver.exitStatus(), saver.exitCode()),
              std::make_pair(QProcess::NormalExit, 1));
    const QStringList lines = logLines(saver.readAllStandardError());
    ASSERT_EQ(lines.size(), 1) << qPrintable(lines.join('\n'));
    EXPECT_TRUE(lines[0].contains(QString("the window %1 it was drawing in has gone").arg(id)));
}

// Started exactly as each host starts it, from the files an install put in place (a prefix of the
// test's own): XScreenSaver runs the hack folder's program with the description's command;
// xfce4-screensaver and mate-screensaver the screen savers' entry's command, its program looked
// up in the hack folder, their engine folder; xsecurelock every hack in that folder with -root.
TEST_F(ScreenSaver, EveryHostStartsItFromTheInstalledFiles) {
    QTemporaryDir prefix;
    ASSERT_EQ(QProcess::execute("cmake", {"--install", BUILD_DIR, "--prefix", prefix.path(),
                                          "--component", "Unspecified"}),
              0);
    const auto read = [&](const QString &file) {
        QFile installed(prefix.filePath(file));
        EXPECT_TRUE(installed.open(QIODevice::ReadOnly)) << qPrintable(file);
        return QString::fromUtf8(installed.readAll());
    };
    QStringList command;
    for (const auto &match : QRegularExpression(R"re(<command arg="([^"]*)"/>)re")
                                 .globalMatch(read("share/xscreensaver/config/tetravolute.xml")))
        command << match.captured(1);
    const QStringList exec = QRegularExpression("\nExec=([^\n]*)")
                                 .match(read("share/applications/screensavers/tetravolute.desktop"))
                                 .captured(1)
                                 .split(' ');
    const QString hacks = prefix.filePath("libexec/xscreensaver/");
    const std::tuple<const char *, QString, QStringList> hosts[] = {
        {"XScreenSaver", hacks + "tetravolute", command},
        {"xfce4-screensaver, mate-screensaver", hacks + exec.value(0), exec.mid(1)},
        {"xsecurelock", hacks + "tetravolute", {"-root"}}};
    for (const auto &[name, program, arguments] : hosts) {
        start(arguments, hostId(), program);
        EXPECT_TRUE(shows(figureFills)) << name;
        stop(SIGTERM);
    }
}

} // namespace

// The program as a screen saver, drawing in a window this test makes, as a daemon or a settings
// dialog's preview would: pixels read back from that window, its resizing and its destruction,
// and the daemon's signals.
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
#include <map>

namespace {

constexpr QRgb blue = 0xff0000ff;
constexpr QRgb background = 0xffcccccc; // the figure's grey, 0.8

// A window of some other program: plain blue wherever nothing covers it.
class Host : public QRasterWindow {
protected:
    void paintEvent(QPaintEvent *) override {
        QPainter(this).fillRect(QRect(QPoint(), size()), QColor(blue));
    }
};

class ScreenSaver : public ::testing::Test {
protected:
    void SetUp() override {
        host.resize(320, 200);
        host.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&host));
        QFile file(settings.filePath("org.tetravolute.screensaver.Tetravolute.ini"));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(stored);
    }
    void TearDown() override {
        saver.kill();
        saver.waitForFinished();
        QFile file(settings.filePath("org.tetravolute.screensaver.Tetravolute.ini"));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        EXPECT_EQ(file.readAll(), stored) << "a setting was written";
    }
    void start(const QStringList &arguments, const std::map<QString, QString> &changes = {}) {
        saver.setProcessEnvironment(programEnvironment(settings.path(), changes));
        saver.start(TETRAVOLUTE, arguments);
        ASSERT_TRUE(saver.waitForStarted());
    }
    QImage picture() {
        return QGuiApplication::primaryScreen()->grabWindow(host.winId()).toImage();
    }
    // Waits up to 10 s for the host's pixels to satisfy test.
    bool shows(const std::function<bool(const QImage &)> &test) {
        return QTest::qWaitFor([&] { return test(picture()); }, 10000);
    }
    // A signal to the program; it must be gone within 100 ms.
    void stop(int signal) {
        QElapsedTimer clock;
        clock.start();
        ::kill(pid_t(saver.processId()), signal);
        ASSERT_TRUE(saver.waitForFinished(2000));
        EXPECT_LT(clock.elapsed(), 100);
        EXPECT_EQ(saver.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(saver.exitCode(), 0) << saver.readAllStandardError().toStdString();
    }

    const QByteArray stored = "[General]\ndelay=NO\ndrawShades=NO\n";
    QTemporaryDir settings;
    Host host;
    QProcess saver;
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

TEST_F(ScreenSaver, DrawsTheFigureInTheWindowAndFollowsItsSize) {
    start({"--window-id", QString::number(host.winId())}); // decimal
    EXPECT_TRUE(shows(figureFills)) << "no figure over the whole window";
    host.resize(480, 300);
    EXPECT_TRUE(shows([](const QImage &image) {
        return image.size() == QSize(480, 300) && figureFills(image);
    })) << "the figure did not follow the window";
    stop(SIGTERM);
}

// As the daemon starts it: --root, the window named in the environment.
TEST_F(ScreenSaver, ATinyWindowIsFineAndSIGINTEndsIt) {
    host.resize(1, 1);
    start({"--root"}, {{"XSCREENSAVER_WINDOW", QString("0x%1").arg(host.winId(), 0, 16)}});
    EXPECT_TRUE(shows([](const QImage &image) { return image.pixel(0, 0) == background; }));
    QTest::qWait(300); // frames go on being drawn
    EXPECT_EQ(saver.state(), QProcess::Running) << saver.readAllStandardError().toStdString();
    stop(SIGINT);
}

// As a settings dialog's preview starts it: --window-id added to --root wins over the daemon's
// window in the environment.
TEST_F(ScreenSaver, TheWindowGoingEndsItWithOneLine) {
    start({"--root", "--window-id", QString::number(host.winId())},
          {{"XSCREENSAVER_WINDOW", "0x7ffffff"}});
    ASSERT_TRUE(shows(figureFills));
    const QString id = QString("0x%1").arg(host.winId(), 0, 16);
    host.destroy(); // sent to the X server by the event loop
    ASSERT_TRUE(QTest::qWaitFor([this] { return saver.state() == QProcess::NotRunning; }, 5000))
        << saver.readAllStandardError().toStdString();
    EXPECT_EQ(saver.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(saver.exitCode(), 1);
    const QStringList lines = logLines(saver.readAllStandardError());
    ASSERT_EQ(lines.size(), 1) << qPrintable(lines.join('\n'));
    EXPECT_TRUE(lines[0].contains(QString("the window %1 it was drawing in has gone").arg(id)))
        << qPrintable(lines[0]);
}

// Started exactly as each host starts it, from the files an install put in place (a prefix of the
// test's own): XScreenSaver runs the hack folder's program with the description's command;
// xfce4-screensaver and mate-screensaver the screen savers' entry's command, its program looked
// up in the hack folder, their engine folder; xsecurelock every hack in that folder with -root.
// Each hands it the window in XSCREENSAVER_WINDOW; each ends it with SIGTERM.
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
    const QString description = read("share/xscreensaver/config/tetravolute.xml");
    QStringList command;
    for (const auto &match :
         QRegularExpression(R"re(<command arg="([^"]*)"/>)re").globalMatch(description))
        command << match.captured(1);
    const QStringList exec = QRegularExpression("\nExec=([^\n]*)")
                                 .match(read("share/applications/screensavers/tetravolute.desktop"))
                                 .captured(1)
                                 .split(' ');
    const QString hacks = prefix.filePath("libexec/xscreensaver/");
    const struct {
        const char *host;
        QString program;
        QStringList arguments;
    } hosts[] = {{"XScreenSaver", hacks + "tetravolute", command},
                 {"xfce4-screensaver, mate-screensaver", hacks + exec.value(0), exec.mid(1)},
                 {"xsecurelock", hacks + "tetravolute", {"-root"}}};
    for (const auto &host : hosts) {
        saver.setProcessEnvironment(programEnvironment(
            settings.path(),
            {{"XSCREENSAVER_WINDOW", QString("0x%1").arg(this->host.winId(), 0, 16)}}));
        saver.start(host.program, host.arguments);
        ASSERT_TRUE(saver.waitForStarted()) << host.host;
        EXPECT_TRUE(shows(figureFills)) << host.host;
        stop(SIGTERM);
        this->host.update(); // blue again for the next
        ASSERT_TRUE(shows([](const QImage &image) { return image.pixel(0, 0) == blue; }));
    }
}

} // namespace

// The program as a screen saver, drawing in a window this test makes, as a daemon or a settings
// dialog's preview would: pixels read back from that window, its resizing, its clicks and its
// destruction, and the daemon's signals. The real hosts run it in tests/desktop/check-host.
#include "Program.h"
#include "Testing.h"
#include "WindowManager.h"

#include <csignal>

namespace {

constexpr QRgb blue = 0xff0000ff;
const QSet<QRgb> figure = {0xff000000, 0xffffffff, 0xffcccccc}; // black, white, the grey

// A window of some other program: plain blue wherever nothing covers it; it counts its clicks.
struct Host : QRasterWindow {
    int clicks = 0;
    void paintEvent(QPaintEvent *) override {
        QPainter(this).fillRect(QRect(QPoint(), size()), QColor(blue));
    }
    void mousePressEvent(QMouseEvent *) override { ++clicks; }
};

struct ScreenSaver : ::testing::Test {
    void SetUp() override {
        host.resize(320, 200);
        host.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&host));
        QFile file(ini);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(stored));
    }
    void TearDown() override {
        saver.kill();
        saver.waitForFinished();
        QFile file(ini);
        EXPECT_TRUE(file.open(QIODevice::ReadOnly) && file.readAll() == stored)
            << "a setting was written";
    }
    QString hostId() const { return QString("0x%1").arg(host.winId(), 0, 16); }
    // The colours in the host window; none while it has another size.
    QSet<QRgb> colours() const {
        const QImage image = QGuiApplication::primaryScreen()->grabWindow(host.winId()).toImage();
        return image.size() == host.size() ? coloursOf(image) : QSet<QRgb>();
    }
    // Starts it with the daemon's window in the environment; within 10 s the figure, unlit, fills
    // the host window: black, white and the grey, none of the host's blue.
    bool fills(const QStringList &arguments, const QString &daemonWindow) {
        saver.setProcessEnvironment(
            programEnvironment(settings.path(), {{"XSCREENSAVER_WINDOW", daemonWindow}}));
        saver.start(TETRAVOLUTE, arguments);
        return QTest::qWaitFor([&] { return colours() == figure; }, 10000);
    }
    // A signal to the program: it ends by its own hand, with status 0, and the host is blue again.
    void stop(int signal) {
        ::kill(pid_t(saver.processId()), signal);
        EXPECT_TRUE(saver.waitForFinished(10000));
        EXPECT_EQ(seen(saver.exitStatus(), saver.exitCode()), "QProcess::NormalExit 0");
        host.update();
        EXPECT_TRUE(QTest::qWaitFor([&] { return colours() == QSet<QRgb>{blue}; }));
    }

    const QByteArray stored = "[General]\ndelay=NO\ndrawShades=NO\n";
    QTemporaryDir settings;
    const QString ini = settings.filePath("org.tetravolute.screensaver.Tetravolute.ini");
    Host host;
    QProcess saver;
};

// The window named on the command line (decimal), or by a preview's command line that adds
// --window-id to --root (a daemon's --root, its window in the environment, is the real hosts'
// test): the figure fills it and follows its size; clicks on it go to the host; SIGTERM and SIGINT
// end it. The window going ends it with one line and status 1.
// The root window named by its own id, as a daemon without a virtual root names it, is drawn on as
// the root: below every window, so the host stays blue while the desktop shows the figure.
TEST_F(ScreenSaver, DrawsInTheWindowItIsGivenAndLeavesItsInputAlone) {
    const xcb_window_t root = x11RootWindow();
    saver.setProcessEnvironment(programEnvironment(settings.path()));
    saver.start(TETRAVOLUTE, {"--window-id", QString::number(root)});
    const QPoint corner = host.screen()->geometry().bottomRight(); // the desktop's background
    EXPECT_TRUE(QTest::qWaitFor([&] {
        return host.screen()->grabWindow(0, corner.x(), corner.y(), 1, 1).toImage().pixel(0, 0) ==
               0xffcccccc;
    }));
    EXPECT_EQ(colours(), QSet<QRgb>{blue});
    stop(SIGTERM);
    const QString decimal = QString::number(host.winId());
    EXPECT_TRUE(fills({"--window-id", decimal}, "0x7ffffff"));
    EXPECT_EQ(filmLibraries(saver.processId()), QStringList()); // loaded only for a film
    stop(SIGINT);
    EXPECT_TRUE(fills({"--root", "--window-id", decimal}, "0x7ffffff"));
    host.resize(480, 300); // the figure follows the size
    EXPECT_TRUE(QTest::qWaitFor([&] { return colours() == figure; }, 10000));
    const QPoint middle = host.mapToGlobal(QPoint(240, 150));
    QProcess::execute("xdotool", {"mousemove", QString::number(middle.x()),
                                  QString::number(middle.y()), "click", "1"});
    EXPECT_TRUE(QTest::qWaitFor([&] { return host.clicks == 1; }));
    const QString id = hostId();
    host.destroy(); // sent to the X server by the event loop
    ASSERT_TRUE(QTest::qWaitFor([this] { return saver.state() == QProcess::NotRunning; }, 5000));
    const QStringList lines = logLines(saver.readAllStandardError());
    EXPECT_EQ(seen(saver.exitStatus(), saver.exitCode(), lines.size()), "QProcess::NormalExit 1 1");
    EXPECT_TRUE(
        lines.value(0).contains(QString("the window %1 it was drawing in has gone").arg(id)));
}

} // namespace

// The main window on its screen, its minimising and the icon made from the frame, and Save
// Picture.
#include "InterfaceFixture.h"

#include "WindowContent.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <QScreen>
#include <QTimer>
#include <functional>

// Half the screen to start, an eighth at least, and at most the screen less the menu bar (no
// frame without a window manager, and the whole screen is available), the screen's proportions
// kept; the width leads. Any window's change of screen sizes it from its screen again.
TEST_F(InterfaceTest, MainWindowSizesItselfToItsScreen) {
    load();
    QWidget *main = get("mainWindow");
    const QSize screen = main->screen()->geometry().size(),
                chrome = main->size() - contentSize(main);
    const int tallest = screen.height() - chrome.height();
    EXPECT_EQ(std::make_tuple(contentSize(main), main->minimumSize() - chrome,
                              main->maximumSize() - chrome),
              std::make_tuple(screen / 2, screen / 8,
                              QSize(screen.width() * tallest / screen.height(), tallest)));
    setContentSize(main, QSize(screen.width() / 3, 100));
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return std::abs(contentSize(main).height() - screen.height() / 3) <= 1; }));
    QEvent moved(QEvent::ScreenChangeInternal);
    QCoreApplication::sendEvent(get("prefsWindow"), &moved);
    EXPECT_TRUE(QTest::qWaitFor([&] { return contentSize(main) == screen / 2; }));
}

// The icon is the view's centred square: for 801 x 600 it starts 100 pixels in, for 600 x 801
// 100 up, so the figure (centred in the view) is centred in the icon either way, which holds 256
// pixels, upright. Where nothing was drawn it is transparent; the flat dark figure stays opaque
// black. The camera turned a quarter about Z points the dark figure's corner d up, the light
// one's down.
TEST_F(InterfaceTest, IconIsTheFramesCentredSquareWithoutBackground) {
    load("drawShades=NO\nlowThresh=0\nhighThresh=0\ncam_orientation_y=0\ncam_orientation_z=90\n");
    QWidget *main = get("mainWindow");
    setContentAspectRatio(main, QSizeF());
    main->setMinimumSize(0, 0);
    for (const QSize size : {QSize(801, 600), QSize(600, 801), QSize(601, 600)}) {
        setContentSize(main, size);
        ASSERT_TRUE(QTest::qWaitFor([&] { return view()->QWindow::size() == size; }));
        const int drawn = frames();
        ASSERT_TRUE(QTest::qWaitFor([&] { return frames() > drawn + 2; })); // at the new size
        controller->generateMiniWindow();
        ASSERT_EQ(main->windowIcon().availableSizes(), QList<QSize>{QSize(256, 256)});
        const QImage image = main->windowIcon().pixmap(QSize(256, 256)).toImage();
        QRect opaque;
        double rows[2] = {0, 0}, counts[2] = {0, 0}; // black, white
        for (int y = 0; y < 256; ++y)
            for (int x = 0; x < 256; ++x) {
                const QRgb c = image.pixel(x, y);
                EXPECT_TRUE(qAlpha(c) == 255 || c == 0) << x << "," << y;
                opaque |= qAlpha(c) ? QRect(x, y, 1, 1) : QRect();
                for (int i : {0, 1})
                    if (c == (i ? 0xffffffffu : 0xff000000u))
                        rows[i] += y, counts[i] += 1;
            }
        EXPECT_GT(counts[0], 20);
        EXPECT_LT(rows[0] / counts[0], rows[1] / counts[1]); // rows counted from the top
        EXPECT_NEAR(opaque.center().x(), 128, 2) << size.width();
        EXPECT_NEAR(opaque.center().y(), 128, 2) << size.width();
    }
}

// Every way to minimise the window makes its icon from the frame first: the menu's command and
// its shortcut, and the window manager's (the window's state changing). Restored, the window
// takes the program's icon again.
TEST_F(InterfaceTest, EveryWayOfMinimisingMakesTheIcon) {
    load();
    QWidget *main = get("mainWindow");
    const QIcon own(QPixmap(8, 8));
    QApplication::setWindowIcon(own);
    for (const auto &[way, minimise] :
         {std::pair<const char *, std::function<void()>>(
              "Ctrl+M", [&] { QTest::keyClick(main, Qt::Key_M, Qt::ControlModifier); }),
          {"Minimize", [&] { get<QAction>("actionMinimize")->trigger(); }},
          {"the window manager", [&] { main->setWindowState(Qt::WindowMinimized); }}}) {
        main->setWindowIcon(QIcon());
        minimise();
        EXPECT_TRUE(QTest::qWaitFor([&] { return main->isMinimized(); })) << way;
        EXPECT_EQ(main->windowIcon().availableSizes(), QList<QSize>{QSize(256, 256)}) << way;
        main->showNormal();
        EXPECT_TRUE(QTest::qWaitFor([&] { return !main->isMinimized(); })) << way;
        EXPECT_EQ(main->windowIcon().cacheKey(), own.cacheKey()) << way;
    }
    QApplication::setWindowIcon(QIcon());
}

// Save Picture (Ctrl+S): the dialog offers a dated name in the pictures folder and the view's,
// the screen's and three fixed sizes; what it is given is written, drawn again off screen; what
// cannot be written is said in a message.
TEST_F(InterfaceTest, SavePictureWritesWhatTheDialogAsksFor) {
    load();
    QWidget *main = get("mainWindow");
    const auto answer = [](const std::function<void(QDialog *)> &reply) {
        QTimer::singleShot(0, [reply] {
            (void)QTest::qWaitFor([] { return QApplication::activeModalWidget() != nullptr; });
            reply(qobject_cast<QDialog *>(QApplication::activeModalWidget()));
        });
    };
    const QString path = folder.filePath("shot.png");
    QList<QVariant> offered;
    answer([&](QDialog *dialog) {
        auto *name = dialog->findChild<QLineEdit *>();
        auto *sizes = dialog->findChild<QComboBox *>();
        offered << name->text();
        for (int i = 0; i < sizes->count(); ++i)
            offered << sizes->itemData(i).toSize();
        name->setText(path);
        sizes->setCurrentIndex(sizes->findData(QSize(1920, 1080)));
        dialog->findChild<QCheckBox *>()->setChecked(true);
        dialog->accept();
    });
    QTest::keyClick(main, Qt::Key_S, Qt::ControlModifier);
    ASSERT_EQ(offered.size(), 6);
    EXPECT_TRUE(QRegularExpression(".*/tetravolute-\\d{8}-\\d{6}\\.png$")
                    .match(offered[0].toString())
                    .hasMatch());
    EXPECT_EQ(
        offered.mid(1),
        (QList<QVariant>{view()->QWindow::size(), main->screen()->size() * main->devicePixelRatio(),
                         QSize(1920, 1080), QSize(3840, 2160), QSize(7680, 4320)}));
    const QImage saved(path);
    EXPECT_EQ(std::make_pair(saved.size(), saved.pixelColor(0, 0).alpha()),
              std::make_pair(QSize(1920, 1080), 0));
    QString said;
    answer([&](QDialog *dialog) {
        dialog->findChild<QLineEdit *>()->setText(folder.filePath("shot.nothing"));
        answer([&](QDialog *message) {
            said = message->findChild<QLabel *>("qt_msgbox_label")->text();
            message->reject();
        });
        dialog->accept();
    });
    QTest::keyClick(main, Qt::Key_S, Qt::ControlModifier);
    EXPECT_TRUE(said.contains("not saved")) << qPrintable(said);
}

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
#include <QTest>
#include <QTimer>
#include <functional>

TEST_F(InterfaceTest, MainWindowSizesItselfToItsScreen) {
    load();
    QWidget *main = get<QWidget>("mainWindow");
    const QSize screen = main->screen()->geometry().size();
    EXPECT_EQ(contentSize(main), screen / 2);
    EXPECT_EQ(main->minimumSize() - (main->size() - contentSize(main)), screen / 8);
    // At most the screen, less the menu bar: the whole window fits (no frame without a window
    // manager, and the whole screen is available).
    const QSize chrome = main->size() - contentSize(main);
    const int tallest = screen.height() - chrome.height();
    EXPECT_EQ(main->maximumSize() - chrome,
              QSize(screen.width() * tallest / screen.height(), tallest));
    setContentSize(main, QSize(screen.width() / 3, 100)); // the width leads, the ratio holds
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return std::abs(contentSize(main).height() - screen.height() / 3) <= 1; }));
    // Any window's change of screen sizes the main window from its screen again.
    QEvent moved(QEvent::ScreenChangeInternal);
    QCoreApplication::sendEvent(get<QWidget>("prefsWindow"), &moved);
    EXPECT_TRUE(QTest::qWaitFor([&] { return contentSize(main) == screen / 2; }));
}

// The icon is the view's centred square: for 801 x 600 it starts 100 pixels in, for 600 x 801
// 100 up, so the figure (centred in the view) is centred in the icon either way, which holds at
// most 256 pixels, upright. Where nothing was drawn it is transparent; the flat dark figure stays
// opaque black. The camera turned a quarter about Z points the dark figure's corner d up, the
// light one's down.
TEST_F(InterfaceTest, IconIsTheFramesCentredSquareWithoutBackground) {
    load("drawShades=NO\nlowThresh=0\nhighThresh=0\ncam_orientation_y=0\ncam_orientation_z=90\n");
    QWidget *main = get<QWidget>("mainWindow");
    setContentAspectRatio(main, QSizeF());
    for (const QSize size : {QSize(801, 600), QSize(600, 801), QSize(601, 600)}) {
        main->setMinimumSize(0, 0);
        setContentSize(main, size);
        ASSERT_TRUE(QTest::qWaitFor([&] { return view()->QWindow::size() == size; }))
            << view()->width();
        const int drawn = frames();
        ASSERT_TRUE(QTest::qWaitFor([&] { return frames() > drawn + 2; })); // at the new size
        controller->generateMiniWindow();
        const QIcon icon = main->windowIcon();
        ASSERT_EQ(icon.availableSizes(), QList<QSize>{QSize(256, 256)});
        const QImage image = icon.pixmap(QSize(256, 256)).toImage();
        ASSERT_EQ(image.size(), QSize(256, 256));
        QRect opaque;
        int black = 0;
        double blackRows = 0, whiteRows = 0, white = 0;
        for (int y = 0; y < 256; ++y)
            for (int x = 0; x < 256; ++x) {
                const QColor c = image.pixelColor(x, y);
                if (c.alpha() == 0)
                    EXPECT_EQ(c.rgba(), 0u);
                else
                    opaque |= QRect(x, y, 1, 1);
                black += c == QColor(0, 0, 0, 255);
                blackRows += c == QColor(0, 0, 0, 255) ? y : 0;
                white += c == QColor(255, 255, 255, 255);
                whiteRows += c == QColor(255, 255, 255, 255) ? y : 0;
            }
        EXPECT_GT(black, 20);
        EXPECT_LT(blackRows / black, whiteRows / white); // rows counted from the top
        EXPECT_NEAR(opaque.center().x(), 128, 2) << size.width();
        EXPECT_NEAR(opaque.center().y(), 128, 2) << size.width();
        EXPECT_EQ(image.pixelColor(0, 0).alpha(), 0);
    }
}

// Every way to minimise the window makes its icon from the frame first: the menu's command and
// its shortcut, and the window manager's (the window's state changing). Restored, the window
// takes the program's icon again.
TEST_F(InterfaceTest, EveryWayOfMinimisingMakesTheIcon) {
    load();
    QWidget *main = get<QWidget>("mainWindow");
    const QIcon own(QPixmap(8, 8));
    QApplication::setWindowIcon(own);
    const std::pair<const char *, std::function<void()>> ways[] = {
        {"Ctrl+M", [&] { QTest::keyClick(main, Qt::Key_M, Qt::ControlModifier); }},
        {"Minimize", [&] { get<QAction>("actionMinimize")->trigger(); }},
        {"the window manager", [&] { main->setWindowState(Qt::WindowMinimized); }}};
    for (const auto &[way, minimise] : ways) {
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

// Save Picture (Ctrl+S): the dialog offers the pictures folder and the sizes; what it is given is
// written, drawn again off screen; what cannot be written is said in a message.
TEST_F(InterfaceTest, SavePictureWritesWhatTheDialogAsksFor) {
    load();
    QWidget *main = get<QWidget>("mainWindow");
    const auto answer = [](const std::function<void(QDialog *)> &reply) {
        QTimer::singleShot(0, [reply] {
            (void)QTest::qWaitFor([] { return QApplication::activeModalWidget() != nullptr; });
            reply(qobject_cast<QDialog *>(QApplication::activeModalWidget()));
        });
    };
    const QString path = folder.filePath("shot.png");
    QStringList offered;
    answer([&](QDialog *dialog) {
        auto *name = dialog->findChild<QLineEdit *>();
        auto *sizes = dialog->findChild<QComboBox *>();
        offered << name->text();
        for (int i = 0; i < sizes->count(); ++i) {
            const QSize size = sizes->itemData(i).toSize();
            offered << QString("%1x%2").arg(size.width()).arg(size.height());
        }
        name->setText(path);
        sizes->setCurrentIndex(sizes->findData(QSize(1920, 1080)));
        dialog->findChild<QCheckBox *>()->setChecked(true);
        dialog->accept();
    });
    QTest::keyClick(main, Qt::Key_S, Qt::ControlModifier);
    ASSERT_EQ(offered.size(), 6);
    EXPECT_TRUE(
        QRegularExpression(".*/tetravolute-\\d{8}-\\d{6}\\.png$").match(offered[0]).hasMatch())
        << qPrintable(offered[0]);
    const QSize screen = main->screen()->size() * main->devicePixelRatio();
    EXPECT_EQ(offered.mid(1, 2),
              QStringList({QString("%1x%2").arg(view()->width()).arg(view()->height()),
                           QString("%1x%2").arg(screen.width()).arg(screen.height())}));
    const QImage saved(path);
    EXPECT_EQ(saved.size(), QSize(1920, 1080));
    EXPECT_EQ(saved.pixelColor(0, 0).alpha(), 0);

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

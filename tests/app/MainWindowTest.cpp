// The main window on its screen, its minimising and the icon made from the frame, and Save
// Picture.
#include "InterfaceFixture.h"
#include "WindowManager.h"

#include "WindowContent.h"

#include <functional>

// Half the screen to start, an eighth at least, and at most the screen less the menu bar (no
// frame without a window manager, and the whole screen is available), the screen's proportions
// kept; the width leads. Any window's change of screen sizes it from its screen again.
TEST_F(InterfaceTest, MainWindowSizesItselfToItsScreen) {
    load();
    const QSize screen = main()->screen()->geometry().size(),
                bar = main()->size() - contentSize(main());
    const int tallest = screen.height() - bar.height();
    EXPECT_EQ(seen(contentSize(main()), main()->minimumSize() - bar), seen(screen / 2, screen / 8));
    setContentSize(main(), screen); // larger than fits
    EXPECT_TRUE(QTest::qWaitFor([&] {
        return contentSize(main()) == QSize(screen.width() * tallest / screen.height(), tallest);
    })) << contentSize(main()).width();
    setContentSize(main(), QSize(screen.width() / 3, 100));
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return std::abs(contentSize(main()).height() - screen.height() / 3) <= 1; }));
    // The X server's notes of those resizes are all in before the screen changes: a late one would
    // undo the resize that follows.
    xcb_connection_t *x = x11Connection();
    free(xcb_get_input_focus_reply(x, xcb_get_input_focus(x), nullptr));
    QTest::qWait(0);
    QEvent moved(QEvent::ScreenChangeInternal);
    QCoreApplication::sendEvent(get("prefsWindow"), &moved);
    EXPECT_TRUE(QTest::qWaitFor([&] { return contentSize(main()) == screen / 2; }));
}

// Every way to minimise the window (the menu's command, its shortcut, the window manager's)
// makes its icon from the frame first: the view's centred square, 256 pixels, upright, so the
// figure (centred in the view) is centred in the icon for any proportions. Where nothing was
// drawn it is transparent; the flat figures stay opaque. The camera turned a quarter about Z
// points the dark figure's corner d up, the light one's down. Restored, the window takes the
// program's icon again.
TEST_F(InterfaceTest, EveryWayOfMinimisingMakesTheIconFromTheFrame) {
    load("drawShades=NO\nlowThresh=0\nhighThresh=0\ncam_orientation_y=0\ncam_orientation_z=90\n");
    const QIcon own(QPixmap(8, 8));
    QApplication::setWindowIcon(own);
    setContentAspectRatio(main(), QSizeF());
    main()->setMinimumSize(0, 0);
    for (const auto &[size, minimise] :
         {std::pair<QSize, std::function<void()>>(
              QSize(801, 600), [&] { QTest::keyClick(main(), Qt::Key_M, Qt::ControlModifier); }),
          {QSize(600, 801), [&] { get<QAction>("actionMinimize")->trigger(); }},
          {QSize(601, 600), [&] { main()->setWindowState(Qt::WindowMinimized); }}}) {
        setContentSize(main(), size);
        ASSERT_TRUE(QTest::qWaitFor([&] { return view()->QWindow::size() == size; }));
        EXPECT_TRUE(drawing()) << "at the new size";
        main()->setWindowIcon(QIcon());
        minimise();
        ASSERT_TRUE(QTest::qWaitFor([&] { return main()->isMinimized(); }));
        const QImage image = main()->windowIcon().pixmap(QSize(256, 256)).toImage();
        const auto top = [&](QRgb colour) { // the colour's highest row
            return pixelsWhere(image, [&](QRgb c) { return c == colour; }).boundingRect().top();
        };
        EXPECT_EQ(seen(main()->windowIcon().availableSizes(),
                       pixelsWhere(image, [](QRgb c) { return qAlpha(c) != 255 && c != 0; }).size(),
                       image.pixel(0, 0), top(0xff000000) < top(0xffffffff)),
                  "QList(QSize(256, 256)) 0 0 true"); // the dark figure's corner up
        const QPoint centre =
            pixelsWhere(image, [](QRgb c) { return qAlpha(c); }).boundingRect().center();
        EXPECT_LE((centre - QPoint(128, 128)).manhattanLength(), 2) << centre.x() << centre.y();
        main()->showNormal();
        EXPECT_TRUE(QTest::qWaitFor([&] { return !main()->isMinimized(); }));
        EXPECT_EQ(main()->windowIcon().cacheKey(), own.cacheKey());
    }
    QApplication::setWindowIcon(QIcon());
}

// Acts on the modal windows that come up one after another, each once it is up.
void answer(std::vector<std::function<void(QWidget *)>> steps, QWidget *last = nullptr) {
    if (steps.empty())
        return;
    QTimer::singleShot(0, [steps, last] {
        QWidget *modal = nullptr;
        ASSERT_TRUE(QTest::qWaitFor([&] {
            modal = QApplication::activeModalWidget();
            return modal && modal != last && modal->isVisible();
        })) << steps.size();
        answer({steps.begin() + 1, steps.end()}, modal); // before this one's window ends
        steps.front()(modal);
    });
}

// Save Picture (Ctrl+S): the dialog offers a dated name and the view's, the screen's and three
// fixed sizes; what it is given is written, drawn again off screen, as a PNG when the name has
// no extension. A transparent JPEG is refused with the reason, and the dialog comes back with the
// user's choices, the name selected to be typed over; a file that exists is replaced only when the
// user says so.
TEST_F(InterfaceTest, SavePictureWritesWhatTheDialogAsksFor) {
    load();
    QString offered, refused, kept, asked;
    const auto field = [](QWidget *dialog) { return dialog->findChild<QLineEdit *>(); };
    const auto reply = [](QString *said, int button) { // a message box: what it said, the reply
        return [=](QWidget *box) {
            *said = qobject_cast<QMessageBox *>(box)->text();
            qobject_cast<QMessageBox *>(box)->done(button);
        };
    };
    answer({[&](QWidget *dialog) {
                auto *sizes = dialog->findChild<QComboBox *>();
                auto *name = field(dialog);
                offered = name->text().section('/', -1).remove(QRegularExpression("\\d"));
                // Tab goes from the name to its chooser; the size box's label reaches a reader.
                const auto labels = accessible(sizes)->relations(QAccessible::Label);
                offered += " " + seen(name->nextInFocusChain()->objectName(),
                                      labels.value(0).first->text(QAccessible::Name));
                for (int i = 0; i < sizes->count(); ++i)
                    offered += " " + seen(sizes->itemData(i).toSize());
                name->setText(folder.filePath("shot.jpg"));
                sizes->setCurrentIndex(sizes->findData(QSize(1920, 1080)));
                dialog->findChild<QCheckBox *>()->setChecked(true);
                qobject_cast<QDialog *>(dialog)->accept();
            },
            reply(&refused, QMessageBox::Ok),
            [&](QWidget *dialog) {
                kept = seen(field(dialog)->text(), dialog->findChild<QCheckBox *>()->isChecked(),
                            dialog->focusWidget() == field(dialog), field(dialog)->selectedText());
                field(dialog)->setText(folder.filePath("shot"));
                qobject_cast<QDialog *>(dialog)->accept();
            }});
    QTest::keyClick(main(), Qt::Key_S, Qt::ControlModifier);
    const QImage saved(folder.filePath("shot.png"));
    EXPECT_EQ(seen(saved.size(), saved.pixelColor(0, 0).alpha(), main()->windowTitle()),
              "QSize(1920, 1080) 0 Picture saved to " + folder.filePath("shot.png") +
                  " — Tetravolute");
    EXPECT_EQ(offered, "tetravolute--.png choose Size: " +
                           seen(view()->QWindow::size(),
                                main()->screen()->size() * main()->devicePixelRatio()) +
                           " QSize(1920, 1080) QSize(3840, 2160) QSize(7680, 4320)");
    EXPECT_TRUE(refused.contains("not saved: JPG pictures have no transparency"))
        << qPrintable(refused);
    EXPECT_EQ(kept, seen(folder.filePath("shot.jpg"), true, true, folder.filePath("shot.jpg")));
    const QDateTime written = QFileInfo(folder.filePath("shot.png")).lastModified();
    answer({[&](QWidget *dialog) {
                field(dialog)->setText(folder.filePath("shot.png"));
                qobject_cast<QDialog *>(dialog)->accept();
            },
            reply(&asked, QMessageBox::No),
            [&](QWidget *dialog) { qobject_cast<QDialog *>(dialog)->reject(); }});
    QTest::keyClick(main(), Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(asked, folder.filePath("shot.png") + " already exists. Replace it?");
    EXPECT_EQ(QFileInfo(folder.filePath("shot.png")).lastModified(), written);
    EXPECT_FALSE(QFile::exists(folder.filePath("shot.jpg")));
}

// The Save Picture dialog: where (the user's pictures folder and a name with the date and time, or
// any file chosen in a file dialog), at which size (the view's as it shows now, the screen's,
// 1920 x 1080, 3840 x 2160 or 7680 x 4320, device pixels) and whether the background is
// transparent.
#pragma once

#include <QDialog>

class QCheckBox;
class QComboBox;
class QLineEdit;

class SavePictureDialog : public QDialog {
    Q_OBJECT
public:
    SavePictureDialog(QSize view, QSize screen, QWidget *parent);

    QString path() const; // .png added when it has no extension
    QSize pictureSize() const;
    bool transparentBackground() const;
    // After a failure: the name takes the keyboard, selected, for the user to change it.
    void nameAgain();

private:
    void choose();

    QLineEdit *name;
    QComboBox *sizes;
    QCheckBox *transparent;
};

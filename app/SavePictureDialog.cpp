// Laid out in code: three rows and the buttons. Every control has a label for screen readers and
// an access key.
#include "SavePictureDialog.h"

#include "ImageFile.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateTime>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStandardPaths>

SavePictureDialog::SavePictureDialog(QSize view, QSize screen, QWidget *parent)
    : QDialog(parent), name(new QLineEdit(this)), sizes(new QComboBox(this)),
      transparent(new QCheckBox("&Transparent background", this)) {
    setWindowTitle("Save Picture");
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    name->setText(QDir(folder).filePath(
        QDateTime::currentDateTime().toString("'tetravolute-'yyyyMMdd-HHmmss'.png'")));
    name->setMinimumWidth(360);
    auto *browse = new QPushButton("&Choose…", this);
    browse->setObjectName("choose");
    connect(browse, &QPushButton::clicked, this, &SavePictureDialog::choose);
    auto *where = new QHBoxLayout;
    where->addWidget(name);
    where->addWidget(browse);

    const auto add = [this](const QString &label, QSize size) {
        sizes->addItem(QString("%1%2 × %3").arg(label).arg(size.width()).arg(size.height()), size);
    };
    add("As the view shows it: ", view);
    if (!screen.isEmpty())
        add("The screen: ", screen);
    for (const QSize size : {QSize(1920, 1080), QSize(3840, 2160), QSize(7680, 4320)})
        add(QString(), size);
    transparent->setToolTip("nothing behind the figure: for a picture to lay over others");

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Save | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto *form = new QFormLayout(this);
    const auto label = [this](const QString &text, QWidget *buddy) {
        auto *label = new QLabel(text, this);
        label->setBuddy(buddy);
        return label;
    };
    form->addRow(label("&File:", name), where);
    form->addRow(label("&Size:", sizes), sizes);
    form->addRow(QString(), transparent);
    form->addRow(buttons);
    setTabOrder(name, browse); // the file, then its chooser
    setTabOrder(browse, sizes);
}

void SavePictureDialog::choose() {
    // Saving asks before it replaces a file, once.
    const QString chosen = QFileDialog::getSaveFileName(
        this, "Save Picture", name->text(), "Pictures (*.png *.jpg *.jpeg *.bmp *.tif *.webp)",
        nullptr, QFileDialog::DontConfirmOverwrite);
    if (!chosen.isEmpty())
        name->setText(pictureName(chosen));
}

QString SavePictureDialog::path() const {
    return pictureName(name->text());
}

QSize SavePictureDialog::pictureSize() const {
    return sizes->currentData().toSize();
}

bool SavePictureDialog::transparentBackground() const {
    return transparent->isChecked();
}

void SavePictureDialog::nameAgain() {
    name->setFocus();
    name->selectAll();
}

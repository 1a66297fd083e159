// QSaveFile gives the whole-or-nothing; QImageWriter writes the format the extension names.
#include "ImageFile.h"

#include <QFileInfo>
#include <QImage>
#include <QImageWriter>
#include <QSaveFile>

bool writeImageFile(const QImage &image, const QString &path, QString *error) {
    const QByteArray format = QFileInfo(path).suffix().toLower().toLatin1();
    QSaveFile file(path);
    QImageWriter writer(&file, format);
    if (image.isNull())
        *error = QString("cannot write %1: no memory for the picture").arg(path);
    else if (!QImageWriter::supportedImageFormats().contains(format))
        *error = QString("cannot write %1: no picture format is called '%2'")
                     .arg(path, QString::fromLatin1(format));
    else if (!file.open(QIODevice::WriteOnly))
        *error = QString("cannot write %1: %2").arg(path, file.errorString());
    else if (!writer.write(image))
        *error = QString("cannot write %1: %2").arg(path, writer.errorString());
    else if (!file.commit())
        *error = QString("cannot write %1: %2").arg(path, file.errorString());
    else
        return true;
    return false;
}

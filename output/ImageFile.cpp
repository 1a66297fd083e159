// QImageWriter encodes into memory, so that a write error comes from the file system itself ("No
// space left on device"), not from an image library's own chatter; OutputFile does the rest.
#include "ImageFile.h"

#include "OutputFile.h"

#include <QBuffer>
#include <QFileInfo>
#include <QImage>
#include <QImageWriter>

static QByteArray formatOf(const QString &path) {
    return QFileInfo(path).suffix().toLower().toLatin1();
}

QString pictureName(const QString &path) {
    return !path.isEmpty() && QFileInfo(path).suffix().isEmpty() ? path + ".png" : path;
}

QString pictureFormatProblem(const QString &path) {
    const QByteArray format = formatOf(path);
    if (QImageWriter::supportedImageFormats().contains(format))
        return {};
    return QString("cannot write %1: no picture format is called '%2'")
        .arg(path, QString::fromLatin1(format));
}

QString transparencyProblem(const QString &path) {
    static const QList<QByteArray> withAlpha = {"png", "tif", "tiff", "webp", "ico", "cur"};
    const QByteArray format = formatOf(path);
    if (withAlpha.contains(format))
        return {};
    return QString("%1 pictures have no transparency: choose PNG, TIFF or WebP, or an opaque "
                   "background")
        .arg(QString::fromLatin1(format.toUpper()));
}

bool writeImageFile(const QImage &image, const QString &path, QString *error) {
    *error = pictureFormatProblem(path);
    if (!error->isEmpty())
        return false;
    if (image.isNull()) {
        *error = QString("cannot write %1: no memory for the picture").arg(path);
        return false;
    }
    QByteArray encoded;
    QBuffer memory(&encoded);
    memory.open(QIODevice::WriteOnly);
    QImageWriter writer(&memory, formatOf(path));
    if (!writer.write(image)) {
        *error = QString("cannot write %1: %2").arg(path, writer.errorString());
        return false;
    }
    OutputFile file(path);
    return file.open(error) && file.write(encoded, error) && file.commit(error);
}

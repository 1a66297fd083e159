// Resource folder and bitmap loading over QImage (TIFF through Qt's image-format plugins).
#include "Bundle.h"

#include <QImage>
#include <QImageReader>

static QString overridePath;

QString resourcePath() {
    return overridePath.isEmpty() ? QString(":/Resources") : overridePath;
}

void setResourcePath(const QString &path) {
    overridePath = path;
}

std::optional<BitmapRep> BitmapRep::load(const QString &path) {
    QImage image = QImageReader(path).read();
    if (image.isNull())
        return std::nullopt;
    if (image.hasAlphaChannel())
        image.convertTo(QImage::Format_RGBA8888);
    else if (image.isGrayscale())
        image.convertTo(QImage::Format_Grayscale8);
    else
        image.convertTo(QImage::Format_RGB888);
    BitmapRep rep;
    rep.bits = image.depth();
    rep.wide = image.width();
    rep.high = image.height();
    const qsizetype rowBytes = qsizetype(rep.wide) * (rep.bits / 8);
    rep.data.reserve(rowBytes * rep.high);
    for (int y = 0; y < rep.high; ++y)
        rep.data.append(reinterpret_cast<const char *>(image.constScanLine(y)), rowBytes);
    return rep;
}

const unsigned char *BitmapRep::bitmapData() const {
    return reinterpret_cast<const unsigned char *>(data.constData());
}

// What every test file uses: GoogleTest, Qt's modules and its test library, captured log lines,
// pixels read back, and seen(): values as one line of text, each as QDebug writes it (unquoted,
// floats to six digits), separated by spaces, so that one expectation compares many values and
// reads like a person's note of what they saw.
#pragma once

#include "LogCapture.h"
#include "ReadBack.h"

#include <QtTest>
#include <QtWidgets>
#include <gtest/gtest.h>
#include <ostream>

template <typename... T> QString seen(const T &...values) {
    QString text;
    QDebug out(&text);
    out.noquote().nospace();
    ((out << values << ' '), ...);
    return text.trimmed();
}

// The colours an image holds.
inline QSet<QRgb> coloursOf(const QImage &image) {
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    const auto *pixels = reinterpret_cast<const QRgb *>(rgb.constBits());
    return QSet<QRgb>(pixels, pixels + rgb.width() * rgb.height());
}

// Where an image's pixels pass a test: x right, y as the image's rows.
inline QPolygon pixelsWhere(const QImage &image, const std::function<bool(QRgb)> &test) {
    QPolygon points;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (test(image.pixel(x, y)))
                points << QPoint(x, y);
    return points;
}

// Test failures print texts as text.
inline void PrintTo(const QString &text, std::ostream *out) {
    *out << '"' << text.toStdString() << '"';
}

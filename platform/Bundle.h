// The program's bundled resources: the folder that holds them and bitmap images read from it.
#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

// ":/Resources", the Qt resource folder compiled into the program, unless a test replaces it.
QString resourcePath();
// An empty path restores the bundled folder.
void setResourcePath(const QString &path);

// The first image of a file as a bitmap: 32 bits per pixel RGBA when it has alpha, else 24 bits
// RGB (8 bits for grey), rows tightly packed, top row first, components in that order.
class BitmapRep {
public:
    static std::optional<BitmapRep> load(const QString &path);

    int bitsPerPixel() const { return bits; }
    int pixelsWide() const { return wide; }
    int pixelsHigh() const { return high; }
    const unsigned char *bitmapData() const;

private:
    int bits = 0;
    int wide = 0;
    int high = 0;
    QByteArray data;
};

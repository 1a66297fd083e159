// Bitmap loading from the bundled resources and from files.
#include "Bundle.h"

#include <QImage>
#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(Bitmap, BundledLogoIs64By64RGBAWithTopRowFirst) {
    const auto rep = BitmapRep::load(resourcePath() + "/fs.tif");
    ASSERT_TRUE(rep);
    EXPECT_EQ(rep->bitsPerPixel(), 32);
    EXPECT_EQ(rep->pixelsWide(), 64);
    EXPECT_EQ(rep->pixelsHigh(), 64);
    const QImage image =
        QImage(resourcePath() + "/fs.tif").convertToFormat(QImage::Format_RGBA8888);
    EXPECT_EQ(0, std::memcmp(rep->bitmapData(), image.constBits(), 64 * 64 * 4));
}

TEST(Bitmap, OtherFilesKeepTheirOwnDepthAndPackedRows) {
    QTemporaryDir folder;
    QImage rgb(5, 3, QImage::Format_RGB888); // 15-byte rows, padded to 16 inside QImage
    rgb.fill(QColor(10, 20, 30));
    rgb.setPixelColor(4, 2, QColor(1, 2, 3));
    ASSERT_TRUE(rgb.save(folder.filePath("rgb.png")));
    const auto rep = BitmapRep::load(folder.filePath("rgb.png"));
    ASSERT_TRUE(rep);
    EXPECT_EQ(rep->bitsPerPixel(), 24);
    EXPECT_EQ(rep->bitmapData()[2 * 15 + 4 * 3], 1);
    EXPECT_EQ(rep->bitmapData()[2 * 15 + 4 * 3 + 2], 3);

    EXPECT_FALSE(BitmapRep::load(folder.filePath("missing.tif")));
    QFile junk(folder.filePath("junk.tif"));
    ASSERT_TRUE(junk.open(QIODevice::WriteOnly));
    junk.write("II*\0 not really a tiff");
    junk.close();
    EXPECT_FALSE(BitmapRep::load(junk.fileName()));
}

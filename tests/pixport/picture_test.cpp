// Pictures that cannot be read whole are refused before the loader fills gaps with
// whatever memory held: BMPs cut short, and run-length data that skips pixels.
#include "core/colour.h"
#include "core/picture.h"
#include "test_pictures.h"

#include <QDir>
#include <QtEndian>

#include <gtest/gtest.h>

using namespace pixport;

namespace {

QByteArray le32(quint32 v)
{
    QByteArray bytes(4, '\0');
    qToLittleEndian(v, bytes.data());
    return bytes;
}

QByteArray le16(quint16 v)
{
    QByteArray bytes(2, '\0');
    qToLittleEndian(v, bytes.data());
    return bytes;
}

// A width x height BMP whose palette entry i is grey i, with run-length data.
QByteArray runLengthBmp(int width, int height, int bits, const QByteArray& data)
{
    const int colours = 1 << bits;
    QByteArray palette;
    for (int i = 0; i < colours; ++i)
        palette += QByteArray(3, char(i)) + '\0';
    const quint32 pixelsAt = 14 + 40 + quint32(palette.size());
    QByteArray info = le32(40) + le32(quint32(width)) + le32(quint32(height)) + le16(1) + le16(quint16(bits))
                      + le32(bits == 8 ? 1 : 2) + le32(quint32(data.size())) + le32(2835) + le32(2835)
                      + le32(quint32(colours)) + le32(0);
    return "BM" + le32(pixelsAt + quint32(data.size())) + le32(0) + le32(pixelsAt) + info + palette + data;
}

QByteArray repeated(const QByteArray& row, int times)
{
    QByteArray all;
    for (int i = 0; i < times; ++i)
        all += row;
    return all;
}

} // namespace

TEST(PixportPicture, RunLengthDataMustSetEveryPixel)
{
    // Two pixels of 5, three given one by one (7, 9, 9, padded), end of line.
    const QByteArray row8 = QByteArray::fromHex("0205 0003 07090900 0000");
    const QByteArray row4 = QByteArray::fromHex("0412 0000"); // four pixels alternating 1 and 2
    const QByteArray end = QByteArray::fromHex("0001");
    const struct { const char* name; QByteArray bmp; RunLength walk; } cases[] = {
        {"rle8 whole", runLengthBmp(5, 3, 8, repeated(row8, 3) + end), RunLength::Complete},
        {"rle8 without the end mark", runLengthBmp(5, 3, 8, repeated(row8, 3)), RunLength::Complete},
        {"rle4 whole", runLengthBmp(4, 2, 4, repeated(row4, 2) + end), RunLength::Complete},
        {"rle8 cut short", runLengthBmp(5, 3, 8, repeated(row8, 2)), RunLength::CutShort},
        {"rle8 cut in a literal run", runLengthBmp(5, 3, 8, repeated(row8, 2) + QByteArray::fromHex("0205 0003 07")), RunLength::CutShort},
        {"rle8 ended early", runLengthBmp(5, 3, 8, row8 + end), RunLength::SkipsPixels},
        {"rle8 line ended early", runLengthBmp(5, 3, 8, QByteArray::fromHex("0205 0000") + repeated(row8, 2)), RunLength::SkipsPixels},
        {"rle8 move", runLengthBmp(5, 3, 8, QByteArray::fromHex("0002 0101") + repeated(row8, 3)), RunLength::SkipsPixels},
        {"not run-length", test::readFile(test::savePicture(test::codedPicture(3, 2), QDir::tempPath(), "pixport_plain.bmp")), RunLength::NotRunLength},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(walkBmpRunLength(c.bmp), c.walk) << c.name;
        Picture picture;
        QString error;
        const bool loaded = decodePicture(c.bmp, QStringLiteral("in.bmp"), "bmp", &picture, &error);
        EXPECT_EQ(loaded, c.walk == RunLength::Complete || c.walk == RunLength::NotRunLength) << c.name;
        if (!loaded) {
            EXPECT_TRUE(error.startsWith("in.bmp: the picture")) << c.name << ": " << qPrintable(error);
        }
    }
    Picture picture;
    QString error;
    ASSERT_TRUE(decodePicture(cases[0].bmp, "in.bmp", "bmp", &picture, &error)) << qPrintable(error);
    const int greys[] = {5, 5, 7, 9, 9};
    for (int x = 0; x < 5; ++x)
        EXPECT_EQ(picture.desktopColourAt(x, 2), desktopColour(greys[x], greys[x], greys[x])) << x;
}

TEST(PixportPicture, BmpShorterThanItsHeaderSaysIsRefused)
{
    const QByteArray whole = test::readFile(test::savePicture(test::codedPicture(5, 4), QDir::tempPath(), "pixport_whole.bmp"));
    EXPECT_EQ(bmpBytesNeeded(whole), whole.size());
    for (const qsizetype size : {qsizetype(2), qsizetype(27), qsizetype(54), whole.size() - 16, whole.size() - 1}) {
        Picture picture;
        QString error;
        EXPECT_FALSE(decodePicture(whole.first(size), "cut.bmp", "bmp", &picture, &error)) << size;
        EXPECT_TRUE(error.startsWith("cut.bmp: the picture is cut short")) << size << ": " << qPrintable(error);
    }
}

TEST(PixportPicture, BmpPixelOffsetInsideItsColourTableCountsTheTable)
{
    // The reader takes the pixels after the colour table when the offset points into it.
    QByteArray bmp = runLengthBmp(40, 4, 8, QByteArray(160, char(7)));
    bmp.replace(10, 4, le32(54));
    bmp.replace(30, 4, le32(0)); // rows as stored
    EXPECT_EQ(bmpBytesNeeded(bmp), bmp.size());
    Picture picture;
    QString error;
    EXPECT_FALSE(decodePicture(bmp.first(bmp.size() - 100), "table.bmp", "bmp", &picture, &error));
    EXPECT_TRUE(error.startsWith("table.bmp: the picture is cut short")) << qPrintable(error);
}

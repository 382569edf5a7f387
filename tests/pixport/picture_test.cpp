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

QByteArray le32(quint32 v) {
  QByteArray bytes(4, '\0');
  qToLittleEndian(v, bytes.data());
  return bytes;
}

QByteArray le16(quint16 v) {
  QByteArray bytes(2, '\0');
  qToLittleEndian(v, bytes.data());
  return bytes;
}

// A width x height BMP whose palette entry i is grey i, with run-length data.
QByteArray runLengthBmp(int width, int height, int bits, const QByteArray& data) {
  const int colours = 1 << bits;
  QByteArray palette;
  for (int i = 0; i < colours; ++i) palette += QByteArray(3, char(i)) + '\0';
  const quint32 pixelsAt = 14 + 40 + quint32(palette.size());
  QByteArray info = le32(40) + le32(quint32(width)) + le32(quint32(height)) + le16(1) +
                    le16(quint16(bits)) + le32(bits == 8 ? 1 : 2) + le32(quint32(data.size())) +
                    le32(2835) + le32(2835) + le32(quint32(colours)) + le32(0);
  return "BM" + le32(pixelsAt + quint32(data.size())) + le32(0) + le32(pixelsAt) + info + palette +
         data;
}

QByteArray be32(quint32 v) {
  QByteArray bytes(4, '\0');
  qToBigEndian(v, bytes.data());
  return bytes;
}

// A PNG of width x height 8-bit RGB pixels, rows given without their filter byte;
// rows past those given are black. With header only, its pixel data is empty.
QByteArray rgbPng(int width, int height, const QList<QByteArray>& rows, bool headerOnly = false) {
  auto chunk = [](const QByteArray& type, const QByteArray& data) {
    quint32 crc = 0xFFFFFFFFu;
    for (char byte : type + data) {
      crc ^= static_cast<uchar>(byte);
      for (int bit = 0; bit < 8; ++bit) crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1)));
    }
    return be32(quint32(data.size())) + type + data + be32(~crc);
  };
  QByteArray raw(headerOnly ? 0 : qsizetype(height) * (1 + 3 * width), '\0');
  for (int y = 0; y < rows.size(); ++y)
    raw.replace(qsizetype(y) * (1 + 3 * width) + 1, rows[y].size(), rows[y]);
  const QByteArray header =
      be32(quint32(width)) + be32(quint32(height)) + QByteArray("\x08\x02\0\0\0", 5);
  return "\x89PNG\r\n\x1a\n" + chunk("IHDR", header) + chunk("IDAT", qCompress(raw, 1).mid(4)) +
         chunk("IEND", QByteArray());
}

QByteArray repeated(const QByteArray& row, int times) {
  QByteArray all;
  for (int i = 0; i < times; ++i) all += row;
  return all;
}

}  // namespace

TEST(PixportPicture, RunLengthDataMustSetEveryPixel) {
  // Two pixels of 5, three given one by one (7, 9, 9, padded), end of line.
  const QByteArray row8 = QByteArray::fromHex("0205 0003 07090900 0000");
  const QByteArray row4 = QByteArray::fromHex("0412 0000");  // four pixels alternating 1 and 2
  const QByteArray end = QByteArray::fromHex("0001");
  const struct {
    const char* name;
    QByteArray bmp;
    RunLength walk;
  } cases[] = {
      {"rle8 whole", runLengthBmp(5, 3, 8, repeated(row8, 3) + end), RunLength::Complete},
      {"rle8 without the end mark", runLengthBmp(5, 3, 8, repeated(row8, 3)), RunLength::Complete},
      {"rle4 whole", runLengthBmp(4, 2, 4, repeated(row4, 2) + end), RunLength::Complete},
      {"rle8 cut short", runLengthBmp(5, 3, 8, repeated(row8, 2)), RunLength::CutShort},
      {"rle8 cut in a literal run",
       runLengthBmp(5, 3, 8, repeated(row8, 2) + QByteArray::fromHex("0205 0003 07")),
       RunLength::CutShort},
      {"rle8 ended early", runLengthBmp(5, 3, 8, row8 + end), RunLength::SkipsPixels},
      {"rle8 line ended early",
       runLengthBmp(5, 3, 8, QByteArray::fromHex("0205 0000") + repeated(row8, 2)),
       RunLength::SkipsPixels},
      {"rle8 move", runLengthBmp(5, 3, 8, QByteArray::fromHex("0002 0101") + repeated(row8, 3)),
       RunLength::SkipsPixels},
      {"not run-length",
       test::readFile(
           test::savePicture(test::codedPicture(3, 2), QDir::tempPath(), "pixport_plain.bmp")),
       RunLength::NotRunLength},
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

TEST(PixportPicture, BmpShorterThanItsHeaderSaysIsRefused) {
  const QByteArray whole = test::readFile(
      test::savePicture(test::codedPicture(5, 4), QDir::tempPath(), "pixport_whole.bmp"));
  EXPECT_EQ(bmpBytesNeeded(whole), whole.size());
  for (const qsizetype size :
       {qsizetype(2), qsizetype(27), qsizetype(54), whole.size() - 16, whole.size() - 1}) {
    Picture picture;
    QString error;
    EXPECT_FALSE(decodePicture(whole.first(size), "cut.bmp", "bmp", &picture, &error)) << size;
    EXPECT_TRUE(error.startsWith("cut.bmp: the picture is cut short"))
        << size << ": " << qPrintable(error);
  }
}

TEST(PixportPicture, BmpPixelOffsetInsideItsColourTableCountsTheTable) {
  // The reader takes the pixels after the colour table when the offset points into it.
  QByteArray bmp = runLengthBmp(40, 4, 8, QByteArray(160, char(7)));
  bmp.replace(10, 4, le32(54));
  bmp.replace(30, 4, le32(0));  // rows as stored
  EXPECT_EQ(bmpBytesNeeded(bmp), bmp.size());
  Picture picture;
  QString error;
  EXPECT_FALSE(decodePicture(bmp.first(bmp.size() - 100), "table.bmp", "bmp", &picture, &error));
  EXPECT_TRUE(error.startsWith("table.bmp: the picture is cut short")) << qPrintable(error);
}

TEST(PixportPicture, SixteenBitBmpsKeepEveryRgb15ValueExactly) {
  // 256 x 128 pixels, pixel (x, y) holding RGB15 value x + 256 y in each layout
  // (the file keeps blue in the low bits, RGB15 red).
  struct Case {
    const char* name;
    int infoSize;
    int compression;
    quint32 red, green, blue;
    bool topDown;
  };
  const Case cases[] = {
      {"555", 40, 0, 0x7C00, 0x03E0, 0x001F, false},
      {"555 top-down", 40, 0, 0x7C00, 0x03E0, 0x001F, true},
      {"555 bit fields", 40, 3, 0x7C00, 0x03E0, 0x001F, false},
      {"565 bit fields", 40, 3, 0xF800, 0x07E0, 0x001F, false},
      {"565 in a V4 header", 108, 3, 0xF800, 0x07E0, 0x001F, false},
      {"555 in a V5 header", 124, 3, 0x7C00, 0x03E0, 0x001F, true},
  };
  for (const Case& c : cases) {
    const bool fields = c.compression == 3;
    QByteArray info = le32(quint32(c.infoSize)) + le32(256) +
                      le32(quint32(c.topDown ? -128 : 128)) + le16(1) + le16(16) +
                      le32(quint32(c.compression)) + le32(256 * 2 * 128) + le32(2835) + le32(2835) +
                      le32(0) + le32(0);
    if (fields) info += le32(c.red) + le32(c.green) + le32(c.blue);
    info += QByteArray(c.infoSize + (fields && c.infoSize == 40 ? 12 : 0) - info.size(), '\0');
    QByteArray pixels;
    const bool wideGreen = c.green == 0x07E0;
    for (int row = 0; row < 128; ++row) {
      const int y = c.topDown ? row : 127 - row;
      for (int x = 0; x < 256; ++x) {
        const int v = x + 256 * y;
        const int r = v & 31, g = (v >> 5) & 31, b = v >> 10;
        pixels += wideGreen ? le16(quint16(b | (g << 1 | g >> 4) << 5 | r << 11))
                            : le16(quint16(b | g << 5 | r << 10));
      }
    }
    const quint32 at = 14 + quint32(info.size());
    const QByteArray bmp =
        "BM" + le32(at + quint32(pixels.size())) + le32(0) + le32(at) + info + pixels;
    Picture picture;
    QString error;
    ASSERT_TRUE(decodePicture(bmp, "16.bmp", "bmp", &picture, &error))
        << c.name << ": " << qPrintable(error);
    int wrong = 0;
    for (int v = 0; v < 32768; ++v)
      wrong += toRgb15(picture.desktopColourAt(v % 256, v / 256)) != v;
    EXPECT_EQ(wrong, 0) << c.name;
  }
}

TEST(PixportPicture, LargePicturesDecodeUpToTheStatedLimit) {
  Picture picture;
  QString error;
  const QByteArray big = rgbPng(6000, 6000, {QByteArray("\xff\0\0\0\xff\0", 6)});
  ASSERT_TRUE(decodePicture(big, "big.png", "png", &picture, &error)) << qPrintable(error);
  EXPECT_EQ(picture.width(), 6000);
  EXPECT_EQ(toRgb15(picture.desktopColourAt(0, 0)), 31);
  EXPECT_EQ(toRgb15(picture.desktopColourAt(1, 0)), 992);
  EXPECT_EQ(toRgb15(picture.desktopColourAt(5999, 5999)), 0);

  // Only the header is read of a picture above the limit.
  const QByteArray huge = rgbPng(9000, 8000, {}, true);
  EXPECT_FALSE(decodePicture(huge, "huge.png", "png", &picture, &error));
  EXPECT_EQ(error,
            "huge.png: the picture is 9000 x 8000 pixels, more than pixport decodes "
            "(256 MB of 32-bit pixels, such as 8192 x 8192)");
}

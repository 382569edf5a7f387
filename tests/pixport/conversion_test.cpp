// The walks in straight-across and 8x8 sprite order, the size header, BIN
// output and the progress percentages of whole conversions.
#include "core/conversion.h"
#include "test_pictures.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace pixport;
using test::customSettings;
using test::fixedSettings;

namespace {

const Picture& coded32() {
  static const Picture picture(test::codedPicture(32, 32));
  return picture;
}

QByteArray binFile(const Picture& picture, const Settings& settings) {
  QTemporaryDir dir;
  const QString path = dir.filePath("out.bin");
  OutputWriter out = OutputWriter::binFile(path);
  QString error;
  EXPECT_EQ(convert(picture, settings, out, ConversionHooks(), &error), Outcome::Done)
      << qPrintable(error);
  return test::readFile(path);
}

QList<int> flat(const QList<QList<int>>& lines) {
  QList<int> all;
  for (const QList<int>& line : lines) all += line;
  return all;
}

}  // namespace

TEST(PixportConversion, StraightAcrossWritesOneLinePerRow) {
  const QByteArray text = test::arrayText(coded32(), fixedSettings(SizeOption::Size16, false));
  const QList<QByteArray> lines = test::linesOf(text);
  ASSERT_EQ(lines.size(), 16);
  EXPECT_TRUE(lines.front().startsWith("{ 0, 1, 2, "));
  for (int i = 1; i < 16; ++i) EXPECT_TRUE(lines[i].startsWith('\t')) << i;
  for (int i = 0; i < 15; ++i) EXPECT_TRUE(lines[i].endsWith(", \r")) << i;
  EXPECT_TRUE(text.endsWith(
      "\t480, 481, 482, 483, 484, 485, 486, 487, 488, 489, 490, 491, 492, 493, 494, 495};"));
  EXPECT_EQ(test::valuesByLine(text), test::rowsOf(16, 16, 32, 32));
}

TEST(PixportConversion, TileOrderWritesOneLinePerTile) {
  const QByteArray text16 = test::arrayText(coded32(), fixedSettings(SizeOption::Size16, true));
  const QList<QList<int>> tiles = test::valuesByLine(text16);
  ASSERT_EQ(tiles.size(), 4);
  EXPECT_EQ(tiles, test::tilesOf(16, 16, 32, 32));
  // Value 9 is row 1, column 0; value 65 is row 0, column 8; tile 3 starts at row 8.
  EXPECT_EQ(tiles[0][8], test::codedValue(0, 1));
  EXPECT_EQ(tiles[1][0], test::codedValue(8, 0));
  EXPECT_EQ(tiles[2][0], test::codedValue(0, 8));

  const QByteArray text8 = test::arrayText(coded32(), fixedSettings(SizeOption::Size8, true));
  EXPECT_FALSE(text8.contains('\n'));
  EXPECT_TRUE(text8.startsWith("{ 0, 1, "));
  EXPECT_TRUE(text8.endsWith(", 231};"));
  EXPECT_EQ(test::valuesByLine(text8), test::tilesOf(8, 8, 32, 32));

  EXPECT_EQ(test::valuesByLine(test::arrayText(coded32(), fixedSettings(SizeOption::Size32, true))),
            test::tilesOf(32, 32, 32, 32));
}

TEST(PixportConversion, CustomSizeWithAndWithoutHeader) {
  const Picture picture(test::codedPicture(4, 4));
  EXPECT_EQ(test::arrayText(picture, customSettings(1, 1, true)),
            QByteArray("{ 0, 0, //width, height\r\n\t0};"));
  EXPECT_EQ(test::arrayText(picture, customSettings(2, 2, false)),
            QByteArray("{ 0, 1, \r\n\t32, 33};"));

  const QByteArray withHeader = test::arrayText(picture, customSettings(5, 3, true));
  ASSERT_EQ(test::linesOf(withHeader).size(), 4);
  EXPECT_EQ(test::linesOf(withHeader).front(), QByteArray("{ 4, 2, //width, height\r"));
  EXPECT_EQ(test::valuesByLine(withHeader), test::rowsOf(5, 3, 4, 4));
}

TEST(PixportConversion, WorkedTwoByTwoExample) {
  QImage image(2, 2, QImage::Format_RGB32);
  image.setPixel(0, 0, qRgb(255, 255, 255));
  image.setPixel(1, 0, qRgb(255, 0, 0));
  image.setPixel(0, 1, qRgb(0, 255, 0));
  image.setPixel(1, 1, qRgb(0, 0, 255));
  EXPECT_EQ(test::arrayText(Picture(image), customSettings(2, 2, true)),
            QByteArray("{ 1, 1, //width, height\r\n\t32767, 31, \r\n\t992, 31744};"));
}

TEST(PixportConversion, PixelsBeyondThePictureReadWhite) {
  const Picture small(test::codedPicture(20, 12));
  EXPECT_EQ(test::valuesByLine(test::arrayText(small, fixedSettings(SizeOption::Size32, true))),
            test::tilesOf(32, 32, 20, 12));
  EXPECT_EQ(test::valuesByLine(test::arrayText(small, customSettings(23, 2, false))),
            test::rowsOf(23, 2, 20, 12));
  EXPECT_EQ(
      flat(test::valuesByLine(test::arrayText(Picture(), fixedSettings(SizeOption::Size8, false)))),
      QList<int>(64, 32767))
      << "no picture loaded";
}

TEST(PixportConversion, BinFileWithAndWithoutHeader) {
  const QByteArray custom = binFile(coded32(), customSettings(3, 2, true, true));
  ASSERT_EQ(custom.size(), 16);
  EXPECT_EQ(custom.left(4), QByteArray::fromHex("02000100"));
  EXPECT_EQ(test::wordsOf(custom.mid(4)), flat(test::rowsOf(3, 2, 32, 32)));

  for (bool tiles : {false, true}) {
    const QByteArray fixed = binFile(coded32(), fixedSettings(SizeOption::Size16, tiles, true));
    ASSERT_EQ(fixed.size(), 512) << "no header with a fixed size";
    EXPECT_EQ(test::wordsOf(fixed),
              flat(tiles ? test::tilesOf(16, 16, 32, 32) : test::rowsOf(16, 16, 32, 32)));
  }
}

TEST(PixportConversion, ProgressPercentBeforeEachPixelOrTile) {
  QList<int> seen;
  int pumps = 0;
  ConversionHooks hooks;
  hooks.progress = [&](int percent) { seen << percent; };
  hooks.pump = [&] {
    ++pumps;
    return true;
  };
  OutputWriter out = OutputWriter::arrayText();
  QString error;
  convert(coded32(), customSettings(5, 3, true), out, hooks, &error);
  EXPECT_EQ(seen, (QList<int>{0, 6, 13, 20, 26, 33, 40, 46, 53, 60, 66, 73, 80, 86, 93}));
  EXPECT_EQ(pumps, 3) << "one pump per row";

  seen.clear();
  pumps = 0;
  convert(coded32(), fixedSettings(SizeOption::Size32, true), out, hooks, &error);
  // Tile (x, y) reports its top-left pixel: (8, 0) gives 0% again, (16, 0) 1%.
  EXPECT_EQ(seen, (QList<int>{0, 1, 2, 25, 26, 27, 50, 51, 52, 75, 76, 77}));
  EXPECT_EQ(pumps, 4) << "one pump per band of tiles";

  EXPECT_EQ(progressPercent(32767, 32767, 32768, 32768), 99);
}

TEST(PixportConversion, PumpCanAbandonAndLeaveTheBinTargetAlone) {
  QTemporaryDir dir;
  const QString path = dir.filePath("keep.bin");
  test::writeFile(path, "keep");
  OutputWriter out = OutputWriter::binFile(path);
  ConversionHooks hooks;
  int rows = 0;
  hooks.pump = [&] { return ++rows < 2; };
  QString error;
  EXPECT_EQ(convert(coded32(), customSettings(4, 4, true, true), out, hooks, &error),
            Outcome::Abandoned);
  EXPECT_EQ(rows, 2);
  EXPECT_EQ(test::readFile(path), QByteArray("keep"));
}

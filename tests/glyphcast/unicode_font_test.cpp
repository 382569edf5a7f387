// Unicode fonts from the command line: the options that go together, the binary
// file against the compiled C source, the fallback order, missing code points and
// the report line.
#include "glyphcast/cli/arguments.h"
#include "glyphcast/core/preview.h"
#include "glyphcast/gui/font_window.h"
#include "qt_app.h"

#include "glyphcast_kana_9.h"
#include "glyphcast_latin_2bpp.h"
#include "glyphcast_latin_4bpp.h"

#include <QBuffer>
#include <QCheckBox>
#include <QComboBox>
#include <QSet>
#include <QImage>
#include <QPixmap>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QFile>
#include <QTemporaryDir>
#include <QtEndian>

#include <gtest/gtest.h>
#include <libpane.h>

#include <cstring>
#include <vector>

using namespace glyphcast;

namespace {

const QString kLatin = QStringLiteral(GLYPHCAST_TEST_FONT);
const QString kKana = QStringLiteral(GLYPHCAST_KANA_FONT);
const QString kHan = QStringLiteral("/usr/share/fonts/truetype/wqy/wqy-zenhei.ttc");

struct RunResult {
  int status = -1;
  QByteArray out;
  QByteArray err;
};

RunResult run(const QStringList& args) {
  QBuffer out;
  QBuffer err;
  out.open(QIODevice::WriteOnly);
  err.open(QIODevice::WriteOnly);
  RunResult result;
  result.status = runCommandLine(args, out, err);
  result.out = out.data();
  result.err = err.data();
  return result;
}

QByteArray readFile(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

quint32 word(const QByteArray& bytes, qsizetype at, int size = 4) {
  return size == 2 ? qFromLittleEndian<quint16>(bytes.constData() + at)
                   : qFromLittleEndian<quint32>(bytes.constData() + at);
}

// One glyph of a binary font: its record but the offset, its top alone, and its pixels.
struct Glyph {
  bool found = false;
  QByteArray shape;  // advance, width, height, left
  int top = 0;
  QByteArray pixels;
};

Glyph glyphOf(const QByteArray& font, quint32 point) {
  if (font.size() < 44) return Glyph();
  const quint32 ranges = word(font, 20);
  const quint32 glyphs = word(font, 24);
  const qsizetype glyphTable = 44 + 8 * (ranges + 1);
  const qsizetype bitmaps = glyphTable + 8 * glyphs;
  for (quint32 r = 0; r < ranges; ++r) {
    const quint32 first = word(font, 44 + 8 * r);
    const quint32 index = word(font, 48 + 8 * r);
    const quint32 end = word(font, 56 + 8 * r);  // the next range's first glyph
    if (point < first || point - first >= end - index) continue;
    const qsizetype record = glyphTable + 8 * (index + point - first);
    Glyph glyph;
    glyph.found = true;
    glyph.shape = font.mid(record + 3, 4);
    glyph.top = static_cast<uchar>(font[record + 7]);
    const quint32 offset = word(font, record) & 0xFFFFFF;
    const int bits = static_cast<uchar>(font[record + 4]) * static_cast<uchar>(font[record + 5]) *
                     static_cast<uchar>(font[6]);
    glyph.pixels = font.mid(bitmaps + offset, (bits + 7) / 8);
    return glyph;
  }
  return Glyph();
}

// Pixel i of a glyph's pixels packed at bits per pixel, most significant bits first.
int level(const QByteArray& pixels, int i, int bits) {
  const int at = i * bits;
  return (static_cast<uchar>(pixels[at / 8]) >> (8 - bits - at % 8)) & ((1 << bits) - 1);
}

class GlyphcastUnicode : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { glyphcast::test::testApplication(); }
};

}  // namespace

TEST(GlyphcastUnicodeArguments, RefuseOptionsThatDoNotGoTogether) {
  struct Case {
    QStringList args;
    const char* message;
  };
  const Case cases[] = {
      {{"--font", "A", "--range", "0x20-0x7E"},
       "--range and --symbols-file need --unicode or --binary"},
      {{"--font", "A", "--symbols-file", "s.txt"},
       "--range and --symbols-file need --unicode or --binary"},
      {{"--font-file", "a.ttf", "--font-file", "b.ttf"},
       "several --font-file need --unicode or --binary"},
      {{"--unicode", "--font", "A", "--font-file", "a.ttf", "--font-file", "b.ttf"},
       "--font picks the family of a single --font-file"},
      {{"--binary", "f.bin", "--font", "A", "-o", "f.c"},
       "-o and --header write the C source of --unicode"},
      {{"--unicode", "--font", "A", "--template", "t.txt"}, "--template is for classic fonts only"},
      {{"--unicode", "--font", "A", "--range", "0x7E-0x20"},
       "the range \"0x7E-0x20\" ends before it starts"},
      {{"--font", "A", "--binary", ""}, "--binary needs a value"},
      {{"--font", "A", "--bpp", "2"}, "--bpp needs --unicode or --binary"},
      {{"--unicode", "--font", "A", "--bpp", "3"}, "--bpp takes 1, 2 or 4, not \"3\""},
      {{"--font", "A", "--preview-background", "0x8000"},
       "--preview-background takes an RGB15 value (0 to 32767, hex or decimal), not \"0x8000\""},
      {{"--font", "A", "--preview-background", "+5"}, "--preview-background takes an RGB15 value"},
  };
  for (const Case& c : cases) {
    const RunResult result = run(c.args);
    EXPECT_EQ(result.status, 2) << c.message;
    EXPECT_TRUE(result.out.isEmpty());
    EXPECT_TRUE(result.err.startsWith(QByteArray("glyphcast: ") + c.message))
        << result.err.toStdString();
  }
}

TEST(GlyphcastUnicodeFont, BinaryFileHoldsWhatTheCompiledSourceHolds) {
  struct Case {
    const char* binary;
    const PaneFont& font;
    unsigned bitsPerPixel;
  };
  const Case cases[] = {{GLYPHCAST_KANA_BINARY, glyphcast_kana_9, 1},
                        {GLYPHCAST_LATIN_2BPP_BINARY, glyphcast_latin_2bpp, 2},
                        {GLYPHCAST_LATIN_4BPP_BINARY, glyphcast_latin_4bpp, 4}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.binary);
    const QByteArray bin = readFile(QString::fromUtf8(c.binary));
    const PaneFont& font = c.font;
    EXPECT_EQ(font.bitsPerPixel, c.bitsPerPixel);
    ASSERT_GE(bin.size(), 44);
    EXPECT_EQ(bin.left(4), QByteArray("PFNT"));
    const quint32 header[] = {word(bin, 4, 2),
                              static_cast<uchar>(bin[6]),
                              static_cast<uchar>(bin[7]),
                              word(bin, 8, 2),
                              word(bin, 10, 2),
                              word(bin, 12, 2),
                              word(bin, 14, 2),
                              word(bin, 16, 2),
                              word(bin, 20),
                              word(bin, 24),
                              word(bin, 28),
                              word(bin, 32),
                              word(bin, 36),
                              word(bin, 40)};
    const quint32 expected[] = {1,
                                font.bitsPerPixel,
                                font.reserved,
                                font.lineHeight,
                                font.baseline,
                                font.underline,
                                font.tabDistance,
                                font.transparent,
                                font.rangeCount,
                                font.glyphCount,
                                font.bitmapBytes,
                                font.pictureFirst,
                                font.pictureCount,
                                font.replacement};
    for (size_t i = 0; i < std::size(header); ++i)
      EXPECT_EQ(header[i], expected[i]) << "field " << i;
    const qsizetype ranges = 8 * (font.rangeCount + 1);
    const qsizetype glyphs = 8 * font.glyphCount;
    ASSERT_EQ(bin.size(), 44 + ranges + glyphs + font.bitmapBytes);
    for (quint32 r = 0; r <= font.rangeCount; ++r) {
      EXPECT_EQ(word(bin, 44 + 8 * r), font.ranges[r].first);
      EXPECT_EQ(word(bin, 48 + 8 * r), font.ranges[r].glyph);
    }
    EXPECT_EQ(std::memcmp(bin.constData() + 44 + ranges, font.glyphs, glyphs), 0);
    EXPECT_EQ(std::memcmp(bin.constData() + 44 + ranges + glyphs, font.bitmaps, font.bitmapBytes),
              0);
    // The library's loader takes the file as it is.
    std::vector<quint32> aligned((bin.size() + 3) / 4);
    std::memcpy(aligned.data(), bin.constData(), static_cast<size_t>(bin.size()));
    PaneFont loaded;
    ASSERT_EQ(paneFontFromMemory(aligned.data(), static_cast<size_t>(bin.size()), &loaded),
              PANE_FONT_OK);
    EXPECT_EQ(loaded.glyphCount, font.glyphCount);
    EXPECT_EQ(loaded.replacement, font.replacement);
  }

  // The kana font's own values: ASCII, 83 kana, U+FFFD as the replacement and the buttons.
  const PaneFont& font = glyphcast_kana_9;
  EXPECT_EQ(font.glyphCount, 95u + 83u + 1u + 14u);
  EXPECT_EQ(font.ranges[font.rangeCount].first, 0x110000u);
  EXPECT_EQ(font.ranges[font.rangeCount - 1].first, 0xFFFDu);  // after the buttons
  EXPECT_EQ(font.ranges[font.rangeCount - 1].glyph, font.replacement);
  EXPECT_EQ(font.pictureCount, 14u);
  const PaneGlyph& buttonA = font.glyphs[font.pictureFirst];
  EXPECT_EQ(buttonA.width * 100 + buttonA.height, 1111);
  const uint32_t offset = buttonA.offset[0] | buttonA.offset[1] << 8 | buttonA.offset[2] << 16;
  EXPECT_EQ(font.bitmaps[offset + 8] | font.bitmaps[offset + 9] << 8, 15855);  // grey
  EXPECT_EQ(font.glyphs[0].width, 0);  // the space: an advance alone
  EXPECT_GT(font.glyphs[0].advance, 0);
}

TEST_F(GlyphcastUnicode, CoverageGlyphsAreFullWhereTheOneBitGlyphHasInk) {
  QTemporaryDir dir;
  const QString oneBit = dir.filePath(QStringLiteral("one.bin"));
  ASSERT_EQ(run({"--font-file", kLatin, "--size", "9", "--range", "0x41-0x48", "--binary", oneBit})
                .status,
            0);
  const QByteArray ink = readFile(oneBit);
  for (const char* path : {GLYPHCAST_LATIN_2BPP_BINARY, GLYPHCAST_LATIN_4BPP_BINARY}) {
    SCOPED_TRACE(path);
    const QByteArray coverage = readFile(QString::fromUtf8(path));
    ASSERT_GE(coverage.size(), 44);
    const int bits = coverage[6];
    const int full = (1 << bits) - 1;
    int partial = 0;
    for (quint32 point = 'A'; point <= 'H'; ++point) {
      const Glyph one = glyphOf(ink, point);
      const Glyph smooth = glyphOf(coverage, point);
      ASSERT_TRUE(one.found && smooth.found);
      EXPECT_EQ(smooth.shape[0], one.shape[0]) << "advance of " << char(point);
      const int width = static_cast<uchar>(smooth.shape[1]);
      const int height = static_cast<uchar>(smooth.shape[2]);
      // The ink box is tight: coverage on each of its four sides.
      int sides[4] = {};  // left, right, top, bottom
      for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
          const int a = level(smooth.pixels, y * width + x, bits);
          partial += a > 0 && a < full;
          if (a == 0) continue;
          sides[0] += x == 0;
          sides[1] += x == width - 1;
          sides[2] += y == 0;
          sides[3] += y == height - 1;
        }
      }
      for (int side : sides) EXPECT_GT(side, 0) << char(point);
      // Full coverage lies mostly where the 1-bit capture has ink, and that ink
      // mostly has at least half coverage.
      const int dx = static_cast<qint8>(smooth.shape[3]) - static_cast<qint8>(one.shape[3]);
      const int dy = smooth.top - one.top;
      const int oneWidth = static_cast<uchar>(one.shape[1]);
      const int oneHeight = static_cast<uchar>(one.shape[2]);
      auto inked = [&](int x, int y) {
        return x >= 0 && x < oneWidth && y >= 0 && y < oneHeight &&
               level(one.pixels, y * oneWidth + x, 1) != 0;
      };
      int fulls = 0, fullOnInk = 0, inks = 0, halfOnInk = 0;
      for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
          const int a = level(smooth.pixels, y * width + x, bits);
          const bool ink = inked(x + dx, y + dy);
          fulls += a == full;
          fullOnInk += a == full && ink;
          inks += ink;
          halfOnInk += ink && 2 * a >= full;
        }
      }
      EXPECT_GE(fullOnInk * 10, fulls * 9) << char(point);
      EXPECT_GE(halfOnInk * 5, inks * 4) << char(point);
    }
    EXPECT_GT(partial, 0);  // smoothed: levels between none and full
  }
}

TEST_F(GlyphcastUnicode, EachCodePointComesFromTheFirstFileThatHasIt) {
  QTemporaryDir dir;
  auto make = [&dir](const QStringList& files, const char* name) {
    QStringList args = {"--size",      "9",        "--range",
                        "0x41,0x3042", "--binary", dir.filePath(QLatin1String(name))};
    for (const QString& file : files) args << QStringLiteral("--font-file") << file;
    EXPECT_EQ(run(args).status, 0);
    return readFile(dir.filePath(QLatin1String(name)));
  };
  const QByteArray both = make({kLatin, kKana}, "both.bin");
  const QByteArray latin = make({kLatin}, "latin.bin");
  const QByteArray kana = make({kKana}, "kana.bin");
  const Glyph a = glyphOf(both, 'A');
  const Glyph hiragana = glyphOf(both, 0x3042);
  EXPECT_EQ(a.shape, glyphOf(latin, 'A').shape);
  EXPECT_EQ(a.pixels, glyphOf(latin, 'A').pixels);
  EXPECT_NE(a.pixels, glyphOf(kana, 'A').pixels);
  EXPECT_EQ(hiragana.shape, glyphOf(kana, 0x3042).shape);
  EXPECT_EQ(hiragana.pixels, glyphOf(kana, 0x3042).pixels);
  EXPECT_FALSE(glyphOf(latin, 0x3042).found);
  // A later file's glyph sits on the first file's baseline.
  EXPECT_EQ(hiragana.top - glyphOf(kana, 0x3042).top,
            static_cast<int>(word(both, 10, 2)) - static_cast<int>(word(kana, 10, 2)));
}

TEST_F(GlyphcastUnicode, NamesMissingCodePointsAndReportsGlyphsAndBytes) {
  QTemporaryDir dir;
  const QString bin = dir.filePath(QStringLiteral("f.bin"));
  const QString symbols = dir.filePath(QStringLiteral("strings.txt"));
  {
    QFile file(symbols);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("A\xE3\x81");  // cut off in its last character
  }
  struct Case {
    QStringList args;
    int status;
    QByteArray err;  // the lines before the report (the whole of it when refused)
    int glyphs;      // in the report, the space, '?', U+FFFD if a font has it and the
                     // 14 buttons included; 0 when refused
  };
  const Case cases[] = {
      {{"--font-file", kLatin, "--range", "0x41,0x4E04-0x4E05,0x4E0C"},
       0,
       "glyphcast: warning: no font has 3 code points: U+4E04-U+4E05, U+4E0C; they are drawn as "
       "the replacement glyph.\n",
       18},
      {{"--font-file", kLatin, "--range", "0x41,0x4E04", "--exact"},
       2,
       "glyphcast: No font has U+4E04; only the fonts' own glyphs are accepted.\n",
       0},
      {{"--font-file", kLatin, "--range", "0x4A"},
       0,
       "glyphcast: warning: The glyph cells cut ink off 1 code point (loc bias 0, 0, width bias "
       "0, height bias 0): U+004A.\n",
       18},
      {{"--font-file", kLatin, "--symbols-file", symbols},
       2,
       "glyphcast: the symbols file " + symbols.toUtf8() + " is not UTF-8 text (byte 1)\n",
       0},
      // What a glyph record cannot hold.
      {{"--font-file", kLatin, "--loc-y", "-40"},
       2,
       "glyphcast: Loc bias y -40 puts the baseline above the line's top.\n",
       0},
      {{"--font-file", kLatin, "--range", "0x41", "--loc-x", "140", "--width-bias", "150"},
       2,
       "glyphcast: The ink of U+003F '?' starts 140 columns right of the pen; a Unicode glyph's "
       "starts at most 127 columns in.\n",
       0},
      // The first face of a collection.
      {{"--font-file", kHan, "--range", "0x4E2D"}, 0, "", 17},
  };
  for (const Case& c : cases) {
    QFile::remove(bin);
    const RunResult result = run(QStringList(c.args) << "--size"
                                                     << "9"
                                                     << "--binary" << bin);
    EXPECT_EQ(result.status, c.status) << result.err.toStdString();
    const QByteArray report = QStringLiteral("glyphcast: %1 glyphs, %2 bytes\n")
                                  .arg(c.glyphs)
                                  .arg(readFile(bin).size())
                                  .toUtf8();
    EXPECT_EQ(result.err, c.glyphs ? c.err + report : c.err);
    EXPECT_EQ(QFile::exists(bin), c.status == 0);
  }
}

TEST_F(GlyphcastUnicode, TheWindowPutsTheCommandLinesSourceOnTheClipboard) {
  struct Case {
    const char* bits;
    const char* background;  // as typed in the window and given to --preview-background
    bool smooth;             // the preview's text has levels between ink and background
  };
  const Case cases[] = {{"1", "0x1042", false}, {"2", "0x1042", true}, {"4", "31", true}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.bits);
    QString clipboard;
    panetools::WindowHooks hooks;
    hooks.setClipboard = [&clipboard](const QString& text) { clipboard = text; };
    FontWindow window(hooks);
    window.findChild<QLineEdit*>(QStringLiteral("Text3"))->setText(QStringLiteral("DejaVu Sans"));
    window.findChild<QLineEdit*>(QStringLiteral("Text4"))->setText(QStringLiteral("9"));
    window.findChild<QCheckBox*>(QStringLiteral("UnicodeCheck"))->setChecked(true);
    window.findChild<QComboBox*>(QStringLiteral("BppCombo"))->setCurrentText(c.bits);
    window.findChild<QLineEdit*>(QStringLiteral("PreviewBackground"))->setText(c.background);
    window.findChild<QLineEdit*>(QStringLiteral("SampleText"))->setText(QStringLiteral("Hello"));
    window.findChild<QLineEdit*>(QStringLiteral("RangesText"))
        ->setText(QStringLiteral("0x41-0x43,0x3042,0x48,0x65,0x6C,0x6F"));
    window.findChild<QPushButton*>(QStringLiteral("Command2"))->click();
    QTemporaryDir dir;
    const QString png = dir.filePath(QStringLiteral("preview.png"));
    const RunResult command =
        run({"--font", "DejaVu Sans", "--size", "9", "--unicode", "--range",
             "0x41-0x43,0x3042,0x48,0x65,0x6C,0x6F", "--preview", png, "--sample", "Hello", "--bpp",
             c.bits, "--preview-background", c.background});
    ASSERT_EQ(command.status, 0) << command.err.toStdString();
    EXPECT_EQ(clipboard.toUtf8(), command.out);
    // Both previews draw the sample through the library's loader and setUnicodeFont.
    const QImage shown = window.findChild<QLabel*>(QStringLiteral("Preview1x"))
                             ->pixmap()
                             .toImage()
                             .convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(shown, QImage(png).convertToFormat(QImage::Format_RGB32));
    EXPECT_TRUE(window.findChild<QLabel*>(QStringLiteral("Label1"))
                    ->text()
                    .contains(QStringLiteral("24 glyphs")));
    EXPECT_TRUE(command.err.contains("no font has 1 code point: U+3042;"));
    // The screen is the background; white text on it blends through grey levels.
    const std::uint16_t background = *parseRgb15(QString::fromLatin1(c.background));
    const QRgb corner = shown.pixel(0, 0);
    EXPECT_EQ((qRed(corner) >> 3) | (qGreen(corner) >> 3) << 5 | (qBlue(corner) >> 3) << 10,
              background);
    QSet<QRgb> colours;
    for (int y = 0; y < 40; ++y) {
      for (int x = 0; x < 80; ++x) colours.insert(shown.pixel(x, y));
    }
    EXPECT_EQ(colours.size() > 2, c.smooth) << colours.size();
  }
}

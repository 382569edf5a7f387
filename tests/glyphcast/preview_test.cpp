// The preview: the sample's DS string, the in-memory font table against the
// font source compiled as C99, and the picture against its golden.
#include "glyphcast/core/converter.h"
#include "glyphcast/core/image_capture_box.h"
#include "glyphcast/core/memory_font.h"
#include "glyphcast/core/preview.h"
#include "glyphcast/core/template_text.h"
#include "glyphcast_dejavu_sans_9.h"
#include "golden.h"
#include "qt_app.h"

#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace glyphcast;

namespace {

class GlyphcastPreview : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { test::testApplication(); }

  // The conversion the build made of the same font with the same settings.
  static Conversion dejaVuSans9() {
    Fields fields;
    fields.fontName = QStringLiteral("DejaVu Sans");
    fields.size = QStringLiteral("9");
    ConvertOptions options;
    options.name = QStringLiteral("glyphcast_dejavu_sans_9");
    ImageCaptureBox box;
    return convertFont(box, fields, defaultTemplate(), options);
  }
};

pane_test::RgbaPicture rgbaOf(const QImage& image) {
  pane_test::RgbaPicture picture;
  picture.width = image.width();
  picture.height = image.height();
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      const QRgb p = image.pixel(x, y);
      picture.pixels.push_back(qRed(p) | qGreen(p) << 8 | qBlue(p) << 16 | 0xFFu << 24);
    }
  }
  return picture;
}

// Words of the record or value a table slot points to.
size_t slotWords(int slot, const uint16* target) {
  if (slot < 256) return 2 + static_cast<size_t>(target[0] + 1) * (target[1] + 1);
  return slot == 259 ? 256 : 1;
}

}  // namespace

TEST(GlyphcastSample, BecomesTheDsString) {
  struct Case {
    const char* sample;
    QByteArray bytes;
    int start;
    int end;
  };
  const Case cases[] = {
      {"Press [A] to *jump*", QByteArray("Press \x01 to jump"), 11, 15},
      {"[B][X][Y][LEFT][UP][DOWN][RIGHT]", QByteArray("\x02\x03\x04\x05\x06\x0e\x0f"), -1, -1},
      {"[SELECT][START][L][R][^][v][Z]", QByteArray("\x10\x11\x12\x13\x14\x15[Z]"), -1, -1},
      {"\u00e9t\u00e9 5 \u20ac \u2122 \u4e2d", QByteArray("\xe9t\xe9 5 \x80 \x99 ?"), -1, -1},
      {"a*b", QByteArray("ab"), -1, -1},
      {"tab\there", QByteArray("tab?here"), -1, -1},
  };
  for (const Case& c : cases) {
    const SampleText text = parseSample(QString::fromUtf8(c.sample));
    EXPECT_EQ(text.bytes, c.bytes) << c.sample;
    EXPECT_EQ(text.highlightStart, c.start) << c.sample;
    EXPECT_EQ(text.highlightEnd, c.end) << c.sample;
  }
}

TEST(GlyphcastSample, BecomesUtf8ForAUnicodeFont) {
  struct Case {
    const char* sample;
    QByteArray bytes;
    int start;  // byte offsets
    int end;
  };
  const Case cases[] = {
      {"\u00e9*\u4e2d*[A]", QByteArray("\xc3\xa9\xe4\xb8\xad\xee\x80\x80"), 2, 5},
      {"[v][Z]\U0001F600", QByteArray("\xee\x80\x8d[Z]\xf0\x9f\x98\x80"), -1, -1},
      {"tab\there", QByteArray("tab?here"), -1, -1},
  };
  for (const Case& c : cases) {
    const SampleText text = parseUnicodeSample(QString::fromUtf8(c.sample));
    EXPECT_EQ(text.bytes, c.bytes) << c.sample;
    EXPECT_EQ(text.highlightStart, c.start) << c.sample;
    EXPECT_EQ(text.highlightEnd, c.end) << c.sample;
  }
}

TEST_F(GlyphcastPreview, TableInMemoryIsTheCompiledSourceWordForWord) {
  const Conversion conversion = dejaVuSans9();
  ASSERT_TRUE(conversion.ok) << conversion.message.toStdString();
  QString error;
  std::unique_ptr<MemoryFont> font = MemoryFont::build(conversion, &error);
  ASSERT_TRUE(font) << error.toStdString();
  for (int slot = 0; slot < 260; ++slot) {
    const uint16* compiled = glyphcast_dejavu_sans_9[slot];
    const uint16* built = font->table()[slot];
    ASSERT_EQ(compiled == nullptr, built == nullptr) << "slot " << slot;
    if (compiled == nullptr) continue;
    const size_t words = slotWords(slot, compiled);
    EXPECT_EQ(std::vector<uint16>(compiled, compiled + words),
              std::vector<uint16>(built, built + words))
        << "slot " << slot;
  }
}

// A template whose table t holds glyph at slot 1 and the four trailers.
QString templateWith(const char* arrays, const char* glyph, const char* trailers) {
  QString table = QStringLiteral("uint16* t[] = { 0, %1, NULL").arg(QLatin1String(glyph));
  for (int slot = 3; slot < 256; ++slot) table += QStringLiteral(", 0");
  return QLatin1String(arrays) + QStringLiteral("\r\n") + table +
         QStringLiteral(", %1 };\r\n").arg(QLatin1String(trailers));
}

TEST_F(GlyphcastPreview, ReadsAnEditedTemplateAsCWould) {
  Conversion conversion;
  conversion.prefix = QStringLiteral("f");
  conversion.tableName = QStringLiteral("t");
  conversion.templatePart = templateWith(
      "#include <x.h>\r\nstatic uint16 f_G[] = { 0x1, 0, -2, 010 /* octal */, 1 + 2 * 3, (1 << 15 "
      "| 1U) - 1, ~0 ^ 0xFF, -7 / 2 % 2, 6 & 3 };\r\n"
      "const u16 f_BIAS[256] = { 7, };\r\n// uint16* t[] = { f_NOPE };",
      "f_G", "f_G, f_G, f_G, (uint16*) f_BIAS");
  QString error;
  std::unique_ptr<MemoryFont> font = MemoryFont::build(conversion, &error);
  ASSERT_TRUE(font) << error.toStdString();
  EXPECT_EQ(*font->array(QStringLiteral("f_G")),
            (std::vector<uint16_t>{1, 0, 65534, 8, 7, 32768, 65280, 65535, 2}));
  EXPECT_EQ(font->array(QStringLiteral("f_BIAS"))->size(), 256u);
  EXPECT_EQ(font->array(QStringLiteral("f_BIAS"))->at(0), 7);
  EXPECT_EQ(font->table()[0], nullptr);
  EXPECT_EQ(font->table()[1], font->array(QStringLiteral("f_G"))->data());
  EXPECT_EQ(font->table()[2], nullptr);
  EXPECT_EQ(font->table()[259], font->array(QStringLiteral("f_BIAS"))->data());

  // Refused: what C would not compile, and arrays libpane would read past.
  const struct {
    QString templ;
    const char* message;
  } refusals[] = {
      {QStringLiteral("uint16* u[] = { 0 };"), "the template declares no table uint16* t[]"},
      {QStringLiteral("uint16* t[] = { f_A065 };"),
       "entry 0 of the table, f_A065, names no array of the font"},
      {QStringLiteral("static uint16 f_U[] = { twelve };"),
       "the value twelve of f_U is not a constant the preview can read (numbers, operators and "
       "brackets)"},
      {QStringLiteral("static uint16 f_U[] = { 1 / 0 };"),
       "the value 1 / 0 of f_U is not a constant the preview can read (numbers, operators and "
       "brackets)"},
      {QStringLiteral("static uint16 f_U[] = { 1 2 };"),
       "the value 1 2 of f_U is not a constant the preview can read (numbers, operators and "
       "brackets)"},
      {templateWith("static uint16 f_G[] = { 200, 150, 0 }; static uint16 f_V[] = { 1 };", "f_G",
                    "f_V, f_V, f_V, 0"),
       "entry 1 of the table t points to f_G, which holds 3 words where its sprite header asks for "
       "30353"},
      {templateWith(
           "static uint16 f_G[] = { 0xFFFF, 1, 1, 2, 0, 32767 }; static uint16 f_V[] = { 1 };",
           "f_G", "f_V, f_V, f_V, 0"),
       "entry 1 of the table t points to f_G, which holds 6 words where its sprite header asks for "
       "7"},
      {templateWith("static uint16 f_G[] = { 0xFFFF, 0, 0, 0, 0 }; static uint16 f_V[] = { 1 };",
                    "f_G", "f_V, f_V, f_V, 0"),
       "entry 1 of the table t points to f_G, whose sprite header is cut short or has no usable "
       "palette"},
      {templateWith("static uint16 f_V[] = { 0, 0, 0 };", "f_V", "f_V, f_V, f_V, f_V"),
       "entry 259 of the table t points to f_V, which holds 3 vertical biases, not 256"},
      {templateWith("static uint16 f_V[] = { 0, 0, 0 };", "f_V", "f_V, 0, f_V, 0"),
       "entry 257 of the table t is null; libpane reads a value there"},
  };
  for (const auto& r : refusals) {
    conversion.templatePart = r.templ;
    EXPECT_FALSE(MemoryFont::build(conversion, &error)) << r.message;
    EXPECT_EQ(error, QString::fromUtf8(r.message));
  }
}

TEST_F(GlyphcastPreview, DrawsTheSampleAsLibpaneDoes) {
  const Conversion conversion = dejaVuSans9();
  ASSERT_TRUE(conversion.ok) << conversion.message.toStdString();
  QString error;
  std::unique_ptr<MemoryFont> font = MemoryFont::build(conversion, &error);
  ASSERT_TRUE(font) << error.toStdString();
  const QImage preview = renderPreview(font->table(), defaultSample());
  EXPECT_EQ(preview.size(), QSize(256, 192));
  EXPECT_TRUE(pane_test::pictureMatchesGolden("glyphcast_preview", rgbaOf(preview)));
  EXPECT_EQ(scaledPreview(preview, 2).pixel(21, 41), preview.pixel(10, 20));

  // The command line writes the same picture.
  QTemporaryDir dir;
  const QString png = dir.filePath(QStringLiteral("preview.png"));
  QProcess process;
  process.start(QStringLiteral(GLYPHCAST_EXE), {"--font-file", GLYPHCAST_TEST_FONT, "--size", "9",
                                                "--preview", png, "-o", dir.filePath("f.c")});
  ASSERT_TRUE(process.waitForFinished(60000));
  ASSERT_EQ(process.exitCode(), 0) << process.readAllStandardError().toStdString();
  EXPECT_EQ(QImage(png).convertToFormat(QImage::Format_RGB32), preview);
}

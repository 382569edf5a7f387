// Names, the comment block, colour conversion, glyph bodies, placeholders, line ends.
#include "glyphcast/core/glyph_source.h"
#include "fake_capture_box.h"

#include <QStringList>

#include <gtest/gtest.h>

using namespace glyphcast;
using namespace glyphcast::test;

TEST(GlyphcastSource, BuildsPrefixAndTableNameFromFontAndSize) {
    struct Case {
        const char* font;
        const char* size;
        const char* prefix;
        const char* table;
    };
    const Case cases[] = {{"Arial", "12", "fa12", "font_arial_12"},
                          {"Times New Roman", "10", "ft10", "font_times_new_roman_10"},
                          {"DejaVu Sans", "8.5", "fd8.5", "font_dejavu_sans_8.5"}};
    for (const Case& c : cases) {
        EXPECT_EQ(fontPrefix(QString::fromUtf8(c.font), QString::fromUtf8(c.size)), QString::fromUtf8(c.prefix));
        EXPECT_EQ(fontTableName(QString::fromUtf8(c.font), QString::fromUtf8(c.size)), QString::fromUtf8(c.table));
    }
}

TEST(GlyphcastSource, CommentBlockRecordsEveryFieldAsTyped) {
    Fields fields;
    fields.fontName = QStringLiteral("Arial");
    const QString unchecked = QStringLiteral(
        "#include <nds.h>\r\n#include <stdio.h>\r\n\r\n// Font name: 'Arial' size 12\r\n// [ ] Bold\r\n"
        "// [ ] Italics\r\n\r\n// Width bias: 0, 0\r\n// Loc bias: 0, 0\r\n// Underline: 12\r\n\r\n");
    EXPECT_EQ(commentBlock(fields), unchecked);

    fields.bold = true;
    QString bold = unchecked;
    bold.replace(QStringLiteral("[ ] Bold"), QStringLiteral("[x] Bold"));
    EXPECT_EQ(commentBlock(fields), bold);

    fields.italic = true;
    fields.widthBias = QStringLiteral("-1");
    fields.heightBias = QStringLiteral("2.50");
    fields.locX = QStringLiteral("+3");
    fields.locY = QStringLiteral("4");
    fields.underline = QString();
    const QString block = commentBlock(fields);
    EXPECT_TRUE(block.contains(QStringLiteral("// [x] Italics\r\n")));
    EXPECT_TRUE(block.contains(QStringLiteral("// Width bias: -1, 2.50\r\n// Loc bias: +3, 4\r\n// Underline: \r\n")));
}

TEST(GlyphcastSource, ConvertsCaptureColoursToRgb15) {
    struct Case {
        std::int32_t colour;
        int rgb15;
    };
    const Case cases[] = {{0, 0},          {0x00FFFFFF, 32767}, {0x00808080, 16912}, {-1, 32767},
                          {0x000000FF, 31}, {0x0000FF00, 992},  {0x00FF0000, 31744}, {0x00070707, 1057},
                          {0x00040404, 0}};
    for (const Case& c : cases)
        EXPECT_EQ(rgb15FromPixel(c.colour), c.rgb15) << std::hex << c.colour;
}

TEST(GlyphcastSource, BodyHoldsHeaderThenRowsEndingInBrace) {
    FakeCaptureBox box;
    EXPECT_EQ(*glyphBody(box, 1, 1, {}), QStringLiteral("{ 1, 1, //width, height\r\n\t0, 0, \r\n\t0, 0};"));
    EXPECT_EQ(*glyphBody(box, 0, 0, {}), QStringLiteral("{ 0, 0, //width, height\r\n\t0};"));
    box.drawChar(0, 0, 65);
    EXPECT_EQ(*glyphBody(box, 2, 0, {}), QStringLiteral("{ 2, 0, //width, height\r\n\t32767, 0, 0};"));
}

TEST(GlyphcastSource, ReadsOutsideTheBoxAsWhite) {
    FakeCaptureBox box;
    const QString body = *glyphBody(box, CaptureBox::kWidth, 0, {});
    EXPECT_TRUE(body.endsWith(QStringLiteral(", 0, 32767};")));
    EXPECT_EQ(body.count(QStringLiteral("32767")), 1);
}

TEST(GlyphcastSource, YieldsAfterEachRowAndStopsWhenAsked) {
    FakeCaptureBox box;
    int yields = 0;
    EXPECT_TRUE(glyphBody(box, 3, 4, [&] { return ++yields > 0; }).has_value());
    EXPECT_EQ(yields, 5);
    yields = 0;
    EXPECT_FALSE(glyphBody(box, 3, 4, [&] { return ++yields < 2; }).has_value());
    EXPECT_EQ(yields, 2);
}

TEST(GlyphcastSource, ReplacesPlaceholdersInOrderWithoutRescanning) {
    EXPECT_EQ(replacePlaceholders(QStringLiteral("<> @@ ||"), QStringLiteral("fa12"),
                                  QStringLiteral("font_arial_12"), QStringLiteral("12")),
              QStringLiteral("fa12 font_arial_12 12"));
    EXPECT_EQ(replacePlaceholders(QStringLiteral("<<>> |||"), QStringLiteral("p"), QStringLiteral("t"),
                                  QStringLiteral("u")),
              QStringLiteral("<p> u|"));
    // Later passes see what earlier ones wrote; a pass never rescans its own text.
    EXPECT_EQ(replacePlaceholders(QStringLiteral("<>"), QStringLiteral("@@"), QStringLiteral("t@@"),
                                  QStringLiteral("u")),
              QStringLiteral("t@@"));
    EXPECT_EQ(replacePlaceholders(QStringLiteral("||"), QStringLiteral("p"), QStringLiteral("t"),
                                  QStringLiteral("<>")),
              QStringLiteral("<>"));
}

TEST(GlyphcastSource, MakesEveryLineEndCrLf) {
    EXPECT_EQ(toCrLf(QStringLiteral("a\nb\r\nc\rd\r\n")), QStringLiteral("a\r\nb\r\nc\r\nd\r\n"));
    EXPECT_EQ(toCrLf(QStringLiteral("\r\r\n\n")), QStringLiteral("\r\n\r\n\r\n"));
}

TEST(GlyphcastSource, AcceptsOnlyCIdentifiersAsNames) {
    for (const char* good : {"f", "_x", "font_dejavu_sans_9", "fd12_A032", "Int", "x9"})
        EXPECT_TRUE(isCIdentifier(QString::fromUtf8(good))) << good;
    for (const char* bad : {"", "9x", "fd12.5", "a-b", "a b", "caf\u00e9", "uint16*"})
        EXPECT_EQ(cNameProblem(QString::fromUtf8(bad)), QStringLiteral("is not a C identifier")) << bad;
    // Names the source or its header would not compile with, in C or C++.
    const std::pair<const char*, const char*> refused[] = {
        {"int", "is a C keyword"},
        {"static", "is a C keyword"},
        {"class", "is a C++ keyword, and libpane.h is read as C++ too"},
        {"_Bool", "is reserved for the compiler and the C library"},
        {"__x", "is reserved for the compiler and the C library"},
        {"uint16_t", "is reserved for the compiler and the C library"},
        {"INT8_C", "is reserved for the compiler and the C library"},
        {"setFont", "is declared by libpane.h"},
        {"uint16", "is declared by libpane.h"},
        {"u32", "is declared by libpane.h"},
        {"libPANE_bgPreserve", "is declared by libpane.h"},
        {"libPANE_charCallback", "is declared by libpane.h"},
        {"LIBPANE_H", "is declared by libpane.h"},
        {"bg_dispAnimatedBox", "is declared by libpane.h"},
    };
    for (const auto& [name, problem] : refused)
        EXPECT_EQ(cNameProblem(QString::fromUtf8(name)), QString::fromUtf8(problem)) << name;
}

TEST(GlyphcastSource, HeaderDeclaresTheTableWithCLinkage) {
    Fields fields;
    fields.fontName = QStringLiteral("DejaVu Sans");
    fields.size = QStringLiteral("9");
    fields.bold = true;
    const QString header = headerText(QStringLiteral("ui_font"), fields);
    EXPECT_EQ(header.count(QLatin1Char('\n')), header.count(QStringLiteral("\r\n")));
    const QStringList lines = header.split(QStringLiteral("\r\n"));
    EXPECT_EQ(lines[0], QStringLiteral("// Font table made by glyphcast: 'DejaVu Sans' size 9 bold"));
    EXPECT_EQ(lines[1], QStringLiteral("#ifndef GLYPHCAST_FONT_ui_font_H"));
    EXPECT_EQ(lines[2], QStringLiteral("#define GLYPHCAST_FONT_ui_font_H"));
    EXPECT_TRUE(lines.contains(QStringLiteral("#include <libpane.h>")));
    EXPECT_TRUE(lines.contains(QStringLiteral("extern \"C\" {")));
    EXPECT_TRUE(lines.contains(QStringLiteral("extern uint16* ui_font[];")));
    EXPECT_TRUE(header.endsWith(QStringLiteral("#endif\r\n")));
}

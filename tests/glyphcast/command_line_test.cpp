// The command line: option parsing, refusals with status 2 and nothing written,
// and the same text as the window, in process and from the built program.
#include "glyphcast/cli/arguments.h"
#include "glyphcast/cli/command_line.h"
#include "glyphcast/core/image_capture_box.h"
#include "glyphcast/gui/font_window.h"
#include "glyphcast/core/font_layout.h"
#include "glyphcast/core/glyph_source.h"
#include "qt_app.h"
#include "text_helpers.h"

#include <QBuffer>
#include <QtEndian>
#include <QFile>
#include <QLineEdit>
#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QFontInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QPushButton>
#include <QTemporaryDir>

#include <gtest/gtest.h>
#include <libpane.h>

#include <set>

using namespace glyphcast;
using namespace glyphcast::test;

namespace {

struct Outcome {
  int status = -1;
  QByteArray out;
  QByteArray err;      // standard error but the warning of cut ink
  QByteArray warning;  // that warning's line
};

// Most fonts cut a little ink at the start settings (an underscore below the
// line); tests of other messages leave that warning aside.
void splitWarning(Outcome* outcome) {
  const QByteArray marker = "glyphcast: warning: ";
  const qsizetype at = outcome->err.indexOf(marker);
  if (at < 0) return;
  const qsizetype end = outcome->err.indexOf('\n', at) + 1;
  outcome->warning = outcome->err.mid(at, end - at);
  outcome->err.remove(at, end - at);
}

Outcome runInProcess(const QStringList& args) {
  QBuffer out;
  QBuffer err;
  out.open(QIODevice::WriteOnly);
  err.open(QIODevice::WriteOnly);
  Outcome outcome;
  outcome.status = runCommandLine(args, out, err);
  outcome.out = out.data();
  outcome.err = err.data();
  splitWarning(&outcome);
  return outcome;
}

Outcome runProgram(const QStringList& args) {
  QProcess process;
  process.start(QStringLiteral(GLYPHCAST_EXE), args);
  Outcome outcome;
  if (!process.waitForFinished(60000)) return outcome;
  outcome.status = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
  outcome.out = process.readAllStandardOutput();
  outcome.err = process.readAllStandardError();
  splitWarning(&outcome);
  return outcome;
}

QByteArray readFile(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

void writeFile(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(bytes);
}

class GlyphcastCommandLine : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { testApplication(); }
};

}  // namespace

TEST(GlyphcastArguments, FillTheFields) {
  CommandLine commandLine;
  QString error;
  const QStringList args = {"--font",      "Liberation Serif",
                            "--size=10",   "--bold",
                            "--italic",    "--width-bias",
                            "-1",          "--height-bias",
                            "2",           "--loc-x",
                            "3",           "--loc-y=-4",
                            "--underline", ""};
  ASSERT_EQ(parseArguments(args, commandLine, &error), ArgumentsOutcome::Run)
      << error.toStdString();
  const Fields& f = commandLine.fields();
  EXPECT_EQ(f.fontName, QStringLiteral("Liberation Serif"));
  EXPECT_EQ(f.size, QStringLiteral("10"));
  EXPECT_TRUE(f.bold && f.italic);
  EXPECT_EQ(f.widthBias, QStringLiteral("-1"));
  EXPECT_EQ(f.heightBias, QStringLiteral("2"));
  EXPECT_EQ(f.locX, QStringLiteral("3"));
  EXPECT_EQ(f.locY, QStringLiteral("-4"));
  EXPECT_EQ(f.underline, QString());

  CommandLine defaults;
  ASSERT_EQ(parseArguments({"--font", "X"}, defaults, &error), ArgumentsOutcome::Run);
  Fields expected;
  expected.fontName = QStringLiteral("X");
  EXPECT_EQ(defaults.fields().size, expected.size);
  EXPECT_EQ(defaults.fields().underline, expected.underline);
  EXPECT_EQ(defaults.fields().widthBias + defaults.fields().heightBias + defaults.fields().locX +
                defaults.fields().locY,
            QStringLiteral("0000"));
}

TEST(GlyphcastArguments, ReportBadUsageWithStatusTwo) {
  struct Case {
    QStringList args;
    const char* message;
  };
  const Case cases[] = {{{}, "--font NAME or --font-file FILE is required"},
                        {{"--bold"}, "--font NAME or --font-file FILE is required"},
                        {{"--font"}, "--font needs a value"},
                        {{"--font", "A", "--size"}, "--size needs a value"},
                        {{"--font", "A", "--colour", "red"}, "unknown option --colour"},
                        {{"--font", "A", "extra"}, "unexpected argument extra"}};
  for (const Case& c : cases) {
    const Outcome outcome = runInProcess(c.args);
    EXPECT_EQ(outcome.status, 2) << c.message;
    EXPECT_TRUE(outcome.out.isEmpty()) << c.message;
    EXPECT_TRUE(outcome.err.startsWith(QByteArray("glyphcast: ") + c.message))
        << outcome.err.toStdString();
  }
}

TEST(GlyphcastArguments, HelpAndVersionGoToStandardOutput) {
  Outcome outcome = runInProcess({"--font", "A", "--help"});
  EXPECT_EQ(outcome.status, 0);
  EXPECT_TRUE(outcome.out.startsWith("Usage: glyphcast"));
  EXPECT_TRUE(outcome.err.isEmpty());

  outcome = runInProcess({"--version"});
  EXPECT_EQ(outcome.status, 0);
  EXPECT_EQ(outcome.out, QByteArray("glyphcast " LIBPANE_VERSION_STRING "\n"));
}

TEST(GlyphcastArguments, WithoutADisplayTheWindowIsExplainedNotOpened) {
  // No platform named, or X11 or Wayland named: each needs a display.
  for (const char* platform : {"", "xcb", "wayland"}) {
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
      env.remove(QLatin1String(name));
    if (platform[0] != '\0') env.insert(QStringLiteral("QT_QPA_PLATFORM"), QLatin1String(platform));
    process.setProcessEnvironment(env);
    process.start(QStringLiteral(GLYPHCAST_EXE), QStringList());
    ASSERT_TRUE(process.waitForFinished(60000)) << platform;
    EXPECT_EQ(process.exitStatus(), QProcess::NormalExit) << platform;
    EXPECT_EQ(process.exitCode(), 2) << platform;
    const QByteArray err = process.readAllStandardError();
    EXPECT_TRUE(err.startsWith(
        "glyphcast: the window needs a display (neither DISPLAY nor WAYLAND_DISPLAY is "
        "set); with arguments it runs on the command line.\n\nUsage: glyphcast"))
        << err.toStdString();
  }
}

TEST_F(GlyphcastCommandLine, WritesWhatTheWindowPutsOnTheClipboard) {
  QString clipboard;
  panetools::WindowHooks hooks;
  hooks.setClipboard = [&clipboard](const QString& text) { clipboard = text; };
  FontWindow window(hooks);
  window.findChild<QLineEdit*>(QStringLiteral("Text3"))->setText(QStringLiteral("Liberation Sans"));
  window.findChild<QLineEdit*>(QStringLiteral("Text4"))->setText(QStringLiteral("10"));
  window.findChild<QLineEdit*>(QStringLiteral("Text12"))->setText(QStringLiteral("1"));
  window.findChild<QCheckBox*>(QStringLiteral("Check2"))->setChecked(true);
  window.findChild<QPushButton*>(QStringLiteral("Command2"))->click();
  ASSERT_FALSE(clipboard.isEmpty());

  const QStringList args = {"--font", "Liberation Sans", "--size", "10", "--loc-y",
                            "1",      "--italic"};
  const Outcome inProcess = runInProcess(args);
  EXPECT_EQ(inProcess.status, 0);
  EXPECT_TRUE(inProcess.err.isEmpty()) << inProcess.err.toStdString();
  EXPECT_EQ(inProcess.out, clipboard.toUtf8());

  const Outcome program = runProgram(args);
  EXPECT_EQ(program.status, 0);
  EXPECT_EQ(program.out, inProcess.out);
}

TEST_F(GlyphcastCommandLine, RefusesSettingsWithStatusTwoAndNoOutput) {
  struct Case {
    QStringList args;
    const char* message;
  };
  const Case cases[] = {
      {{"--font", "DejaVu Sans", "--size", "big"}, "glyphcast: Size \"big\" is not a number.\n"},
      {{"--font", "DejaVu Sans", "--width-bias", "-40"},
       "glyphcast: Width bias -40 leaves code 32, ' ' less"},
      {{"--font", "DejaVu Sans", "--height-bias", "-1e2"},
       "glyphcast: Height bias \"-1e2\" is not a number."},
      {{"--font", "DejaVu Sans", "--loc-x", "left"},
       "glyphcast: Loc bias x \"left\" is not a number."},
      {{"--font", "Glyphcast Missing Font"},
       "glyphcast: No installed font is named \"Glyphcast Missing Font\""},
      {{"--font", "DejaVu Sans", "--template", "/nonexistent/template.txt"},
       "glyphcast: cannot read the template /nonexistent/template.txt: No such file or "
       "directory\n"},
      {{"--font", "DejaVu Sans", "--size", "12.5"},
       "glyphcast: Size \"12.5\" gives array names such as fd12.5_A032"},
      {{"--font", "DejaVu Sans", "--underline", "abc"},
       "glyphcast: The underline \"abc\" is not a whole number"},
      {{"--font", "DejaVu Sans", "--loc-x", "300"}, "glyphcast: Every glyph is blank"},
      {{"--font", "DejaVu Sans", "--size", "160"},
       "glyphcast: The glyph of code 32, ' ' would be 249 pixels tall (size 160, height bias 0); "
       "the capture box is 225.\n"},
      {{"--font-file", GLYPHCAST_AWESOME_FONT, "--exact"},
       "glyphcast: FontAwesome has no glyph for characters 33 '!', 34 '\"'"},
      {{"--font-file", GLYPHCAST_BITMAP_FONT, "--size", "24", "--exact"},
       "glyphcast: Terminus is a bitmap font: size 24 is drawn at 9 points (12 pixels); its sizes "
       "are 9 points. Only"},
      {{"--font", "DejaVu Sans", "--name", "9x"},
       "glyphcast: The name \"9x\" is not a C identifier.\n"},
      {{"--font", "DejaVu Sans", "--template", "/dev/zero"},
       "glyphcast: cannot read the template /dev/zero: it is a device, not a file\n"},
      {{"--font", "DejaVu Sans", "--template", "/"},
       "glyphcast: cannot read the template /: it is a directory, not a file\n"},
      {{"--font-file", "/nonexistent.ttf"},
       "glyphcast: cannot read the font file /nonexistent.ttf: No such file or directory\n"},
      {{"--font-file", "/dev/zero"},
       "glyphcast: cannot read the font file /dev/zero: it is a device, not a file\n"},
      {{"--font-file", GLYPHCAST_TEST_FONT, "--font", "Liberation Sans"},
       "glyphcast: the font file " GLYPHCAST_TEST_FONT " holds DejaVu Sans, not Liberation Sans\n"},
      {{"--font-file", GLYPHCAST_SOURCE_DIR "/command_line_test.cpp"},
       "glyphcast: the font file " GLYPHCAST_SOURCE_DIR
       "/command_line_test.cpp is not a TrueType or OpenType font\n"},
  };
  for (const Case& c : cases) {
    const Outcome outcome = runInProcess(c.args);
    EXPECT_EQ(outcome.status, 2) << c.message;
    EXPECT_TRUE(outcome.out.isEmpty()) << c.message;
    EXPECT_TRUE(outcome.err.startsWith(c.message)) << outcome.err.toStdString();
  }
}

TEST_F(GlyphcastCommandLine, ConvertsWhatItIsToldAndSaysWhatIsCutOrMissing) {
  struct Case {
    QStringList args;
    const char* warning;  // a part of the warning of cut ink, empty for none
    const char* note;     // standard error but that warning
  };
  const Case cases[] = {
      {{"--font", "DejaVu Sans", "--width-bias", "-1"},
       "(loc bias 0, 0, width bias -1, height bias 0): 47 '/'",
       ""},
      {{"--font", "DejaVu Sans", "--loc-x", "2", "--loc-y", "2"},
       "(loc bias 2, 2, width bias 0, height bias 0): 35 '#'",
       ""},
      // An italic's cell reaches from its leftmost to its rightmost ink.
      {{"--font-file", GLYPHCAST_ITALIC_FONT, "--size", "24", "--italic"}, "", ""},
      {{"--font-file", GLYPHCAST_BITMAP_FONT, "--size", "24"},
       "",
       "glyphcast: Terminus is a bitmap font: size 24 is drawn at 9 points (12 pixels); its sizes "
       "are 9 points.\n"},
      {{"--font-file", GLYPHCAST_AWESOME_FONT},
       "",
       "glyphcast: FontAwesome has no glyph for characters 33 '!', "},
  };
  for (const Case& c : cases) {
    const Outcome outcome = runInProcess(c.args);
    ASSERT_EQ(outcome.status, 0) << outcome.err.toStdString();
    EXPECT_EQ(outcome.warning.isEmpty(), *c.warning == 0) << outcome.warning.toStdString();
    EXPECT_TRUE(outcome.warning.contains(c.warning)) << outcome.warning.toStdString();
    EXPECT_TRUE(outcome.err.startsWith(c.note)) << outcome.err.toStdString();
    EXPECT_EQ(outcome.err.isEmpty(), *c.note == 0) << outcome.err.toStdString();
  }
}

TEST_F(GlyphcastCommandLine, AFontFileNeverBorrowsGlyphsFromInstalledFonts) {
  const Outcome here = runProgram({"--font-file", GLYPHCAST_AWESOME_FONT});
  ASSERT_EQ(here.status, 0);
  EXPECT_TRUE(here.err.endsWith(": each is drawn as code 63, '?'.\n")) << here.err.toStdString();
  const QString text = QString::fromUtf8(here.out);
  EXPECT_EQ(arrayText(text, QStringLiteral("fF12_A065")),
            arrayText(text, QStringLiteral("fF12_A063"))
                .replace(QStringLiteral("A063"), QStringLiteral("A065")));
  // A machine whose only fonts are Liberation's gets the same glyphs.
  QTemporaryDir dir;
  writeFile(
      dir.filePath(QStringLiteral("fonts.conf")),
      "<?xml "
      "version=\"1.0\"?><fontconfig><dir>/usr/share/fonts/truetype/liberation</dir><cachedir>" +
          dir.path().toUtf8() + "</cachedir></fontconfig>");
  QProcess process;
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.insert(QStringLiteral("FONTCONFIG_FILE"), dir.filePath(QStringLiteral("fonts.conf")));
  process.setProcessEnvironment(env);
  process.start(QStringLiteral(GLYPHCAST_EXE), {"--font-file", GLYPHCAST_AWESOME_FONT});
  ASSERT_TRUE(process.waitForFinished(60000));
  EXPECT_EQ(process.readAllStandardOutput(), here.out);
}

TEST_F(GlyphcastCommandLine, NamesAnAliasOnStandardErrorAndRefusesItWhenExact) {
  const Outcome outcome = runInProcess({"--font", "Arial"});
  ASSERT_EQ(outcome.status, 0) << outcome.err.toStdString();
  const QString used = QFontInfo(qtFontFor(CaptureFont{QStringLiteral("Arial")})).family();
  const QByteArray note = used == QLatin1String("Arial")
                              ? QByteArray()
                              : "glyphcast: Arial is drawn with " + used.toUtf8() + ".\n";
  EXPECT_EQ(outcome.err, note);
  EXPECT_TRUE(outcome.out.startsWith("// Generated by glyphcast " LIBPANE_VERSION_STRING
                                     "\r\n#include <nds.h>\r\n"));

  const Outcome exact = runInProcess({"--font", "Arial", "--exact"});
  if (used == QLatin1String("Arial")) {
    EXPECT_EQ(exact.out, outcome.out);
  } else {
    EXPECT_EQ(exact.status, 2);
    EXPECT_TRUE(exact.out.isEmpty());
    EXPECT_TRUE(
        exact.err.startsWith("glyphcast: No installed font is named \"Arial\"; " + used.toUtf8()));
  }
}

// The installed DejaVu Sans file with its family renamed (names of the same
// length, in the name table's ASCII and UTF-16 forms) or its vendor, which Qt
// takes as the foundry, changed.
QString fontCopy(const QTemporaryDir& dir, const QByteArray& family, const QByteArray& vendor) {
  QByteArray bytes = readFile(QStringLiteral(GLYPHCAST_TEST_FONT));
  auto utf16 = [](const QByteArray& text) {
    QByteArray wide;
    for (char c : text) wide.append('\0').append(c);
    return wide;
  };
  bytes.replace("DejaVu Sans", family).replace(utf16("DejaVu Sans"), utf16(family));
  const qsizetype os2 = bytes.indexOf("OS/2");
  const quint32 offset = qFromBigEndian<quint32>(bytes.constData() + os2 + 8);
  bytes.replace(offset + 58, 4, vendor);
  const QString path = dir.filePath(QString::fromLatin1(family + vendor + ".ttf"));
  QFile file(path);
  return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() ? path : QString();
}

TEST_F(GlyphcastCommandLine, AFontFileDrawsLikeTheInstalledFamily) {
  // A family nothing installed answers to is drawn from the file alone, as the
  // installed one whose file it is a copy of.
  QTemporaryDir dir;
  const QString renamed = fontCopy(dir, "DejaVu Sanz", "PfEd");
  const Outcome fromFile = runProgram({"--font-file", renamed, "--size", "9", "--exact"});
  ASSERT_EQ(fromFile.status, 0) << fromFile.err.toStdString();
  EXPECT_TRUE(fromFile.err.isEmpty()) << fromFile.err.toStdString();
  EXPECT_TRUE(fromFile.out.contains("// Font name: 'DejaVu Sanz' size 9\r\n"));
  EXPECT_EQ(QByteArray(fromFile.out).replace("Sanz", "Sans").replace("sanz", "sans"),
            runInProcess({"--font", "DejaVu Sans", "--size", "9"}).out);

  // The same family from another foundry than the installed one is the file's.
  const Outcome otherFoundry =
      runProgram({"--font-file", fontCopy(dir, "DejaVu Sans", "Tst1"), "--size", "9", "--exact"});
  EXPECT_EQ(otherFoundry.status, 0) << otherFoundry.err.toStdString();
  EXPECT_TRUE(otherFoundry.err.isEmpty()) << otherFoundry.err.toStdString();

  // A style the file does not hold would come from whatever this machine has:
  // here the installed bold face, which is refused.
  const QByteArray note =
      "glyphcast: the font file " GLYPHCAST_TEST_FONT
      " holds DejaVu Sans regular, not bold: "
      "the bold face installed on this machine, or one made from the file, draws it\n";
  const Outcome bold = runInProcess({"--font-file", GLYPHCAST_TEST_FONT, "--size", "9", "--bold"});
  EXPECT_EQ(bold.status, 2);
  EXPECT_EQ(bold.err, note +
                          "glyphcast: An installed font named \"DejaVu Sans\" draws in place of "
                          "the font file's own face.\n");
  const Outcome exact =
      runInProcess({"--font-file", GLYPHCAST_TEST_FONT, "--size", "9", "--bold", "--exact"});
  EXPECT_EQ(exact.status, 2);
  EXPECT_EQ(exact.err, note);
  EXPECT_TRUE(exact.out.isEmpty());
}

TEST_F(GlyphcastCommandLine, WritesANamedSourceAndItsHeader) {
  QTemporaryDir dir;
  const QString source = dir.filePath(QStringLiteral("ui.c"));
  const QString header = dir.filePath(QStringLiteral("ui.h"));
  const Outcome outcome = runInProcess({"--font", "DejaVu Sans", "--size", "9.5", "--bold",
                                        "--name", "ui_font", "--header", header, "-o", source});
  ASSERT_EQ(outcome.status, 0) << outcome.err.toStdString();
  const QByteArray text = readFile(source);
  EXPECT_TRUE(
      text.startsWith("// Generated by glyphcast " LIBPANE_VERSION_STRING
                      "\r\n#include <libpane.h>\r\n\r\n// Font name: 'DejaVu Sans' size 9.5\r\n"));
  EXPECT_TRUE(text.contains("static uint16 ui_font_A065[] = { "));
  EXPECT_TRUE(text.contains("\r\nuint16* ui_font[] = { "));
  Fields fields;
  fields.fontName = QStringLiteral("DejaVu Sans");
  fields.size = QStringLiteral("9.5");
  fields.bold = true;
  EXPECT_EQ(readFile(header), headerText(QStringLiteral("ui_font"), fields).toUtf8());

  // A template must define the table the header declares where others can link
  // to it; any form C accepts will do.
  const QString templ = dir.filePath(QStringLiteral("template.txt"));
  const struct {
    QByteArray templ;
    QByteArray message;
  } templates[] = {
      {"// uint16* @@[] = { 0 };\n", "the template defines no table uint16* ui_font[]"},
      {"static uint16* @@[] = { 0 };\n",
       "the template defines it static, where no other source can link to it"},
      {"static const u16 <>_V[] = { 1 + 1 };\nuint16* @@[260] = { (uint16*)<>_V };\n", ""},
  };
  for (const auto& t : templates) {
    writeFile(templ, t.templ);
    const Outcome outcome = runInProcess({"--font", "DejaVu Sans", "--name", "ui_font",
                                          "--template", templ, "--header", header, "-o", source});
    EXPECT_EQ(outcome.status, t.message.isEmpty() ? 0 : 2) << t.templ.toStdString();
    const QByteArray expected =
        "glyphcast: the header would declare ui_font, but " + t.message + "\n";
    EXPECT_EQ(outcome.err, t.message.isEmpty() ? QByteArray() : expected);
    EXPECT_TRUE(readFile(source).startsWith("// Generated by glyphcast " LIBPANE_VERSION_STRING
                                            "\r\n#include <libpane.h>"));
  }

  // A link to the output stays a link to the new file.
  const QString link = dir.filePath(QStringLiteral("link.c"));
  ASSERT_TRUE(QFile::link(source, link));
  ASSERT_EQ(runInProcess({"--font", "DejaVu Sans", "-o", link}).status, 0);
  EXPECT_TRUE(QFileInfo(link).isSymLink());
  EXPECT_TRUE(readFile(source).startsWith("// Generated by glyphcast " LIBPANE_VERSION_STRING
                                          "\r\n#include <nds.h>"));
}

TEST_F(GlyphcastCommandLine, ReportsFailedWritesWithTheirReason) {
  QTemporaryDir dir;
  struct Case {
    QString path;
    QByteArray message;
  };
  const Case cases[] = {
      {QStringLiteral("/dev/full"), "glyphcast: cannot write /dev/full: No space left on device\n"},
      {dir.path(), "glyphcast: cannot write " + dir.path().toUtf8() + ": it is a directory\n"},
      {dir.filePath(QStringLiteral("missing/font.c")),
       "glyphcast: cannot write " + dir.filePath(QStringLiteral("missing/font.c")).toUtf8() +
           ": No such file or directory\n"},
  };
  for (const Case& c : cases) {
    for (const char* option : {"-o", "--header", "--preview"}) {
      const Outcome outcome = runInProcess({"--font", "DejaVu Sans", option, c.path});
      EXPECT_EQ(outcome.status, 2) << option << " " << c.path.toStdString();
      EXPECT_EQ(outcome.err, c.message);
    }
  }
  QProcess process;
  process.setStandardOutputFile(QStringLiteral("/dev/full"));
  process.start(QStringLiteral(GLYPHCAST_EXE), {"--font", "DejaVu Sans"});
  ASSERT_TRUE(process.waitForFinished(60000));
  EXPECT_EQ(process.exitCode(), 2);
  EXPECT_TRUE(process.readAllStandardError().endsWith(
      "glyphcast: cannot write the output: No space left on device\n"));
}

TEST_F(GlyphcastCommandLine, RefusesTemplatesLargerThanAnyTemplate) {
  QTemporaryDir dir;
  const QString big = dir.filePath(QStringLiteral("big.txt"));
  {
    QFile file(big);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_TRUE(file.resize(kMaxTemplateBytes + 1));  // sparse: nothing is written
  }
  Outcome outcome = runInProcess({"--font", "DejaVu Sans", "--template", big});
  EXPECT_EQ(outcome.status, 2);
  EXPECT_EQ(outcome.err,
            "glyphcast: cannot read the template " + big.toUtf8() + ": it is larger than 64 MB\n");

  // An endless pipe is read up to the limit, then refused.
  const QString fifo = dir.filePath(QStringLiteral("endless"));
  ASSERT_EQ(QProcess::execute(QStringLiteral("mkfifo"), {fifo}), 0);
  QProcess writer;
  writer.start(QStringLiteral("sh"), {"-c", "cat /dev/zero > \"$0\"", fifo});
  outcome = runInProcess({"--font", "DejaVu Sans", "--template", fifo});
  EXPECT_EQ(outcome.status, 2);
  EXPECT_EQ(outcome.err,
            "glyphcast: cannot read the template " + fifo.toUtf8() + ": it is larger than 64 MB\n");
  EXPECT_TRUE(writer.waitForFinished(60000));
}

TEST_F(GlyphcastCommandLine, WritesTheOutputFileOnlyWhenComplete) {
  QTemporaryDir dir;
  const QString target = dir.filePath(QStringLiteral("font.c"));
  writeFile(target, "keep me");

  Outcome outcome = runProgram({"--font", "DejaVu Sans", "--size", "x", "-o", target});
  EXPECT_EQ(outcome.status, 2);
  EXPECT_TRUE(outcome.out.isEmpty());
  EXPECT_EQ(readFile(target), QByteArray("keep me"));

  outcome = runProgram({"--font", "DejaVu Sans", "-o", target});
  EXPECT_EQ(outcome.status, 0) << outcome.err.toStdString();
  EXPECT_TRUE(outcome.out.isEmpty());
  EXPECT_EQ(readFile(target), runInProcess({"--font", "DejaVu Sans"}).out);
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("font.c")});

  // One output that cannot be written keeps every other file as it was.
  const QString header = dir.filePath(QStringLiteral("font.h"));
  writeFile(header, "old header");
  outcome = runInProcess({"--font", "DejaVu Sans", "--name", "f", "--header", header, "--preview",
                          dir.filePath(QStringLiteral("f.png")), "-o",
                          dir.filePath(QStringLiteral("no/font.c"))});
  EXPECT_EQ(outcome.status, 2);
  EXPECT_EQ(readFile(header), QByteArray("old header"));
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files),
            (QStringList{QStringLiteral("font.c"), QStringLiteral("font.h")}));
}

TEST_F(GlyphcastCommandLine, AppendsATemplateFileWithCrLfLineEnds) {
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("template.txt"));
  writeFile(path, "uint16* @@[] = { <>_A065 };\n// ||\n");
  Outcome outcome = runInProcess({"--font", "DejaVu Sans", "--underline", "9", "--template", path});
  ASSERT_EQ(outcome.status, 0) << outcome.err.toStdString();
  EXPECT_TRUE(
      outcome.out.endsWith("};\r\n\r\nuint16* font_dejavu_sans_12[] = { fd12_A065 };\r\n// 9\r\n"));

  writeFile(path, "caf\xe9\n");
  outcome = runInProcess({"--font", "DejaVu Sans", "--template", path});
  EXPECT_EQ(outcome.status, 2);
  EXPECT_TRUE(outcome.out.isEmpty());
  EXPECT_TRUE(outcome.err.endsWith("is not UTF-8 text\n")) << outcome.err.toStdString();
}

TEST_F(GlyphcastCommandLine, DrawsUnsmoothedGlyphsOnRequest) {
  const Outcome outcome = runInProcess({"--font", "DejaVu Sans", "--unsmoothed"});
  ASSERT_EQ(outcome.status, 0);
  const QString text = QString::fromUtf8(outcome.out);
  std::set<int> colours;
  for (int code : captureCodes()) {
    const std::vector<int> values =
        arrayValues(arrayText(text, glyphArrayName(QStringLiteral("fd12"), code)));
    colours.insert(values.begin() + 2, values.end());
  }
  EXPECT_EQ(colours, (std::set<int>{0, 32767}));
}

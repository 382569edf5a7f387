// The command line, run as the built executable: output identical to the
// window's, files written whole, and every refusal with status 2 and no output.
#include "app_fixture.h"
#include "gui/picture_window.h"
#include "test_pictures.h"

#include <QAbstractButton>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QLineEdit>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <functional>

#include <sys/resource.h>

#include <gtest/gtest.h>
#include <libpane.h>

using namespace pixport;

namespace {

class PixportCommandLine : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { test::ensureApplication(); }

  void SetUp() override {
    image = test::savePicture(test::codedPicture(20, 12), dir.path(), "art.bmp");
    photo = test::savePicture(test::codedPicture(31, 17), dir.path(), "art.png");
  }

  // Converts in the window: the steps set the controls, then "Convert".
  // Returns the clipboard text, or the BIN file's bytes when binPath is given.
  QByteArray windowOutput(const QString& picture, const std::function<void(PictureWindow&)>& steps,
                          const QString& binPath = QString()) {
    QString clipboard;
    panetools::WindowHooks hooks;
    hooks.openFile = [&](QWidget*, const QString&, const QString&) { return picture; };
    hooks.saveFile = [&](QWidget*, const QString&, const QString&) { return binPath; };
    hooks.warn = [](QWidget*, const QString&, const QString& text) {
      ADD_FAILURE() << qPrintable(text);
    };
    hooks.setClipboard = [&](const QString& text) { clipboard = text; };
    PictureWindow form(hooks);
    form.Command1_Click();
    steps(form);
    form.Command2_Click();
    return binPath.isEmpty() ? clipboard.toLatin1() : test::readFile(binPath);
  }

  QTemporaryDir dir;
  QString image;
  QString photo;
};

void click(PictureWindow& form, const char* name) {
  form.findChild<QAbstractButton*>(QLatin1String(name))->click();
}

void type(PictureWindow& form, const char* name, const char* text) {
  form.findChild<QLineEdit*>(QLatin1String(name))->setText(QLatin1String(text));
}

std::function<void(PictureWindow&)> custom(const char* width, const char* height,
                                           bool header = true) {
  return [=](PictureWindow& form) {
    click(form, "Option9");
    type(form, "Text1", width);
    type(form, "Text2", height);
    if (!header) click(form, "Check2");
  };
}

}  // namespace

TEST_F(PixportCommandLine, ArrayTextMatchesTheWindow) {
  const struct {
    const char* name;
    std::function<void(PictureWindow&)> steps;
    QStringList options;
  } cases[] = {
      {"defaults", [](PictureWindow&) {}, {}},
      {"32 rows",
       [](PictureWindow& f) {
         click(f, "Option1");
         click(f, "Option4");
       },
       {"--size", "32", "--order", "rows"}},
      {"8 tiles", [](PictureWindow& f) { click(f, "Option3"); }, {"--size=8"}},
      {"custom", custom("5", "3"), {"--size", "5x3"}},
      {"custom rows", custom("5", "3"), {"--size", "5x3", "--order", "rows"}},
      {"custom bare", custom("23", "2", false), {"--size", "23x2", "--no-header"}},
      {"custom halves", custom("16.5", "2"), {"--size", "16.5x2"}},
  };
  for (const auto& c : cases) {
    for (const QString& picture : {image, photo}) {
      const QByteArray window = windowOutput(picture, c.steps);
      const test::RunResult cli = test::runPixport(QStringList{picture} + c.options);
      EXPECT_EQ(cli.status, 0) << c.name << ": " << cli.err.constData();
      EXPECT_EQ(cli.out, window) << c.name;
      EXPECT_TRUE(cli.err.isEmpty()) << c.name;
      EXPECT_TRUE(window.endsWith("};")) << c.name;
    }
  }
}

TEST_F(PixportCommandLine, BinFileMatchesTheWindow) {
  const QString windowBin = dir.filePath("window.bin");
  const QString cliBin = dir.filePath("cli.bin");
  const struct {
    std::function<void(PictureWindow&)> steps;
    QStringList options;
    int size;
  } cases[] = {
      {[](PictureWindow& f) { click(f, "Option8"); }, {}, 512},
      {[](PictureWindow& f) {
         custom("3", "2")(f);
         click(f, "Option8");
       },
       {"--size", "3x2"},
       16},
  };
  for (const auto& c : cases) {
    const QByteArray window = windowOutput(image, c.steps, windowBin);
    const test::RunResult cli = test::runPixport(QStringList{image, "--bin", cliBin} + c.options);
    EXPECT_EQ(cli.status, 0) << cli.err.constData();
    EXPECT_TRUE(cli.out.isEmpty());
    EXPECT_EQ(window.size(), c.size);
    EXPECT_EQ(test::readFile(cliBin), window);
  }
}

TEST_F(PixportCommandLine, OutputFileHoldsWhatStandardOutputWould) {
  const QString target = dir.filePath("sprite.txt");
  test::writeFile(target, "old");
  const test::RunResult toFile = test::runPixport({image, "--size", "8x4", "-o", target});
  EXPECT_EQ(toFile.status, 0);
  EXPECT_TRUE(toFile.out.isEmpty());
  EXPECT_EQ(test::readFile(target), test::runPixport({image, "--size", "8x4"}).out);
}

TEST_F(PixportCommandLine, HelpExplainsTheOptions) {
  const test::RunResult help = test::runPixport({"--help"});
  EXPECT_EQ(help.status, 0);
  for (const char* option :
       {"Usage: pixport IMAGE", "--size", "--order", "--no-header", "--bin", "-o FILE",
        "--name NAME", "--header FILE", "--transparent V", "--version"})
    EXPECT_TRUE(help.out.contains(option)) << option;
  const test::RunResult version = test::runPixport({"--version"});
  EXPECT_EQ(version.status, 0);
  EXPECT_EQ(version.out, QByteArray("pixport " LIBPANE_VERSION_STRING "\n"));
}

TEST_F(PixportCommandLine, WithoutArgumentsOrDisplaySaysTheWindowNeedsOne) {
  QProcess process;
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  for (const char* variable : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
    environment.remove(variable);
  process.setProcessEnvironment(environment);
  process.start(PIXPORT_EXECUTABLE, QStringList());
  ASSERT_TRUE(process.waitForFinished(30000));
  EXPECT_EQ(process.exitStatus(), QProcess::NormalExit);
  EXPECT_EQ(process.exitCode(), 2);
  const QByteArray err = process.readAllStandardError();
  EXPECT_TRUE(err.startsWith("pixport: the window needs a display")) << err.constData();
  EXPECT_TRUE(err.contains("\n\nUsage: pixport IMAGE")) << err.constData();
}

TEST_F(PixportCommandLine, RefusalsExitTwoAndWriteNothing) {
  const QString notPicture = dir.filePath("notes.png");
  test::writeFile(notPicture, "text");
  const QByteArray bmp = test::readFile(image);
  const QString cutShort = dir.filePath("short.bmp");
  const QString headerOnly = dir.filePath("header.bmp");
  test::writeFile(cutShort, bmp.first(bmp.size() - 1));
  test::writeFile(headerOnly, bmp.first(27));
  const QString huge = dir.filePath("huge.png");
  QFile(huge).open(QIODevice::WriteOnly);
  QFile(huge).resize(64 * 1024 * 1024 + 1);
  const QString target = dir.filePath("keep.out");
  const struct {
    QStringList args;
    const char* message;
  } cases[] = {
      {{"--no-header"}, "no image"},
      {{"IMG", "IMG"}, "one image"},
      {{"IMG", "--frobnicate"}, "unknown option"},
      {{"IMG", "-o"}, "-o needs a value"},
      {{"IMG", "--size", "12"}, "--size takes"},
      {{"IMG", "--size", "ax3"}, "--size takes"},
      {{"IMG", "--size", "1e1x2"}, "--size takes"},
      {{"IMG", "--size", "+8x8"}, "--size takes"},
      {{"IMG", "--size", "8x 8"}, "--size takes"},
      {{"IMG", "--order", "diagonal"}, "--order takes"},
      {{"IMG", "--size", "5x3", "--order", "tiles"}, "--order tiles needs a fixed size"},
      {{"IMG", "--size", "picture", "--order", "tiles"}, "--order tiles needs a fixed size"},
      {{"IMG", "--size", "0x4", "-o", "OUT"}, "Custom width \"0\" refused"},
      {{"IMG", "--size", "4x32769", "--bin", "OUT"}, "Custom height \"32769\" refused"},
      {{"IMG", "--bin", "OUT", "-o", "OUT"}, "cannot be combined"},
      {{"IMG", "--name", "2fast", "-o", "OUT"}, "--name \"2fast\" is not a C identifier"},
      {{"IMG", "--name", "int", "-o", "OUT"}, "--name \"int\" is a C keyword"},
      {{"IMG", "--name", "class", "-o", "OUT"}, "--name \"class\" is a C++ keyword"},
      {{"IMG", "--name", "setFont", "-o", "OUT"}, "--name \"setFont\" is declared by libpane.h"},
      {{"IMG", "--header", "OUT"}, "--header needs --name"},
      {{"IMG", "--name", "a", "--bin", "OUT"}, "--bin writes a BIN file"},
      {{"IMG", "--transparent", "32768", "-o", "OUT"}, "--transparent takes"},
      {{"IMG", "--transparent", "#12345", "-o", "OUT"}, "--transparent takes"},
      {{notPicture, "-o", "OUT"}, "cannot read the picture"},
      {{cutShort, "-o", "OUT"}, "short.bmp: the picture is cut short"},
      {{headerOnly, "-o", "OUT"}, "header.bmp: the picture is cut short"},
      {{dir.filePath("missing.bmp"), "--bin", "OUT"}, "No such file or directory"},
      {{dir.path(), "-o", "OUT"}, "it is a directory"},
      {{"/dev/zero", "-o", "OUT"}, "/dev/zero: it is a device, not a file"},
      {{huge, "-o", "OUT"}, "huge.png: it is larger than 64 MB"},
  };
  for (const auto& c : cases) {
    test::writeFile(target, "keep");
    QStringList args = c.args;
    args.replaceInStrings(QRegularExpression("^IMG$"), image);
    args.replaceInStrings(QRegularExpression("^OUT$"), target);
    const test::RunResult run = test::runPixport(args);
    EXPECT_EQ(run.status, 2) << c.message;
    EXPECT_TRUE(run.out.isEmpty()) << c.message;
    EXPECT_TRUE(run.err.contains(c.message)) << c.message << " / " << run.err.constData();
    EXPECT_EQ(test::readFile(target), QByteArray("keep")) << c.message;
  }
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 7) << "no temporary file is left";
}

TEST_F(PixportCommandLine, StandardInputIsReadUpToTheLimit) {
  const test::RunResult piped = test::runPixport({"-", "--size", "8x4"}, test::readFile(photo));
  EXPECT_EQ(piped.status, 0) << piped.err.constData();
  EXPECT_EQ(piped.out, test::runPixport({photo, "--size", "8x4"}).out);
  const test::RunResult flood = test::runPixport({"-"}, QByteArray(64 * 1024 * 1024 + 1, 'B'));
  EXPECT_EQ(flood.status, 2);
  EXPECT_TRUE(flood.err.contains("standard input: it is larger than 64 MB"))
      << flood.err.constData();
}

TEST_F(PixportCommandLine, NameWrapsTheTextIntoASourceAndHeader) {
  const QString header = dir.filePath("rocket.h");
  const QString source = dir.filePath("rocket.c");
  const QByteArray bare = test::runPixport({image, "--size", "5x3"}).out;
  const test::RunResult named = test::runPixport(
      {image, "--size", "5x3", "--name", "rocket", "--header", header, "-o", source});
  EXPECT_EQ(named.status, 0) << named.err.constData();
  EXPECT_EQ(test::readFile(source), "// Generated by pixport " LIBPANE_VERSION_STRING
                                    "\r\n#include <libpane.h>\r\n\r\nuint16 rocket[] = " +
                                        bare + "\r\n");
  EXPECT_EQ(test::readFile(header),
            "// Generated by pixport " LIBPANE_VERSION_STRING
            "\r\n"
            "#ifndef PANE_ASSET_ROCKET_H\r\n#define PANE_ASSET_ROCKET_H\r\n\r\n#include "
            "<libpane.h>\r\n\r\n"
            "#ifdef __cplusplus\r\nextern \"C\" {\r\n#endif\r\n\r\n"
            "extern uint16 rocket[];\r\n\r\n#ifdef __cplusplus\r\n}\r\n#endif\r\n\r\n"
            "#endif\r\n");
  // A failure on either file leaves both as they were.
  const QByteArray oldSource = test::readFile(source);
  const QByteArray oldHeader = test::readFile(header);
  for (const QStringList& files :
       {QStringList{"-o", source, "--header", "/dev/full"},
        QStringList{"-o", dir.filePath("no/dir/r.c"), "--header", header}}) {
    EXPECT_EQ(test::runPixport(QStringList{image, "--name", "other"} + files).status, 2)
        << files.join(' ').toStdString();
    EXPECT_EQ(test::readFile(source), oldSource);
    EXPECT_EQ(test::readFile(header), oldHeader);
  }
  // Nor does standard output get a source whose header cannot be written.
  const test::RunResult piped =
      test::runPixport({image, "--name", "other", "--header", dir.path()});
  EXPECT_EQ(piped.status, 2);
  EXPECT_TRUE(piped.out.isEmpty());
  const test::RunResult whole = test::runPixport({image, "--size", "picture"});
  EXPECT_EQ(whole.out, test::runPixport({image, "--size", "20x12"}).out);
}

TEST_F(PixportCommandLine, TransparentValueReplacesPixelsUnderHalfOpacity) {
  QImage picture(4, 1, QImage::Format_ARGB32);
  const int alphas[] = {0, 127, 128, 255};
  for (int x = 0; x < 4; ++x) picture.setPixel(x, 0, qRgba(255, 0, 0, alphas[x]));
  const QString path = test::savePicture(picture, dir.path(), "alpha.png");
  const struct {
    const char* option;
    const char* text;
  } cases[] = {
      {nullptr, "{ 3, 0, //width, height\r\n\t32767, 16927, 15871, 31};"},
      {"31775", "{ 3, 0, //width, height\r\n\t31775, 31775, 15871, 31};"},
      {"0x7C1F", "{ 3, 0, //width, height\r\n\t31775, 31775, 15871, 31};"},
      {"#FF00FF", "{ 3, 0, //width, height\r\n\t31775, 31775, 15871, 31};"},
      {"0", "{ 3, 0, //width, height\r\n\t0, 0, 15871, 31};"},
  };
  for (const auto& c : cases) {
    QStringList args{path, "--size", "4x1"};
    if (c.option) args << "--transparent" << c.option;
    const test::RunResult run = test::runPixport(args);
    EXPECT_EQ(run.status, 0) << run.err.constData();
    EXPECT_EQ(run.out, c.text) << (c.option ? c.option : "none");
  }
}

TEST_F(PixportCommandLine, FailedWritesGiveTheSystemsReason) {
  const struct {
    QStringList args;
    const char* message;
  } cases[] = {
      {{image, "-o", "/dev/full"}, "Cannot write /dev/full: No space left on device"},
      {{image, "--size", "32768x32768", "-o", "/dev/full"},
       "Cannot write /dev/full: No space left on device"},
      {{image, "--bin", "/dev/full"}, "Cannot write /dev/full: No space left on device"},
      {{image, "--name", "n", "--header", "/dev/full"},
       "Cannot write /dev/full: No space left on device"},
      {{image, "-o", dir.path()}, "it is a directory"},
  };
  for (const auto& c : cases) {
    const test::RunResult run = test::runPixport(c.args);
    EXPECT_EQ(run.status, 2) << c.message;
    EXPECT_TRUE(run.err.contains(c.message)) << c.message << " / " << run.err.constData();
  }
  QProcess full;  // standard output on a full disk
  full.setStandardOutputFile(QStringLiteral("/dev/full"));
  full.start(PIXPORT_EXECUTABLE, {image});
  ASSERT_TRUE(full.waitForFinished(30000));
  EXPECT_EQ(full.exitCode(), 2);
  EXPECT_TRUE(full.readAllStandardError().contains(
      "Cannot write standard output: No space left on device"));
}

TEST_F(PixportCommandLine, UnwritableTargetsExitTwo) {
  for (const char* option : {"-o", "--bin"}) {
    const test::RunResult run = test::runPixport({image, option, dir.filePath("no/dir/out")});
    EXPECT_EQ(run.status, 2) << option;
    EXPECT_TRUE(run.out.isEmpty()) << option;
    EXPECT_TRUE(run.err.contains("Cannot write")) << option << " / " << run.err.constData();
  }
}

TEST_F(PixportCommandLine, AFileSizeLimitLeavesNoTemporaryFile) {
  // 32 x 32 BIN words are 2048 bytes, past a limit of 1024.
  const QString target = dir.filePath("art.bin");
  QProcess process;
  process.setChildProcessModifier([] {
    const rlimit limit{1024, 1024};
    setrlimit(RLIMIT_FSIZE, &limit);
  });
  process.start(PIXPORT_EXECUTABLE, {image, "--size", "32", "--bin", target});
  ASSERT_TRUE(process.waitForFinished(60000));
  EXPECT_EQ(process.exitStatus(), QProcess::NormalExit);
  EXPECT_EQ(process.exitCode(), 2);
  const QByteArray err = process.readAllStandardError();
  EXPECT_TRUE(err.contains("File too large")) << err.toStdString();
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList({"art.bmp", "art.png"}));
}

// The palsqueeze executable on the command line: output, reports, exit status, and
// no output at all when a run fails.
#include <gtest/gtest.h>
#include <libpane.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include "core/compressor.h"
#include "sprite_texts.h"

namespace {

using palsqueeze_test::arrayText;
using palsqueeze_test::pixelsWithDistinctValues;

struct ToolRun {
  int status = -1;
  std::string out;
  std::string err;
};

// Runs palsqueeze with input on its standard input, or with standard input and
// output redirected to the files given.
ToolRun runTool(const QStringList& arguments, const std::string& input = {},
                const QString& inputFile = {}, const QString& outputFile = {}) {
  QProcess process;
  if (!inputFile.isEmpty()) process.setStandardInputFile(inputFile);
  if (!outputFile.isEmpty()) process.setStandardOutputFile(outputFile);
  process.start(PALSQUEEZE_EXE, arguments);
  EXPECT_TRUE(process.waitForStarted());
  if (inputFile.isEmpty()) {
    process.write(input.data(), static_cast<qint64>(input.size()));
    process.closeWriteChannel();
  }
  EXPECT_TRUE(process.waitForFinished(30000));
  return {process.exitCode(), process.readAllStandardOutput().toStdString(),
          process.readAllStandardError().toStdString()};
}

void writeFile(const QString& path, const std::string& text) {
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(text.data(), static_cast<qint64>(text.size()));
}

std::string readFile(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll().toStdString() : std::string("<none>");
}

const std::string kExample = "uint16 spr[] = " + arrayText(2, 2, {"31", "32767", "32767", "31"});
const std::string kReports = "Sprite is 2 x 2.\nSprite takes up 1 bits per pixel.\n";

class PalsqueezeCommandLine : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir.isValid());
    writeFile(input, kExample);
  }
  QTemporaryDir dir;
  QString input = dir.filePath("sprite.c");
  QString output = dir.filePath("out.c");
};

TEST_F(PalsqueezeCommandLine, WritesTheCompressedTextToStandardOutput) {
  const std::string expected = palsqueeze::compress(kExample).output;
  for (const ToolRun& run : {runTool({input}), runTool({"-"}, kExample)}) {
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, expected);
    EXPECT_EQ(run.err, kReports);
  }
}

TEST_F(PalsqueezeCommandLine, WritesTheOutputFileOnlyOnSuccess) {
  const ToolRun run = runTool({input, "-o", output});
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out, "");
  EXPECT_EQ(run.err, kReports);
  EXPECT_EQ(readFile(output), palsqueeze::compress(kExample).output);

  writeFile(input, arrayText(20, 20, pixelsWithDistinctValues(20, 20, 257)));
  EXPECT_EQ(runTool({"-o", output, input}).status, 1);
  EXPECT_EQ(readFile(output), palsqueeze::compress(kExample).output) << "a good file is kept";
  const QString fresh = dir.filePath("fresh.c");
  EXPECT_EQ(runTool({input, "-o", fresh}).status, 1);
  EXPECT_FALSE(QFile::exists(fresh));
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 2) << "no temporary file is left";
}

TEST_F(PalsqueezeCommandLine, RefusesTooManyEntriesWithStatusOne) {
  const ToolRun run = runTool({"-"}, arrayText(20, 20, pixelsWithDistinctValues(20, 20, 257)));
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.out, "");
  EXPECT_NE(run.err.find(palsqueeze::kTooManyEntriesMessage), std::string::npos) << run.err;
}

TEST_F(PalsqueezeCommandLine, FailsWithStatusTwoAndNoOutput) {
  struct Case {
    QStringList arguments;
    std::string input;
    std::string message;
  };
  const std::vector<Case> cases = {
      {{"-"}, "31, 32767, 32767, 31", "no \"{\""},
      {{"-"}, "{ 5 }", "at least two values"},
      {{"-"}, "{ w, 1, 5, 6, 7, 8 }", "width - 1"},
      {{"-"}, "{ 1, 1, 5, 6, 7 }", "takes 4 pixel values"},
      {{dir.filePath("missing.c")}, "", "cannot read"},
      {{dir.path()}, "", "it is a directory"},
      {{"/dev/zero"}, "", "/dev/zero: it is a device, not a file"},
      {{input, "--name", "9lives"}, "", "--name \"9lives\" is not a C identifier"},
      {{input, "--name", "for"}, "", "--name \"for\" is a C keyword"},
      {{input, "--name", "class"}, "", "--name \"class\" is a C++ keyword"},
      {{input, "--name", "setFont"}, "", "--name \"setFont\" is declared by libpane.h"},
      {{input, "--header", output}, "", "--header needs --name"},
      {{input, "--name"}, "", "--name needs a name"},
      {{"-o", output}, "", "no input"},
      {{input, "-o"}, "", "-o needs a file name"},
      {{input, input}, "", "only one input"},
      {{"--frobnicate", input}, "", "unknown option --frobnicate"},
      {{input, "-o", dir.filePath("no/such/dir/out.c")}, "", "cannot write"}};
  for (const Case& c : cases) {
    const ToolRun run = runTool(c.arguments, c.input);
    const std::string what = c.arguments.join(' ').toStdString() + " <<< " + c.input;
    EXPECT_EQ(run.status, 2) << what;
    EXPECT_EQ(run.out, "") << what;
    EXPECT_NE(run.err.find(c.message), std::string::npos) << what << " -> " << run.err;
    EXPECT_FALSE(QFile::exists(output)) << what;
  }
}

TEST_F(PalsqueezeCommandLine, RefusesEndlessInputAndReportsFailedWrites) {
  struct Case {
    QStringList arguments;
    QString inputFile;
    QString outputFile;
    std::string message;
  };
  const std::vector<Case> cases = {
      {{"-"}, "/dev/zero", {}, "cannot read standard input: it is larger than 64 MB"},
      {{input}, {}, "/dev/full", "cannot write standard output: No space left on device"},
      {{input, "-o", "/dev/full"}, {}, {}, "cannot write /dev/full: No space left on device"},
      {{input, "--name", "s", "--header", "/dev/full"},
       {},
       {},
       "cannot write /dev/full: No space left"},
      {{input, "-o", dir.path()},
       {},
       {},
       "cannot write " + dir.path().toStdString() + ": it is a directory"}};
  for (const Case& c : cases) {
    const ToolRun run = runTool(c.arguments, {}, c.inputFile, c.outputFile);
    EXPECT_EQ(run.status, 2) << c.message;
    EXPECT_NE(run.err.find(c.message), std::string::npos) << c.message << " -> " << run.err;
  }
}

TEST_F(PalsqueezeCommandLine, OutputThroughALinkReplacesTheFileItNames) {
  const QString link = dir.filePath("link.c");
  writeFile(output, "old");
  ASSERT_TRUE(QFile::link(output, link));
  EXPECT_EQ(runTool({input, "-o", link}).status, 0);
  EXPECT_EQ(QFileInfo(link).symLinkTarget(), output);
  EXPECT_EQ(readFile(output), palsqueeze::compress(kExample).output);
}

TEST_F(PalsqueezeCommandLine, NameMakesASourceAndHeader) {
  const QString header = dir.filePath("spr.h");
  const ToolRun run = runTool({input, "--name", "packed_spr", "--header", header, "-o", output});
  EXPECT_EQ(run.status, 0) << run.err;
  const std::string record = palsqueeze::compress(kExample).output;
  EXPECT_EQ(readFile(output), "// Generated by palsqueeze " LIBPANE_VERSION_STRING
                              "\r\n#include <libpane.h>\r\n\r\nuint16 packed_spr[] = " +
                                  record.substr(record.find('{')) + "\r\n");
  EXPECT_EQ(
      readFile(header),
      "// Generated by palsqueeze " LIBPANE_VERSION_STRING
      "\r\n"
      "#ifndef PANE_ASSET_PACKED_SPR_H\r\n#define PANE_ASSET_PACKED_SPR_H\r\n\r\n#include "
      "<libpane.h>\r\n\r\n"
      "#ifdef __cplusplus\r\nextern \"C\" {\r\n#endif\r\n\r\n"
      "extern uint16 packed_spr[];\r\n\r\n#ifdef __cplusplus\r\n}\r\n#endif\r\n\r\n#endif\r\n");
  // A failure on either file leaves both as they were.
  const std::string oldSource = readFile(output);
  const std::string oldHeader = readFile(header);
  for (const QStringList& files :
       {QStringList{"-o", output, "--header", "/dev/full"},
        QStringList{"-o", dir.filePath("no/dir/s.c"), "--header", header}}) {
    EXPECT_EQ(runTool(QStringList{input, "--name", "other"} + files).status, 2)
        << files.join(' ').toStdString();
    EXPECT_EQ(readFile(output), oldSource);
    EXPECT_EQ(readFile(header), oldHeader);
  }
}

TEST_F(PalsqueezeCommandLine, WithoutArgumentsOrDisplaySaysTheWindowNeedsOne) {
  QProcess process;
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  for (const char* variable : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
    environment.remove(variable);
  process.setProcessEnvironment(environment);
  process.start(PALSQUEEZE_EXE, QStringList());
  ASSERT_TRUE(process.waitForFinished(30000));
  EXPECT_EQ(process.exitStatus(), QProcess::NormalExit);
  EXPECT_EQ(process.exitCode(), 2);
  const std::string err = process.readAllStandardError().toStdString();
  EXPECT_EQ(err.rfind("palsqueeze: the window needs a display", 0), 0u) << err;
  EXPECT_NE(err.find("\n\nUsage: palsqueeze"), std::string::npos) << err;
}

TEST_F(PalsqueezeCommandLine, HelpDescribesTheUse) {
  const ToolRun run = runTool({"--help"});
  EXPECT_EQ(run.status, 0);
  EXPECT_NE(run.out.find("Usage: palsqueeze"), std::string::npos);
  EXPECT_NE(run.out.find("-o OUTPUT"), std::string::npos);
  EXPECT_NE(run.out.find("--name NAME"), std::string::npos);
  EXPECT_EQ(run.err, "");
  const ToolRun version = runTool({"--version"});
  EXPECT_EQ(version.status, 0);
  EXPECT_EQ(version.out, "palsqueeze " LIBPANE_VERSION_STRING "\n");
}

}  // namespace

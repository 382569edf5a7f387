// The three command lines never write over what they read, nor two outputs onto
// one file, refuse an empty name, and give a failed write status 2.
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <map>

namespace {

// Every file of the directory with its bytes, or a link with what it names.
std::map<QString, QByteArray> snapshot(const QString& path) {
  std::map<QString, QByteArray> files;
  for (const QFileInfo& info :
       QDir(path).entryInfoList(QDir::Files | QDir::System | QDir::Hidden)) {
    QFile file(info.filePath());
    files[info.fileName()] = info.isSymLink()
                                 ? "-> " + info.symLinkTarget().toUtf8()
                                 : (file.open(QIODevice::ReadOnly) ? file.readAll() : "?");
  }
  return files;
}

struct Case {
  const char* tool;
  QStringList arguments;
  const char* line;  // standard error holds it whole, when refused (warnings may come first)
  int status;
};

const QStringList kFont = {"--font-file", "mine.ttf", "--size", "8"};

}  // namespace

TEST(ToolRuns, RefuseOutputsOntoInputsOrEachOther) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  auto path = [&dir](const char* name) { return dir.filePath(QLatin1String(name)); };
  ASSERT_TRUE(QImage(4, 4, QImage::Format_RGB32).save(path("q.png")));
  ASSERT_TRUE(QFile::copy(path("q.png"), path("-")));
  ASSERT_TRUE(QFile::copy(QStringLiteral(TOOLS_TEST_FONT), path("mine.ttf")));
  for (const char* name : {"s.c", "tpl.txt"}) {
    QFile file(path(name));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("const uint16 s[] = { 1, 0, //width, height\r\n5, 6, };\r\n");
  }
  ASSERT_TRUE(QFile::link(QStringLiteral("q.png"), path("sym.png")));
  ASSERT_EQ(QProcess::execute(QStringLiteral("ln"), {path("q.png"), path("hard.png")}), 0);
  ASSERT_TRUE(QFile::link(QStringLiteral("s.c"), path("sym.c")));

  const Case cases[] = {
      {"pixport",
       {"q.png", "--size", "8x8", "-o", "q.png"},
       "pixport: the output q.png is the input picture",
       2},
      {"pixport",
       {"q.png", "-o", "./q.png"},
       "pixport: the output ./q.png is the input picture q.png",
       2},
      {"pixport",
       {"q.png", "-o", "hard.png"},
       "pixport: the output hard.png is the input picture q.png",
       2},
      {"pixport",
       {"sym.png", "--bin", "q.png"},
       "pixport: the BIN file q.png is the input picture sym.png",
       2},
      {"pixport",
       {"q.png", "--name", "a", "-o", "new.c", "--header", "new.c"},
       "pixport: the header new.c is the output",
       2},
      {"pixport",
       {"./-", "-o", "-"},
       "pixport: the output - is the input picture ./-",
       2},  // "-o -" is a file
      {"palsqueeze", {"s.c", "-o", "s.c"}, "palsqueeze: the output s.c is the input", 2},
      {"palsqueeze", {"sym.c", "-o", "s.c"}, "palsqueeze: the output s.c is the input sym.c", 2},
      {"palsqueeze",
       {"s.c", "--name", "t", "-o", "o.c", "--header", "o.c"},
       "palsqueeze: the header o.c is the output",
       2},
      {"glyphcast", kFont + QStringList{"-o", "mine.ttf"},
       "glyphcast: the output mine.ttf is the font file", 2},
      {"glyphcast", kFont + QStringList{"--preview", "mine.ttf"},
       "glyphcast: the preview mine.ttf is the font file", 2},
      {"glyphcast", kFont + QStringList{"--name", "f", "-o", "f.c", "--header", "f.c"},
       "glyphcast: the header f.c is the output", 2},
      {"glyphcast", kFont + QStringList{"-o", "o.c", "--preview", "o.c"},
       "glyphcast: the preview o.c is the output", 2},
      {"glyphcast", kFont + QStringList{"--template", "tpl.txt", "-o", "tpl.txt"},
       "glyphcast: the output tpl.txt is the template", 2},
      // Standard input and output, and devices, are no file to lose.
      {"palsqueeze", {"-", "-o", "-"}, "", 0},
      {"glyphcast", kFont + QStringList{"-o", "/dev/null", "--preview", "/dev/null"}, "", 0},
      // An empty name, refused alike.
      {"pixport", {"q.png", "--name", ""}, "pixport: --name needs a value", 2},
      {"palsqueeze", {"s.c", "--name", ""}, "palsqueeze: --name needs a value", 2},
      {"glyphcast", kFont + QStringList{"--name="},
       "glyphcast: --name needs a value (see glyphcast --help)", 2},
      // A failed write.
      {"pixport",
       {"q.png", "-o", "no/out.c"},
       "pixport: Cannot write no/out.c: No such file or directory",
       2},
      {"palsqueeze",
       {"s.c", "-o", "no/out.c"},
       "palsqueeze: cannot write no/out.c: No such file or directory",
       2},
      {"glyphcast", kFont + QStringList{"-o", "no/out.c"},
       "glyphcast: cannot write no/out.c: No such file or directory", 2},
  };
  const std::map<QString, QString> programs = {
      {"glyphcast", GLYPHCAST_EXE}, {"pixport", PIXPORT_EXE}, {"palsqueeze", PALSQUEEZE_EXE}};
  const std::map<QString, QByteArray> before = snapshot(dir.path());
  for (const Case& c : cases) {
    const std::string what = std::string(c.tool) + " " + c.arguments.join(' ').toStdString();
    QProcess process;
    process.setWorkingDirectory(dir.path());
    process.setStandardInputFile(path("s.c"));
    process.start(programs.at(QLatin1String(c.tool)), c.arguments);
    ASSERT_TRUE(process.waitForFinished(60000)) << what;
    EXPECT_EQ(process.exitCode(), c.status) << what;
    const QByteArray err = process.readAllStandardError();
    if (c.status != 0) {
      EXPECT_TRUE(err.split('\n').contains(QByteArray(c.line))) << what << "\n"
                                                                << err.toStdString();
    }
    EXPECT_EQ(snapshot(dir.path()), before) << what;
  }
}

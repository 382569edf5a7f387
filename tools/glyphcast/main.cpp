// glyphcast: with no arguments opens the font converter's window; with arguments
// runs one conversion from the command line.
#include "common/outcome.h"
#include "common/startup.h"
#include "glyphcast/cli/arguments.h"
#include "glyphcast/cli/command_line.h"
#include "glyphcast/gui/font_window.h"

#include <QApplication>
#include <QFile>
#include <QGuiApplication>

#include <cstdio>

namespace {

int runWindow(int argc, char** argv) {
  QApplication app(argc, argv);
  glyphcast::FontWindow window;
  window.show();
  return app.exec();
}

// The command line speaks only through its own messages; Qt's notes about the
// environment (a missing runtime directory, an off-screen platform) would be noise.
void keepQtQuiet(QtMsgType type, const QMessageLogContext&, const QString& message) {
  if (type == QtCriticalMsg || type == QtFatalMsg)
    std::fprintf(stderr, "glyphcast: %s\n", message.toLocal8Bit().constData());
}

QStringList argumentsOf(int argc, char** argv) {
  QStringList args;
  for (int i = 1; i < argc; ++i) args << QString::fromLocal8Bit(argv[i]);
  return args;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc <= 1) {
    if (panetools::hasDisplay()) return runWindow(argc, argv);
    std::fprintf(stderr, "%s\n\n%s", panetools::noDisplayLine("glyphcast").c_str(),
                 glyphcast::usageText().toLocal8Bit().constData());
    return panetools::exitStatus(panetools::Outcome::Failed);
  }

  QFile out;
  QFile err;
  out.open(stdout, QIODevice::WriteOnly | QIODevice::Unbuffered);
  err.open(stderr, QIODevice::WriteOnly | QIODevice::Unbuffered);

  glyphcast::CommandLine commandLine;
  QString error;
  const auto outcome = glyphcast::parseArguments(argumentsOf(argc, argv), commandLine, &error);
  if (outcome != glyphcast::ArgumentsOutcome::Run)
    return glyphcast::reportArguments(outcome, error, out, err);

  // The command line opens no window: draw off screen whatever the display, and
  // keep Qt from reading the program's own options.
  qputenv("QT_QPA_PLATFORM", "offscreen");
  qInstallMessageHandler(keepQtQuiet);
  int qtArgc = 1;
  QGuiApplication app(qtArgc, argv);
  return commandLine.run(out, err);
}

// pixport: with no arguments opens the window, otherwise runs the command line.
#include "cli/command_line.h"
#include "common/outcome.h"
#include "common/startup.h"
#include "gui/picture_window.h"

#include <QApplication>
#include <QCoreApplication>

#include <cstdio>

int main(int argc, char* argv[]) {
  if (argc > 1) {
    // No display is needed to convert, so the command line runs without one.
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("pixport"));
    return pixport::runCommandLine(QCoreApplication::arguments().mid(1));
  }
  if (!panetools::hasDisplay()) {
    std::fprintf(stderr, "%s\n\n%s", panetools::noDisplayLine("pixport").c_str(),
                 qPrintable(pixport::usageText()));
    return panetools::exitStatus(panetools::Outcome::Failed);
  }
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("pixport"));
  pixport::PictureWindow window;
  window.show();
  return app.exec();
}

// A headless application for the window tests, and running the pixport executable.
#pragma once

#include <QApplication>
#include <QByteArray>
#include <QStringList>

namespace pixport::test {

// Creates the one QApplication of the test program on first use, on the
// offscreen platform unless another is set.
inline void ensureApplication() {
  if (QApplication::instance()) return;
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  static int argc = 1;
  static char name[] = "pixport_app_tests";
  static char* argv[] = {name, nullptr};
  new QApplication(argc, argv);  // lives until the process ends
}

struct RunResult {
  int status = -1;
  QByteArray out;
  QByteArray err;
};

// Runs the built pixport with arguments and input on its standard input, and waits for it.
RunResult runPixport(const QStringList& arguments, const QByteArray& input = QByteArray());

}  // namespace pixport::test

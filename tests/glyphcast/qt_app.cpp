// Creates the tests' QApplication lazily, so that listing the tests needs no display.
#include "qt_app.h"

#include <QApplication>

namespace glyphcast::test {

QApplication& testApplication() {
  static int argc = 1;
  static char name[] = "glyphcast_qt_tests";
  static char* argv[] = {name, nullptr};
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  static QApplication* app = new QApplication(argc, argv);
  return *app;
}

}  // namespace glyphcast::test

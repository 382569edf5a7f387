// Version line and display check shared by the tools' main functions.
#include "common/startup.h"

#include <cstdlib>

namespace panetools {

namespace {

bool isSet(const char* variable) {
  const char* value = std::getenv(variable);
  return value != nullptr && value[0] != '\0';
}

}  // namespace

std::string versionLine(std::string_view tool) {
  return std::string(tool) + " " + PANE_VERSION;
}

bool hasDisplay() {
  return isSet("QT_QPA_PLATFORM") || isSet("DISPLAY") || isSet("WAYLAND_DISPLAY");
}

std::string noDisplayLine(std::string_view tool) {
  return std::string(tool) +
         ": the window needs a display and none is set (DISPLAY, WAYLAND_DISPLAY); "
         "run it with arguments to use the command line.";
}

}  // namespace panetools

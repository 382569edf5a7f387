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

std::string versionLine(std::string_view tool) { return std::string(tool) + " " + PANE_VERSION; }

bool hasDisplay() {
  // X11 and Wayland are what Qt picks when no platform is named; for them Qt stops
  // the program when the display is not there. Other platforms (offscreen,
  // minimal, eglfs, vnc) need none.
  const char* named = std::getenv("QT_QPA_PLATFORM");
  const std::string_view platform = named != nullptr ? named : "";
  const bool needsDisplay =
      platform.empty() || platform.substr(0, 3) == "xcb" || platform.substr(0, 7) == "wayland";
  return !needsDisplay || isSet("DISPLAY") || isSet("WAYLAND_DISPLAY");
}

std::string noDisplayLine(std::string_view tool) {
  return std::string(tool) +
         ": the window needs a display (neither DISPLAY nor WAYLAND_DISPLAY is set); "
         "with arguments it runs on the command line.";
}

}  // namespace panetools

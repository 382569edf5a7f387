// What a tool decides before Qt starts: its version line, and whether its window
// can open at all (with no display Qt would abort instead of explaining).
#pragma once

#include <string>
#include <string_view>

namespace panetools {

// "<tool> <version>", the version of the libpane build the tool belongs to.
std::string versionLine(std::string_view tool);

// Whether a window can open: QT_QPA_PLATFORM names a platform other than X11
// (xcb) or Wayland, or an X or Wayland display is set (DISPLAY, WAYLAND_DISPLAY).
bool hasDisplay();

// The one line printed before the usage when the window cannot open.
std::string noDisplayLine(std::string_view tool);

}  // namespace panetools

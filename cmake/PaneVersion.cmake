# The version is the project's (project(... VERSION)); include/libpane.h repeats it
# in LIBPANE_VERSION_MAJOR, _MINOR, _PATCH and _STRING, so that the header serves
# uninstalled DS builds as it is. Configuring stops when the two disagree.
file(STRINGS ${PROJECT_SOURCE_DIR}/include/libpane.h pane_version_lines
  REGEX "^#define LIBPANE_VERSION_(MAJOR|MINOR|PATCH|STRING) ")
set(pane_header_version "")
foreach(part MAJOR MINOR PATCH STRING)
  set(value "")
  foreach(line ${pane_version_lines})
    if(line MATCHES "^#define LIBPANE_VERSION_${part} +\"?([0-9.]+)\"?")
      set(value "${CMAKE_MATCH_1}")
    endif()
  endforeach()
  set(pane_header_${part} "${value}")
endforeach()
set(pane_expected "${PROJECT_VERSION_MAJOR};${PROJECT_VERSION_MINOR};${PROJECT_VERSION_PATCH};${PROJECT_VERSION}")
set(pane_found "${pane_header_MAJOR};${pane_header_MINOR};${pane_header_PATCH};${pane_header_STRING}")
if(NOT pane_found STREQUAL pane_expected)
  message(FATAL_ERROR "include/libpane.h says version ${pane_header_MAJOR}.${pane_header_MINOR}."
    "${pane_header_PATCH} (\"${pane_header_STRING}\"), the project ${PROJECT_VERSION}: "
    "set LIBPANE_VERSION_MAJOR, _MINOR, _PATCH and _STRING to the project's version")
endif()
unset(pane_version_lines)
unset(pane_expected)
unset(pane_found)

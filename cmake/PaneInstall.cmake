# cmake --install: the library, its header, the platform and a CMake package
# so that find_package(libpane CONFIG) gives libpane::pane.
include(CMakePackageConfigHelpers)

install(TARGETS pane EXPORT libpaneTargets
  ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR})
install(FILES ${PROJECT_SOURCE_DIR}/include/libpane.h
  DESTINATION ${CMAKE_INSTALL_INCLUDEDIR})
install(EXPORT libpaneTargets NAMESPACE libpane::
  DESTINATION ${CMAKE_INSTALL_LIBDIR}/cmake/libpane)

configure_package_config_file(${PROJECT_SOURCE_DIR}/cmake/libpaneConfig.cmake.in
  ${CMAKE_CURRENT_BINARY_DIR}/libpaneConfig.cmake
  INSTALL_DESTINATION ${CMAKE_INSTALL_LIBDIR}/cmake/libpane)
write_basic_package_version_file(${CMAKE_CURRENT_BINARY_DIR}/libpaneConfigVersion.cmake
  COMPATIBILITY SameMajorVersion)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/libpaneConfig.cmake
  ${CMAKE_CURRENT_BINARY_DIR}/libpaneConfigVersion.cmake
  DESTINATION ${CMAKE_INSTALL_LIBDIR}/cmake/libpane)

# The tools as build steps: CMake functions beside the package, a Makefile fragment
# for projects built with make. They come with the package that holds the tools; a DS
# install holds the library alone.
if(TARGET glyphcast)
  install(FILES ${PROJECT_SOURCE_DIR}/cmake/PaneTools.cmake
    DESTINATION ${CMAKE_INSTALL_LIBDIR}/cmake/libpane)
  install(FILES ${PROJECT_SOURCE_DIR}/cmake/pane_tools.mk
    DESTINATION ${CMAKE_INSTALL_DATADIR}/libpane)
endif()

# The licence goes with every install: beside include and lib in a BlocksDS
# library folder, under licenses/<package> in devkitPro's portlibs, with the
# other packages' documentation on the desktop. Decided anew for every prefix
# unless PANE_LICENSE_DIR says where.
set(PANE_LICENSE_DIR "" CACHE STRING
  "Where the install puts LICENSE, relative to the prefix (empty: as the prefix's SDK does)")
if(NOT PANE_LICENSE_DIR STREQUAL "")
  set(pane_license_dir "${PANE_LICENSE_DIR}")
elseif(PANE_PLATFORM STREQUAL "libnds" AND CMAKE_INSTALL_PREFIX MATCHES "/portlibs/nds/?$")
  set(pane_license_dir licenses/nds-libpane)
elseif(PANE_PLATFORM STREQUAL "libnds")
  set(pane_license_dir .)
else()
  set(pane_license_dir ${CMAKE_INSTALL_DATADIR}/doc/libpane)
endif()
install(FILES ${PROJECT_SOURCE_DIR}/LICENSE DESTINATION ${pane_license_dir})

# The source archive a package recipe builds from, libpane-<version>.tar.gz: made
# by CPack (target package_source, or every cmake --install of a host build) in the
# build directory, from the files of the source tree without build trees or git.
set(CPACK_PACKAGE_NAME libpane)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Bitmap text, sprites and dialog boxes for Nintendo DS programs")
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_SOURCE_GENERATOR TGZ)
set(CPACK_SOURCE_PACKAGE_FILE_NAME libpane-${PROJECT_VERSION})
# This build tree is left out wherever it lies, so no archive ever holds another.
string(REGEX REPLACE "([][+.*?()^$|\\\\])" "\\\\\\1" pane_binary_dir_pattern "${PROJECT_BINARY_DIR}/")
set(CPACK_SOURCE_IGNORE_FILES "/\\\\.git" "/build[^/]*/" "/out/" "/\\\\.cache/" "_err\\\\.png$"
  "/compile_commands\\\\.json$" "^${pane_binary_dir_pattern}")
set(CPACK_PACKAGE_DIRECTORY ${PROJECT_BINARY_DIR})
include(CPack)
option(PANE_INSTALL_SOURCE_ARCHIVE "cmake --install also writes the source archive (host builds)"
  ${pane_default_extras})
if(PANE_INSTALL_SOURCE_ARCHIVE AND NOT CMAKE_CROSSCOMPILING)
  install(CODE "
    execute_process(COMMAND \"${CMAKE_CPACK_COMMAND}\" --config \"${PROJECT_BINARY_DIR}/CPackSourceConfig.cmake\"
      WORKING_DIRECTORY \"${PROJECT_BINARY_DIR}\" RESULT_VARIABLE pane_rc OUTPUT_QUIET)
    if(NOT pane_rc EQUAL 0)
      message(FATAL_ERROR \"CPack could not write the source archive\")
    endif()
    message(STATUS \"Source archive: ${PROJECT_BINARY_DIR}/libpane-${PROJECT_VERSION}.tar.gz\")")
endif()

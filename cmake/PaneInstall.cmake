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

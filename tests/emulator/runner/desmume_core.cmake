# Finds the DeSmuME libretro core: PANE_DESMUME_CORE when given, else the
# installed package's, else the package and the one library it needs
# (libtinyxml) unpacked into the build tree with apt-get download and
# dpkg-deb -x: installing the package would pull in a whole front end.
# Sets PANE_DESMUME_PRELOAD to the libraries the runner opens first.
set(PANE_DESMUME_CORE "" CACHE FILEPATH "DeSmuME libretro core (found or fetched when empty)")
set(PANE_DESMUME_PRELOAD "" CACHE STRING "Libraries the core needs, opened before it")

if(NOT PANE_DESMUME_CORE)
  find_file(PANE_DESMUME_INSTALLED desmume_libretro.so
    PATHS /usr/lib/${CMAKE_LIBRARY_ARCHITECTURE}/libretro /usr/lib/libretro NO_DEFAULT_PATH)
  if(PANE_DESMUME_INSTALLED)
    set(PANE_DESMUME_CORE ${PANE_DESMUME_INSTALLED} CACHE FILEPATH "" FORCE)
  endif()
endif()

if(NOT PANE_DESMUME_CORE)
  set(unpacked ${CMAKE_BINARY_DIR}/desmume-core)
  file(GLOB_RECURSE found_core ${unpacked}/root/*/desmume_libretro.so)
  if(NOT found_core)
    message(STATUS "Fetching the DeSmuME libretro core (libretro-desmume, libtinyxml2.6.2v5)")
    file(REMOVE_RECURSE ${unpacked})
    file(MAKE_DIRECTORY ${unpacked}/debs)
    execute_process(COMMAND apt-get download libretro-desmume libtinyxml2.6.2v5
      WORKING_DIRECTORY ${unpacked}/debs RESULT_VARIABLE result ERROR_VARIABLE output)
    if(NOT result EQUAL 0)
      message(FATAL_ERROR "apt-get download of the DeSmuME core failed (run apt-get update "
        "first?):\n${output}")
    endif()
    file(GLOB debs ${unpacked}/debs/*.deb)
    foreach(deb ${debs})
      execute_process(COMMAND dpkg-deb -x ${deb} ${unpacked}/root RESULT_VARIABLE result)
      if(NOT result EQUAL 0)
        message(FATAL_ERROR "dpkg-deb -x ${deb} failed")
      endif()
    endforeach()
    file(GLOB_RECURSE found_core ${unpacked}/root/*/desmume_libretro.so)
    if(NOT found_core)
      message(FATAL_ERROR "libretro-desmume holds no desmume_libretro.so")
    endif()
  endif()
  list(GET found_core 0 found_core)
  file(GLOB_RECURSE found_tinyxml ${unpacked}/root/*/libtinyxml.so.*)
  set(PANE_DESMUME_CORE ${found_core} CACHE FILEPATH "" FORCE)
  set(PANE_DESMUME_PRELOAD "${found_tinyxml}" CACHE STRING "" FORCE)
endif()
message(STATUS "DeSmuME libretro core: ${PANE_DESMUME_CORE}")

# Finds an installed libnds: the directory holding include/nds.h. Looked for in
# LIBNDS_ROOT (the CMake variable, then the environment variable), then in
# $BLOCKSDS/libs/libnds (BlocksDS) and $DEVKITPRO/libnds (devkitARM), then where
# the two SDKs install by default.
#   pane_find_libnds(<out-var>)   sets <out-var> to the directory, or empty
function(pane_find_libnds out)
  set(candidates "")
  if(LIBNDS_ROOT)
    list(APPEND candidates "${LIBNDS_ROOT}")
  elseif(DEFINED ENV{LIBNDS_ROOT} AND NOT "$ENV{LIBNDS_ROOT}" STREQUAL "")
    list(APPEND candidates "$ENV{LIBNDS_ROOT}")
  else()
    if(DEFINED ENV{BLOCKSDS} AND NOT "$ENV{BLOCKSDS}" STREQUAL "")
      list(APPEND candidates "$ENV{BLOCKSDS}/libs/libnds")
    endif()
    if(DEFINED ENV{DEVKITPRO} AND NOT "$ENV{DEVKITPRO}" STREQUAL "")
      list(APPEND candidates "$ENV{DEVKITPRO}/libnds")
    endif()
    list(APPEND candidates /opt/blocksds/core/libs/libnds /opt/devkitpro/libnds)
  endif()
  foreach(candidate ${candidates})
    if(EXISTS "${candidate}/include/nds.h")
      get_filename_component(candidate "${candidate}" ABSOLUTE)
      set(${out} "${candidate}" PARENT_SCOPE)
      return()
    endif()
  endforeach()
  set(${out} "" PARENT_SCOPE)
endfunction()

# Where a DS project's build looks for third-party libraries: $BLOCKSDSEXT/libpane
# (a BlocksDS Makefile adds it with LIBDIRS), else devkitPro's portlibs for the DS,
# whose include and lib directories a devkitARM Makefile already searches.
#   pane_ds_library_prefix(<out-var>)   sets <out-var> to the prefix, or empty
function(pane_ds_library_prefix out)
  if(DEFINED ENV{BLOCKSDSEXT} AND NOT "$ENV{BLOCKSDSEXT}" STREQUAL "")
    set(${out} "$ENV{BLOCKSDSEXT}/libpane" PARENT_SCOPE)
  elseif(DEFINED ENV{BLOCKSDS} AND NOT "$ENV{BLOCKSDS}" STREQUAL "")
    # BlocksDS's default layout: core and external side by side.
    get_filename_component(parent "$ENV{BLOCKSDS}" DIRECTORY)
    set(${out} "${parent}/external/libpane" PARENT_SCOPE)
  elseif(DEFINED ENV{DEVKITPRO} AND NOT "$ENV{DEVKITPRO}" STREQUAL "")
    set(${out} "$ENV{DEVKITPRO}/portlibs/nds" PARENT_SCOPE)
  elseif(EXISTS /opt/blocksds/external)
    set(${out} /opt/blocksds/external/libpane PARENT_SCOPE)
  elseif(EXISTS /opt/devkitpro/portlibs/nds)
    set(${out} /opt/devkitpro/portlibs/nds PARENT_SCOPE)
  else()
    set(${out} "" PARENT_SCOPE)
  endif()
endfunction()

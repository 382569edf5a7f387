# Sets <out> to the first directory holding <marker>, or empty: the one the CMake
# variable <var> names, else the one its environment variable names, else the
# first of the further candidates that holds it.
function(pane_find_root out var marker)
  if(${var})
    set(candidates "${${var}}")
  elseif(DEFINED ENV{${var}} AND NOT "$ENV{${var}}" STREQUAL "")
    set(candidates "$ENV{${var}}")
  else()
    set(candidates ${ARGN})
  endif()
  foreach(candidate ${candidates})
    if(EXISTS "${candidate}/${marker}")
      get_filename_component(candidate "${candidate}" REALPATH)
      set(${out} "${candidate}" PARENT_SCOPE)
      return()
    endif()
  endforeach()
  set(${out} "" PARENT_SCOPE)
endfunction()

# Finds an installed libnds: the directory holding include/nds.h. Looked for in
# LIBNDS_ROOT (the CMake variable, then the environment variable), then in
# $BLOCKSDS/libs/libnds (BlocksDS) and $DEVKITPRO/libnds (devkitARM), then where
# the two SDKs install by default.
#   pane_find_libnds(<out-var>)   sets <out-var> to the directory, or empty
function(pane_find_libnds out)
  set(defaults "")
  if(DEFINED ENV{BLOCKSDS} AND NOT "$ENV{BLOCKSDS}" STREQUAL "")
    list(APPEND defaults "$ENV{BLOCKSDS}/libs/libnds")
  endif()
  if(DEFINED ENV{DEVKITPRO} AND NOT "$ENV{DEVKITPRO}" STREQUAL "")
    list(APPEND defaults "$ENV{DEVKITPRO}/libnds")
  endif()
  pane_find_root(found LIBNDS_ROOT include/nds.h ${defaults}
                 /opt/blocksds/core/libs/libnds /opt/devkitpro/libnds)
  set(${out} "${found}" PARENT_SCOPE)
endfunction()

# Finds calico, the system library libnds 2 builds on: the directory holding
# include/calico.h. Looked for in CALICO_ROOT (the CMake variable, then the
# environment variable), then in $DEVKITPRO/calico and beside libnds (devkitARM
# installs both side by side), then where devkitARM installs by default.
#   pane_find_calico(<out-var> <libnds-dir>)   sets <out-var> to the directory, or empty
function(pane_find_calico out libnds)
  set(defaults "")
  if(DEFINED ENV{DEVKITPRO} AND NOT "$ENV{DEVKITPRO}" STREQUAL "")
    list(APPEND defaults "$ENV{DEVKITPRO}/calico")
  endif()
  pane_find_root(found CALICO_ROOT include/calico.h ${defaults} "${libnds}/../calico"
                 /opt/devkitpro/calico)
  set(${out} "${found}" PARENT_SCOPE)
endfunction()

# Whether the libnds in <libnds-dir> builds on calico (libnds 2 and later): its
# <nds/ndstypes.h> takes its types from calico's headers.
#   pane_libnds_needs_calico(<out-var> <libnds-dir>)
function(pane_libnds_needs_calico out libnds)
  set(${out} FALSE PARENT_SCOPE)
  if(EXISTS "${libnds}/include/nds/ndstypes.h")
    file(STRINGS "${libnds}/include/nds/ndstypes.h" uses REGEX "#include <calico")
    if(uses)
      set(${out} TRUE PARENT_SCOPE)
    endif()
  endif()
endfunction()

# Where a DS project's build looks for third-party libraries: $BLOCKSDSEXT/libpane
# (a BlocksDS Makefile adds it with LIBDIRS), else devkitPro's portlibs for the DS,
# whose include and lib directories a devkitARM Makefile already searches.
#   pane_ds_library_prefix(<out-var>)   sets <out-var> to the prefix, or empty
function(pane_ds_library_prefix out)
  if(DEFINED ENV{BLOCKSDSEXT} AND NOT "$ENV{BLOCKSDSEXT}" STREQUAL "")
    set(${out} "$ENV{BLOCKSDSEXT}/libpane" PARENT_SCOPE)
  elseif(DEFINED ENV{BLOCKSDS} AND NOT "$ENV{BLOCKSDS}" STREQUAL "")
    # BlocksDS's own layout, core and external side by side, wherever BLOCKSDS
    # points (a trailing slash or a relative path included). BlocksDS's Makefiles
    # look in /opt/blocksds/external unless BLOCKSDSEXT says otherwise, which
    # scripts/ds-install tells when this is another folder.
    get_filename_component(core "$ENV{BLOCKSDS}" ABSOLUTE)
    get_filename_component(parent "${core}" DIRECTORY)
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

# The desktop tools as build steps. Each function makes a C source and its header at
# build time, adds both to TARGET and puts their directory and libpane's include folder
# on its include path, and makes them again when the asset or the tool changes:
#
#   pane_add_font(TARGET NAME FONT family | FONT_FILE file... SIZE points [BOLD] [ITALIC]
#                 [UNICODE] [BINARY] [BPP 1|2|4] [RANGES list...] [SYMBOLS_FILE file...])
#       glyphcast: the font table uint16* NAME[]; with UNICODE the Unicode font
#       const PaneFont NAME instead, with BINARY the binary file NAME.bin beside the
#       sources (its path in the variable NAME_BINARY; without UNICODE it is the only
#       output, made before TARGET builds). Several FONT_FILE values are a fallback
#       order; RANGES ("0x20-0x7E" "0x3040-0x30FF") and SYMBOLS_FILE (UTF-8 text) pick
#       the code points, printable ASCII by default. BPP 2 or 4 captures a Unicode
#       font's glyphs smoothed, 2 or 4 bits of coverage per pixel (1, the default: ink
#       or none).
#   pane_add_picture(TARGET NAME IMAGE [SIZE 32|16|8|WxH] [TILES] [TRANSPARENT value])
#       pixport: uint16 NAME[], the whole picture by default (a sprite record: size header
#       and rows); a fixed size with TILES gives bare pixel data in 8x8 tiles
#   pane_add_sprite(TARGET NAME IMAGE [SIZE WxH|N] [TRANSPARENT value] [COMPRESS])
#       pixport: the sprite record uint16 NAME[] of the whole picture or its top-left
#       W x H (N x N) pixels; COMPRESS passes it through palsqueeze
#
# The files are NAME.c and NAME.h in PANE_ASSET_DIR (default: pane_assets in the
# current binary directory). Relative paths are relative to the current source directory.
# The tools are the imported libpane::glyphcast, libpane::pixport and libpane::palsqueeze
# of an installed package, or the targets of the same names in libpane's own build.
include_guard(GLOBAL)

# Sets <var>_COMMAND and <var>_DEPENDS for the tool called name.
function(_pane_tool var name caller)
  if(TARGET libpane::${name})
    set(tool libpane::${name})
  elseif(TARGET ${name})
    set(tool ${name})
  else()
    message(FATAL_ERROR "${caller}: the ${name} tool is missing: install libpane with its "
      "desktop tools (built when Qt 6 is found)")
  endif()
  get_target_property(imported ${tool} IMPORTED)
  set(${var}_COMMAND "$<TARGET_FILE:${tool}>" PARENT_SCOPE)
  if(imported)
    # An installed tool is a file: the outputs are remade when it is replaced.
    get_target_property(location ${tool} IMPORTED_LOCATION)
    set(${var}_DEPENDS "${location}" PARENT_SCOPE)
  else()
    set(${var}_DEPENDS ${tool} PARENT_SCOPE)
  endif()
endfunction()

# Where NAME.c and NAME.h go, and adding them to the target.
function(_pane_outputs name dir_var source_var header_var)
  if(PANE_ASSET_DIR)
    set(dir ${PANE_ASSET_DIR})
  else()
    set(dir ${CMAKE_CURRENT_BINARY_DIR}/pane_assets)
  endif()
  set(${dir_var} ${dir} PARENT_SCOPE)
  set(${source_var} ${dir}/${name}.c PARENT_SCOPE)
  set(${header_var} ${dir}/${name}.h PARENT_SCOPE)
endfunction()

function(_pane_check_name caller name)
  if(NOT name MATCHES "^[A-Za-z_][A-Za-z0-9_]*$")
    message(FATAL_ERROR "${caller}: NAME must be a C identifier, not \"${name}\"")
  endif()
endfunction()

# The sources include <libpane.h>: the target gets libpane's include folder even
# when it does not link the library (a library of assets alone).
function(_pane_attach target dir source header)
  target_sources(${target} PRIVATE ${source} ${header})
  target_include_directories(${target} PRIVATE ${dir})
  if(TARGET libpane::pane)
    target_include_directories(${target} PRIVATE
      $<TARGET_PROPERTY:libpane::pane,INTERFACE_INCLUDE_DIRECTORIES>)
  endif()
endfunction()

function(pane_add_font target name)
  cmake_parse_arguments(PARSE_ARGV 2 F "BOLD;ITALIC;UNICODE;BINARY" "FONT;SIZE;BPP"
    "FONT_FILE;RANGES;SYMBOLS_FILE")
  _pane_check_name(pane_add_font "${name}")
  if(F_UNPARSED_ARGUMENTS)
    message(FATAL_ERROR "pane_add_font: unknown arguments ${F_UNPARSED_ARGUMENTS}")
  endif()
  if((F_FONT AND F_FONT_FILE) OR (NOT F_FONT AND NOT F_FONT_FILE) OR NOT F_SIZE)
    message(FATAL_ERROR "pane_add_font: give FONT or FONT_FILE, and SIZE")
  endif()
  set(unicode_font FALSE)
  if(F_UNICODE OR F_BINARY)
    set(unicode_font TRUE)
  endif()
  list(LENGTH F_FONT_FILE font_files)
  if(NOT unicode_font AND (F_RANGES OR F_SYMBOLS_FILE OR font_files GREATER 1 OR
                          DEFINED F_BPP))
    message(FATAL_ERROR "pane_add_font: RANGES, SYMBOLS_FILE, BPP and several FONT_FILE "
      "values need UNICODE or BINARY")
  endif()
  if("BPP" IN_LIST F_KEYWORDS_MISSING_VALUES)
    message(FATAL_ERROR "pane_add_font: BPP takes 1, 2 or 4")
  endif()
  if(DEFINED F_BPP AND NOT F_BPP MATCHES "^[124]$")
    message(FATAL_ERROR "pane_add_font: BPP takes 1, 2 or 4, not \"${F_BPP}\"")
  endif()
  _pane_tool(glyphcast glyphcast pane_add_font)
  _pane_outputs(${name} dir source header)
  set(inputs "")
  set(face "")
  if(F_FONT_FILE)
    foreach(file IN LISTS F_FONT_FILE)
      get_filename_component(file "${file}" ABSOLUTE BASE_DIR ${CMAKE_CURRENT_SOURCE_DIR})
      list(APPEND face --font-file "${file}")
      list(APPEND inputs "${file}")
    endforeach()
  else()
    set(face --font "${F_FONT}")
  endif()
  set(style "")
  if(F_BOLD)
    list(APPEND style --bold)
  endif()
  if(F_ITALIC)
    list(APPEND style --italic)
  endif()
  if(DEFINED F_BPP)
    list(APPEND style --bpp ${F_BPP})
  endif()
  foreach(range IN LISTS F_RANGES)
    list(APPEND style --range "${range}")
  endforeach()
  foreach(file IN LISTS F_SYMBOLS_FILE)
    get_filename_component(file "${file}" ABSOLUTE BASE_DIR ${CMAKE_CURRENT_SOURCE_DIR})
    list(APPEND style --symbols-file "${file}")
    list(APPEND inputs "${file}")
  endforeach()
  set(outputs "")
  set(written "")
  if(NOT unicode_font OR F_UNICODE)
    list(APPEND outputs ${source} ${header})
    list(APPEND written --header ${header} -o ${source})
  endif()
  if(F_UNICODE)
    list(APPEND style --unicode)
  endif()
  if(F_BINARY)
    set(binary ${dir}/${name}.bin)
    list(APPEND outputs ${binary})
    list(APPEND written --binary ${binary})
    set(${name}_BINARY ${binary} PARENT_SCOPE)
  endif()
  add_custom_command(OUTPUT ${outputs}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${dir}
    COMMAND ${glyphcast_COMMAND} ${face} --size ${F_SIZE} ${style} --name ${name} ${written}
    DEPENDS ${glyphcast_DEPENDS} ${inputs}
    COMMENT "glyphcast: ${name}"
    VERBATIM)
  if(NOT unicode_font OR F_UNICODE)
    # A font table holds every special glyph, whether the program draws it or not.
    if(NOT unicode_font AND CMAKE_C_COMPILER_ID MATCHES "GNU|Clang")
      set_source_files_properties(${source} PROPERTIES COMPILE_OPTIONS "-Wno-unused-variable")
    endif()
    _pane_attach(${target} ${dir} ${source} ${header})
  endif()
  if(F_BINARY)
    # The file is data for the program to load, not a source: made before the target.
    add_custom_target(${target}_${name}_binary DEPENDS ${binary})
    add_dependencies(${target} ${target}_${name}_binary)
  endif()
endfunction()

# pixport's options for SIZE, TILES and TRANSPARENT; a sprite record unless TILES.
function(_pane_pixport_options caller var size tiles transparent)
  set(options "")
  if(tiles)
    if(NOT size MATCHES "^(32|16|8)$")
      message(FATAL_ERROR "${caller}: TILES needs SIZE 32, 16 or 8")
    endif()
    list(APPEND options --size ${size} --order tiles)
  elseif(NOT size)
    list(APPEND options --size picture)
  elseif(size MATCHES "^(32|16|8)$")
    list(APPEND options --size ${size}x${size})
  elseif(size MATCHES "^[0-9]+$")
    list(APPEND options --size ${size}x${size})
  elseif(size MATCHES "^[0-9]+x[0-9]+$")
    list(APPEND options --size ${size})
  else()
    message(FATAL_ERROR "${caller}: SIZE takes WxH or N, not \"${size}\"")
  endif()
  if(NOT transparent STREQUAL "")
    list(APPEND options --transparent ${transparent})
  endif()
  set(${var} ${options} PARENT_SCOPE)
endfunction()

# pixport's output for IMAGE with the options after it, as NAME.c and NAME.h on TARGET.
function(_pane_pixport_step caller target name image)
  _pane_tool(pixport pixport ${caller})
  _pane_outputs(${name} dir source header)
  add_custom_command(OUTPUT ${source} ${header}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${dir}
    COMMAND ${pixport_COMMAND} ${image} ${ARGN} --name ${name} --header ${header} -o ${source}
    DEPENDS ${pixport_DEPENDS} ${image}
    COMMENT "pixport: ${name}"
    VERBATIM)
  _pane_attach(${target} ${dir} ${source} ${header})
endfunction()

function(pane_add_picture target name image)
  cmake_parse_arguments(PARSE_ARGV 3 P "TILES" "SIZE;TRANSPARENT" "")
  _pane_check_name(pane_add_picture "${name}")
  if(P_UNPARSED_ARGUMENTS)
    message(FATAL_ERROR "pane_add_picture: unknown arguments ${P_UNPARSED_ARGUMENTS}")
  endif()
  get_filename_component(image "${image}" ABSOLUTE BASE_DIR ${CMAKE_CURRENT_SOURCE_DIR})
  _pane_pixport_options(pane_add_picture options "${P_SIZE}" "${P_TILES}" "${P_TRANSPARENT}")
  _pane_pixport_step(pane_add_picture ${target} ${name} ${image} ${options})
endfunction()

function(pane_add_sprite target name image)
  cmake_parse_arguments(PARSE_ARGV 3 S "COMPRESS" "SIZE;TRANSPARENT" "")
  _pane_check_name(pane_add_sprite "${name}")
  if(S_UNPARSED_ARGUMENTS)
    message(FATAL_ERROR "pane_add_sprite: unknown arguments ${S_UNPARSED_ARGUMENTS}")
  endif()
  get_filename_component(image "${image}" ABSOLUTE BASE_DIR ${CMAKE_CURRENT_SOURCE_DIR})
  _pane_pixport_options(pane_add_sprite options "${S_SIZE}" "" "${S_TRANSPARENT}")
  if(NOT S_COMPRESS)
    _pane_pixport_step(pane_add_sprite ${target} ${name} ${image} ${options})
  else()
    _pane_tool(pixport pixport pane_add_sprite)
    _pane_tool(palsqueeze palsqueeze pane_add_sprite)
    _pane_outputs(${name} dir source header)
    set(plain ${dir}/${name}.plain.txt)
    add_custom_command(OUTPUT ${source} ${header}
      COMMAND ${CMAKE_COMMAND} -E make_directory ${dir}
      COMMAND ${pixport_COMMAND} ${image} ${options} -o ${plain}
      COMMAND ${palsqueeze_COMMAND} ${plain} --name ${name} --header ${header} -o ${source}
      DEPENDS ${pixport_DEPENDS} ${palsqueeze_DEPENDS} ${image}
      BYPRODUCTS ${plain}
      COMMENT "pixport and palsqueeze: ${name}"
      VERBATIM)
    _pane_attach(${target} ${dir} ${source} ${header})
  endif()
endfunction()

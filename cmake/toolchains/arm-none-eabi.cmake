# Cross-compiles for the DS's ARM9 (ARM946E-S, ARMv5TE, little-endian) with an
# arm-none-eabi GCC: Debian's (gcc-arm-none-eabi, libnewlib-arm-none-eabi), or the one
# BlocksDS or devkitARM brings when it is not on the PATH.
#   cmake -S . -B build-ds --toolchain cmake/toolchains/arm-none-eabi.cmake
# picks a DS platform by itself: libnds when one is found, else the project's own
# runtime (PANE_PLATFORM=nds). PANE_DS_ARM=ON emits ARM code instead of Thumb.
# PANE_DS_SEMIHOSTING=ON links executables with newlib's semihosting runtime and runs
# them through qemu-arm (the library's tests, on the host platform).
set(CMAKE_SYSTEM_NAME Generic)
set(CMAKE_SYSTEM_PROCESSOR arm)

set(_pane_ds_compiler_dirs "")
foreach(_pane_dir "$ENV{WONDERFUL_TOOLCHAIN}/toolchain/gcc-arm-none-eabi/bin"
    /opt/wonderful/toolchain/gcc-arm-none-eabi/bin "$ENV{DEVKITARM}/bin" /opt/devkitpro/devkitARM/bin)
  if(EXISTS "${_pane_dir}")
    list(APPEND _pane_ds_compiler_dirs "${_pane_dir}")
  endif()
endforeach()
find_program(PANE_ARM_GCC arm-none-eabi-gcc HINTS ENV PATH PATHS ${_pane_ds_compiler_dirs})
find_program(PANE_ARM_GXX arm-none-eabi-g++ HINTS ENV PATH PATHS ${_pane_ds_compiler_dirs})
if(NOT PANE_ARM_GCC OR NOT PANE_ARM_GXX)
  message(FATAL_ERROR "arm-none-eabi-gcc not found: install gcc-arm-none-eabi, or put the "
    "toolchain of BlocksDS or devkitARM on the PATH")
endif()
set(CMAKE_C_COMPILER ${PANE_ARM_GCC})
set(CMAKE_CXX_COMPILER ${PANE_ARM_GXX})
set(CMAKE_ASM_COMPILER ${PANE_ARM_GCC})

# No DS executable links without a start-up runtime, so configure checks build archives.
set(CMAKE_TRY_COMPILE_TARGET_TYPE STATIC_LIBRARY)
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES PANE_DS_ARM PANE_DS_SEMIHOSTING)

set(PANE_DS_ARM OFF CACHE BOOL "Build ARM-mode code for the ARM9 instead of Thumb")
set(PANE_DS_SEMIHOSTING OFF CACHE BOOL "Link executables for qemu-arm with semihosting (tests)")

if(PANE_DS_ARM)
  set(_pane_ds_mode -marm)
else()
  set(_pane_ds_mode -mthumb)
endif()
set(_pane_ds_flags "-mcpu=arm946e-s ${_pane_ds_mode} -mthumb-interwork -ffunction-sections -fdata-sections")
set(CMAKE_C_FLAGS_INIT "${_pane_ds_flags}")
set(CMAKE_CXX_FLAGS_INIT "${_pane_ds_flags}")
# DS code has no exceptions and no RTTI. Test executables run on newlib's full C++
# runtime and may use both, like their host builds; the library and its platform
# keep them off in any case (pane_set_embedded_flags).
if(NOT PANE_DS_SEMIHOSTING)
  string(APPEND CMAKE_CXX_FLAGS_INIT " -fno-exceptions -fno-rtti")
endif()
set(CMAKE_ASM_FLAGS_INIT "${_pane_ds_flags}")
set(CMAKE_EXE_LINKER_FLAGS_INIT "-Wl,--gc-sections")

if(PANE_DS_SEMIHOSTING)
  string(APPEND CMAKE_EXE_LINKER_FLAGS_INIT " --specs=rdimon.specs")
  find_program(PANE_QEMU_ARM qemu-arm REQUIRED)
  # No binfmt here: every run of an ARM executable goes through the emulator.
  set(CMAKE_CROSSCOMPILING_EMULATOR ${PANE_QEMU_ARM} -cpu arm946)
endif()

# Headers, libraries and packages come from the toolchain's sysroot only, so no
# package of the host leaks into a DS build; programs come from the host. The
# prefixes a project names itself in CMAKE_PREFIX_PATH (the variable or the
# environment variable) hold DS installs too, such as libpane's own: each is a
# root of its own, which find_package(libpane) then searches.
set(CMAKE_FIND_ROOT_PATH /usr/lib/arm-none-eabi)
set(_pane_prefixes "$ENV{CMAKE_PREFIX_PATH}")
string(REPLACE ":" ";" _pane_prefixes "${_pane_prefixes}")
foreach(_pane_prefix IN LISTS CMAKE_PREFIX_PATH _pane_prefixes)
  if(NOT _pane_prefix STREQUAL "")
    list(APPEND CMAKE_FIND_ROOT_PATH "${_pane_prefix}")
  endif()
endforeach()
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

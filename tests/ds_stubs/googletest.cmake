# GoogleTest for the ARM9 test build (qemu-arm, newlib's semihosting): compiled without
# threads from the sources Debian's libgtest-dev ships, plus what the semihosted runtime
# lacks. Provides GTest::gtest and GTest::gtest_main like find_package(GTest).
set(PANE_GTEST_SOURCE_DIR /usr/src/googletest/googletest CACHE PATH "GoogleTest sources")
if(NOT EXISTS ${PANE_GTEST_SOURCE_DIR}/CMakeLists.txt)
  message(FATAL_ERROR "GoogleTest sources not found in ${PANE_GTEST_SOURCE_DIR} (install libgtest-dev)")
endif()

set(gtest_disable_pthreads ON CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
set(gtest_force_shared_crt OFF CACHE BOOL "" FORCE)
add_subdirectory(${PANE_GTEST_SOURCE_DIR} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)

# Third-party code: its own warning flags are dropped (-w), its threads are off, and
# -O1 is plenty for a test framework.
# Under -std=c++17 newlib hides the POSIX names GoogleTest's headers use (fileno, fdopen,
# strdup, mkdir) unless _DEFAULT_SOURCE is set, so every user of the headers gets it too;
# GoogleTest's sources also need a PATH_MAX, which newlib does not define.
foreach(lib gtest gtest_main)
  set_target_properties(${lib} PROPERTIES COMPILE_FLAGS "-w -O1 -DGTEST_HAS_PTHREAD=0")
  target_compile_definitions(${lib} PRIVATE PATH_MAX=1024)
endforeach()
target_compile_definitions(gtest PUBLIC _DEFAULT_SOURCE)

# System calls newlib's semihosting runtime does not provide, the environment that
# ctest cannot hand through the emulator, and an operator new that a test's malloc
# wrapper does not see, as on the host (both forced in ahead of the C++ runtime).
add_library(pane_newlib_stubs STATIC ${CMAKE_CURRENT_LIST_DIR}/newlib_stubs.c
  ${CMAKE_CURRENT_LIST_DIR}/test_environment.c ${CMAKE_CURRENT_LIST_DIR}/test_operator_new.cpp)
target_compile_definitions(pane_newlib_stubs PRIVATE PANE_TEST_SOURCE_DIR="${PROJECT_SOURCE_DIR}")
target_link_libraries(gtest PUBLIC pane_newlib_stubs)
target_link_options(gtest INTERFACE "LINKER:--undefined=pane_test_environment"
  "LINKER:--undefined=_Znwj")

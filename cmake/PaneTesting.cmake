# One helper registers every test executable:
#   pane_add_test(NAME glyphcore_tests SOURCES a_test.cpp b_test.cpp LIBS pane)
# Each executable links GoogleTest's main and is discovered test by test.
# A cross build (the ARM9 under qemu-arm) compiles GoogleTest from its sources.
if(CMAKE_CROSSCOMPILING)
  include(${PROJECT_SOURCE_DIR}/tests/ds_stubs/googletest.cmake)
else()
  find_package(GTest REQUIRED)
endif()
include(GoogleTest)

function(pane_add_test)
  cmake_parse_arguments(T "" "NAME;ENV" "SOURCES;LIBS" ${ARGN})
  add_executable(${T_NAME} ${T_SOURCES})
  target_link_libraries(${T_NAME} PRIVATE ${T_LIBS} GTest::gtest GTest::gtest_main)
  pane_set_warnings(${T_NAME})
  if(CMAKE_CROSSCOMPILING)
    # Test code at -O1 halves its ARM compile time; the library keeps its own flags.
    target_compile_options(${T_NAME} PRIVATE -O1)
  endif()
  # Test discovery splits list-valued properties, so the source folder goes in
  # ENVIRONMENT and the one optional ENV entry (NAME=VALUE) in ENVIRONMENT_MODIFICATION.
  set(extra "")
  if(T_ENV)
    string(REPLACE "=" "=set:" modification "${T_ENV}")
    set(extra ENVIRONMENT_MODIFICATION "${modification}")
  endif()
  gtest_discover_tests(${T_NAME}
    WORKING_DIRECTORY ${CMAKE_CURRENT_SOURCE_DIR}
    PROPERTIES ENVIRONMENT "PANE_SOURCE_DIR=${PROJECT_SOURCE_DIR}" ${extra}
    DISCOVERY_TIMEOUT 60)
endfunction()

# Script run by ctest: cmake --install into WORK_DIR/prefix, then configure,
# build and run the consumer project against that prefix only.
# Optional: -DCONSUMER_PROGRAM=name (default consumer), the program to run, and
# -DINSTALLED_PROGRAMS=a,b,c, executables that must be installed in prefix/bin,
# -DMAKE_CONSUMER=dir, a project built with make against the installed Makefile fragment.
# -DC_FLAGS, -DCXX_FLAGS, -DLINKER_FLAGS: the build tree's flags, given to the
# consumer too (a sanitizer build's library needs its runtime in the program).
foreach(var BUILD_DIR CONSUMER_SOURCE WORK_DIR GENERATOR C_COMPILER CXX_COMPILER)
  if(NOT DEFINED ${var})
    message(FATAL_ERROR "install_check.cmake needs -D${var}=...")
  endif()
endforeach()

if(NOT DEFINED CONSUMER_PROGRAM)
  set(CONSUMER_PROGRAM consumer)
endif()

set(prefix ${WORK_DIR}/prefix)
set(consumer_build ${WORK_DIR}/consumer-build)
file(REMOVE_RECURSE ${WORK_DIR})
file(MAKE_DIRECTORY ${WORK_DIR})

function(run step)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "${step} failed (${rc}):\n${out}\n${err}")
  endif()
  message(STATUS "${step}: ok")
endfunction()

file(GLOB stale_archives ${BUILD_DIR}/libpane-*.tar.gz)
if(stale_archives)
  file(REMOVE ${stale_archives})
endif()
run("install" ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${prefix})
# Every install carries the licence; a host build's install also writes the source
# archive the package recipes build from.
file(GLOB source_archives ${BUILD_DIR}/libpane-*.tar.gz)
if(NOT EXISTS ${prefix}/share/doc/libpane/LICENSE OR NOT source_archives)
  message(FATAL_ERROR "install did not put LICENSE into ${prefix}/share/doc/libpane, or wrote no "
    "libpane-<version>.tar.gz into ${BUILD_DIR}")
endif()
if(INSTALLED_PROGRAMS)
  string(REPLACE "," ";" programs "${INSTALLED_PROGRAMS}")
  foreach(program ${programs})
    if(NOT EXISTS ${prefix}/bin/${program})
      message(FATAL_ERROR "install did not put ${program} into ${prefix}/bin")
    endif()
  endforeach()
  message(STATUS "installed programs: ${INSTALLED_PROGRAMS}")
endif()
run("configure consumer" ${CMAKE_COMMAND} -S ${CONSUMER_SOURCE} -B ${consumer_build}
    -G ${GENERATOR} -DCMAKE_C_COMPILER=${C_COMPILER} -DCMAKE_CXX_COMPILER=${CXX_COMPILER}
    "-DCMAKE_C_FLAGS=${C_FLAGS}" "-DCMAKE_CXX_FLAGS=${CXX_FLAGS}"
    "-DCMAKE_EXE_LINKER_FLAGS=${LINKER_FLAGS}"
    -DCMAKE_PREFIX_PATH=${prefix} -DCMAKE_FIND_USE_PACKAGE_REGISTRY=OFF)
run("build consumer" ${CMAKE_COMMAND} --build ${consumer_build} -j2)
run("run consumer" ${consumer_build}/${CONSUMER_PROGRAM})

if(MAKE_CONSUMER)
  find_program(MAKE_PROGRAM make REQUIRED)
  run("make consumer" ${MAKE_PROGRAM} -C ${MAKE_CONSUMER} PANE_PREFIX=${prefix}
      BUILD=${WORK_DIR}/make-build CC=${C_COMPILER})
  run("run make consumer" ${WORK_DIR}/make-build/consumer_make)
  # A header deleted on its own is made again.
  file(GLOB headers ${WORK_DIR}/make-build/assets/*.h)
  file(REMOVE ${headers})
  run("make consumer without its headers" ${MAKE_PROGRAM} -C ${MAKE_CONSUMER} PANE_PREFIX=${prefix}
      BUILD=${WORK_DIR}/make-build CC=${C_COMPILER})
  foreach(header ${headers})
    if(NOT EXISTS ${header})
      message(FATAL_ERROR "make did not make the deleted ${header} again")
    endif()
  endforeach()
endif()

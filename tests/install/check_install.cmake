# cmake -DBUILD=... -DPREFIX=... -DVERSION=... -P check_install.cmake
file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD} --prefix ${PREFIX} RESULT_VARIABLE status OUTPUT_QUIET)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "cmake --install failed: ${status}")
endif()

set(expected share/applications/rozeva.desktop share/icons/hicolor/scalable/apps/rozeva.svg
    share/doc/rozeva/README.md)
foreach(program rozeva rozeva-demo rozeva-check rozeva-proof rozeva-headless)
  list(APPEND expected bin/${program} share/man/man1/${program}.1)
endforeach()
foreach(file ${expected})
  if(NOT EXISTS ${PREFIX}/${file})
    message(FATAL_ERROR "not installed: ${file}")
  endif()
endforeach()

execute_process(COMMAND ${PREFIX}/bin/rozeva --version OUTPUT_VARIABLE version RESULT_VARIABLE status)
if(NOT status EQUAL 0 OR NOT version STREQUAL "rozeva ${VERSION}\n")
  message(FATAL_ERROR "the installed rozeva --version gave ${status}: ${version}")
endif()

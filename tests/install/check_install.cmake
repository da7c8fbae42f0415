# Installs the build BUILD_DIR into PREFIX (emptied first) and checks the installed tree: the
# program, its manual page and its documents, and that the installed program runs and names
# VERSION, as the manual page does.
file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${PREFIX}
                RESULT_VARIABLE status OUTPUT_QUIET)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "cmake --install failed: ${status}")
endif()

foreach(file bin/hurricane-escape share/man/man1/hurricane-escape.1
             share/doc/hurricane-escape/README.md share/doc/hurricane-escape/advice.schema.json
             share/hurricane-escape/shoreline.bin)
  if(NOT EXISTS ${PREFIX}/${file})
    message(SEND_ERROR "not installed: ${file}")
  endif()
endforeach()
file(GLOB_RECURSE installed RELATIVE ${PREFIX} ${PREFIX}/*)
list(LENGTH installed count)
if(NOT count EQUAL 5)
  message(SEND_ERROR "installed ${count} files, expected 5: ${installed}")
endif()

execute_process(COMMAND ${PREFIX}/bin/hurricane-escape --version OUTPUT_VARIABLE version_line
                RESULT_VARIABLE status)
if(NOT status EQUAL 0 OR NOT version_line STREQUAL "hurricane-escape ${VERSION}\n")
  message(SEND_ERROR "installed --version: status ${status}, printed '${version_line}'")
endif()
file(STRINGS ${PREFIX}/share/man/man1/hurricane-escape.1 title REGEX "^\\.TH ")
if(NOT title MATCHES "\"hurricane-escape ${VERSION}\"")
  message(SEND_ERROR "the manual page names another version: ${title}")
endif()

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

# The installed program finds its shoreline beside it, wherever the tree was put: a ship in
# central Cuba is refused.
execute_process(COMMAND ${PREFIX}/bin/hurricane-escape advise --ship 22.0N,79.5W --storm 21N,77W
                        --track 300 --speed 12 --keep 150 --ship-speed 12
                RESULT_VARIABLE status ERROR_VARIABLE refusal OUTPUT_QUIET)
if(NOT status EQUAL 1 OR NOT refusal MATCHES "position 22[^ ]+00.0'N 079[^ ]+30.0'W is on land")
  message(SEND_ERROR "installed program and land: status ${status}, said '${refusal}'")
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

# Runs PROGRAM on INPUT with and without --svg-dir and checks that
#   1. standard output and exit status are the same, byte for byte;
#   2. there is one round-NNN.svg per round, each well-formed (XMLLINT);
#   3. a picture that cannot be written (its name taken by a directory) ends the session
#      with status 1 and a diagnostic.
file(REMOVE_RECURSE ${WORKDIR})
file(MAKE_DIRECTORY ${WORKDIR})

execute_process(COMMAND ${PROGRAM} INPUT_FILE ${INPUT} OUTPUT_FILE ${WORKDIR}/plain.out
                RESULT_VARIABLE plain_status TIMEOUT 60)
execute_process(COMMAND ${PROGRAM} --svg-dir ${WORKDIR}/pictures
                INPUT_FILE ${INPUT} OUTPUT_FILE ${WORKDIR}/pictures.out
                ERROR_VARIABLE pictures_err RESULT_VARIABLE pictures_status TIMEOUT 60)
if(NOT plain_status STREQUAL "0" OR NOT pictures_status STREQUAL "0")
  message(SEND_ERROR "exit status ${pictures_status} with --svg-dir, ${plain_status} without: "
                     "${pictures_err}")
endif()
execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${WORKDIR}/plain.out
                        ${WORKDIR}/pictures.out RESULT_VARIABLE differs)
if(differs)
  message(SEND_ERROR "--svg-dir changed the console output")
endif()

# One picture per round: the input's rounds are counted by its restart prompts.
file(READ ${WORKDIR}/plain.out transcript)
string(REGEX MATCHALL "hit RETURN to restart" restarts "${transcript}")
list(LENGTH restarts rounds)
file(GLOB pictures RELATIVE ${WORKDIR}/pictures ${WORKDIR}/pictures/*)
list(SORT pictures)
set(expected "")
foreach(k RANGE 1 ${rounds})
  string(LENGTH "${k}" digits)
  math(EXPR pad "3 - ${digits}")
  string(REPEAT "0" ${pad} zeros)
  list(APPEND expected "round-${zeros}${k}.svg")
endforeach()
if(rounds EQUAL 0 OR NOT "${pictures}" STREQUAL "${expected}")
  message(SEND_ERROR "pictures ${pictures}, expected ${expected}")
endif()
foreach(picture IN LISTS pictures)
  execute_process(COMMAND ${XMLLINT} --noout --nonet ${WORKDIR}/pictures/${picture}
                  RESULT_VARIABLE bad ERROR_VARIABLE why)
  if(bad)
    message(SEND_ERROR "${picture} is not well-formed XML: ${why}")
  endif()
endforeach()

# The second round's picture cannot be written: status 1, a diagnostic naming it, and the
# first round's picture still whole.
file(MAKE_DIRECTORY ${WORKDIR}/blocked/round-002.svg)
execute_process(COMMAND ${PROGRAM} --svg-dir ${WORKDIR}/blocked
                INPUT_FILE ${INPUT} OUTPUT_QUIET
                ERROR_VARIABLE blocked_err RESULT_VARIABLE blocked_status TIMEOUT 60)
if(NOT blocked_status STREQUAL "1" OR NOT blocked_err MATCHES "^hurricane-escape: cannot write .*round-002.svg")
  message(SEND_ERROR "unwritable picture: status ${blocked_status}, diagnostic '${blocked_err}'")
endif()
execute_process(COMMAND ${XMLLINT} --noout --nonet ${WORKDIR}/blocked/round-001.svg
                RESULT_VARIABLE bad)
if(bad OR EXISTS ${WORKDIR}/blocked/round-002.svg.part)
  message(SEND_ERROR "the pictures before the failure are not whole, or a part file is left")
endif()

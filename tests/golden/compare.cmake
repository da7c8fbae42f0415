# Runs PROGRAM with INPUT as standard input and checks, byte for byte, that its
# standard output equals the .out file beside INPUT and that its exit status is
# the one in the .status file (0 when there is none). A session that fails must
# also say why on standard error.
get_filename_component(dir ${INPUT} DIRECTORY)
get_filename_component(name ${INPUT} NAME_WE)
set(expected_out ${dir}/${name}.out)
set(expected_status 0)
if(EXISTS ${dir}/${name}.status)
  file(READ ${dir}/${name}.status expected_status)
  string(STRIP "${expected_status}" expected_status)
endif()

file(MAKE_DIRECTORY ${WORKDIR})
set(actual_out ${WORKDIR}/${name}.actual)
execute_process(COMMAND ${PROGRAM}
                INPUT_FILE ${INPUT}
                OUTPUT_FILE ${actual_out}
                ERROR_VARIABLE actual_err
                RESULT_VARIABLE actual_status
                TIMEOUT 60)

set(failed FALSE)
if(NOT "${actual_status}" STREQUAL "${expected_status}")
  message(SEND_ERROR "exit status ${actual_status}, expected ${expected_status}")
  set(failed TRUE)
endif()
if(NOT expected_status STREQUAL "0" AND "${actual_err}" STREQUAL "")
  message(SEND_ERROR "the session failed without a diagnostic on standard error")
endif()
execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${actual_out} ${expected_out}
                RESULT_VARIABLE differs)
if(differs)
  execute_process(COMMAND diff ${expected_out} ${actual_out} OUTPUT_VARIABLE delta)
  message(SEND_ERROR "standard output differs from ${expected_out}:\n${delta}")
endif()

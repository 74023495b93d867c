# Converts SOURCE (copied under the name AS), compiles the generated C array
# file with a strict C compiler, and checks that the array holds exactly the
# binary file's bytes. With SDCC set, the file must also compile for the
# 8051 in the large memory model, as firmware builds it.
include("${CMAKE_CURRENT_LIST_DIR}/run_wfpack.cmake")
wfpack_convert("${SOURCE}" "${AS}")

string(REGEX REPLACE "\\.[^/]*$" "" base "${AS}")
set(array_file "${WORK_DIR}/${base}_dat.c")
set(binary_file "${WORK_DIR}/${base}_dat.bin")

function(run_or_fail)
  execute_process(COMMAND ${ARGN} WORKING_DIRECTORY "${WORK_DIR}"
    RESULT_VARIABLE status OUTPUT_VARIABLE output ERROR_VARIABLE output)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "${ARGN}\nexited ${status}:\n${output}")
  endif()
endfunction()

if(SDCC)
  run_or_fail("${SDCC}" -mmcs51 --model-large -c "${array_file}"
    -o "${WORK_DIR}/")
  return()
endif()

set(strict -std=c99 -pedantic -Wall -Wextra -Werror)
run_or_fail("${CC}" ${strict} -c "${array_file}" -o "${WORK_DIR}/array.o")
run_or_fail("${CC}" ${strict} -include "${array_file}"
  "-DWFPACK_ARRAY=${ARRAY}" "${CHECKER}" -o "${WORK_DIR}/array_check")
run_or_fail("${WORK_DIR}/array_check" "${binary_file}")

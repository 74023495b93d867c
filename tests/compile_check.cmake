# Converts SOURCE (copied under the name AS), compiles the generated C array
# file with a strict C compiler, and checks that the array holds exactly the
# binary file's bytes. With SDCC set, the file must also compile for the
# 8051 in the large memory model, as firmware builds it. With STORAGE, the
# array is declared so, and header_check.c, which includes the header too,
# must compile, and run on the host.
include("${CMAKE_CURRENT_LIST_DIR}/run_wfpack.cmake")
if(STORAGE)
  set(WFPACK_OPTIONS --header "--storage=${STORAGE}")
  set(header_check "${CMAKE_CURRENT_LIST_DIR}/header_check.c")
endif()
wfpack_convert("${SOURCE}" "${AS}")

string(REGEX REPLACE "\\.[^/]*$" "" base "${AS}")
set(array_file "${WORK_DIR}/${base}_dat.c")
set(binary_file "${WORK_DIR}/${base}_dat.bin")
file(STRINGS "${array_file}" lines LIMIT_COUNT 2)
string(REPLACE "u8 const " "const u8 " declared "u8 ${STORAGE} ")
if(STORAGE AND NOT lines MATCHES ";${declared}")
  message(FATAL_ERROR "${array_file} does not declare ${declared}")
endif()

function(run_or_fail)
  execute_process(COMMAND ${ARGN} WORKING_DIRECTORY "${WORK_DIR}"
    RESULT_VARIABLE status OUTPUT_VARIABLE output ERROR_VARIABLE output)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "${ARGN}\nexited ${status}:\n${output}")
  endif()
endfunction()

if(SDCC)
  # Keil's words for the memories, which sdcc 4 knows only as __code and
  # __xdata.
  foreach(file "${array_file}" ${header_check})
    run_or_fail("${SDCC}" -mmcs51 --model-large -Dcode=__code -Dxdata=__xdata
      "-I${WORK_DIR}" -c "${file}" -o "${WORK_DIR}/")
  endforeach()
  return()
endif()

# On the host the 8051's memories mean nothing: their words are defined
# away, as firmware tested on a host does.
set(strict -std=c99 -pedantic -Wall -Wextra -Werror
  -D__code= -Dcode= -D__xdata= -Dxdata=)
run_or_fail("${CC}" ${strict} -c "${array_file}" -o "${WORK_DIR}/array.o")
run_or_fail("${CC}" ${strict} -include "${array_file}"
  "-DWFPACK_ARRAY=${ARRAY}" "${CHECKER}" -o "${WORK_DIR}/array_check")
run_or_fail("${WORK_DIR}/array_check" "${binary_file}")
if(STORAGE)
  run_or_fail("${CC}" ${strict} "-I${WORK_DIR}" "${header_check}"
    -o "${WORK_DIR}/header_check")
  run_or_fail("${WORK_DIR}/header_check")
endif()

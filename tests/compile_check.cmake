# Converts SOURCE (copied under the name AS), compiles the generated C array
# file with a strict C compiler, and checks that the array holds exactly the
# binary file's bytes. With SDCC set, the file must also compile for the
# 8051 in the large memory model, as firmware builds it. With STORAGE, the
# array is declared so, and header_check.c, which includes the header too,
# must compile, and run on the host. Without, the loader is written too,
# which sdcc must compile and the host's compiler refuse.
include("${CMAKE_CURRENT_LIST_DIR}/run_wfpack.cmake")
string(REGEX REPLACE "\\.[^/]*$" "" base "${AS}")
if(STORAGE)
  set(WFPACK_OPTIONS --header "--storage=${STORAGE}")
  set(header_check "${CMAKE_CURRENT_LIST_DIR}/header_check.c")
else()
  set(WFPACK_OPTIONS --loader)
  set(loader "${WORK_DIR}/${base}_load.c")
endif()
wfpack_convert("${SOURCE}" "${AS}")

set(array_file "${WORK_DIR}/${base}_dat.c")
set(binary_file "${WORK_DIR}/${base}_dat.bin")
file(STRINGS "${array_file}" lines LIMIT_COUNT 2)
string(REPLACE "u8 const " "const u8 " declared "u8 ${STORAGE} ")
if(STORAGE AND NOT lines MATCHES ";${declared}")
  message(FATAL_ERROR "${array_file} does not declare ${declared}")
endif()

if(SDCC)
  # Keil's words for the memories, which sdcc 4 knows only as __code and
  # __xdata.
  foreach(file "${array_file}" ${header_check} ${loader})
    wfpack_run("${SDCC}" -mmcs51 --model-large -Dcode=__code -Dxdata=__xdata
      "-I${WORK_DIR}" -c "${file}" -o "${WORK_DIR}/")
  endforeach()
  return()
endif()

# On the host the 8051's memories mean nothing: their words are defined
# away, as firmware tested on a host does.
set(strict -std=c99 -pedantic -Wall -Wextra -Werror
  -D__code= -Dcode= -D__xdata= -Dxdata=)
wfpack_run("${CC}" ${strict} -c "${array_file}" -o "${WORK_DIR}/array.o")
wfpack_run("${CC}" ${strict} -include "${array_file}"
  "-DWFPACK_ARRAY=${ARRAY}" "${CHECKER}" -o "${WORK_DIR}/array_check")
wfpack_run("${WORK_DIR}/array_check" "${binary_file}")
if(STORAGE)
  wfpack_run("${CC}" ${strict} "-I${WORK_DIR}" "${header_check}"
    -o "${WORK_DIR}/header_check")
  wfpack_run("${WORK_DIR}/header_check")
else()
  execute_process(COMMAND "${CC}" -c "${loader}" -o "${WORK_DIR}/load.o"
    RESULT_VARIABLE status ERROR_VARIABLE output)
  if(status EQUAL 0 OR NOT output MATCHES "sdcc \\(-mmcs51\\) and Keil C51")
    message(FATAL_ERROR "${CC} compiled ${loader}:\n${output}")
  endif()
endif()

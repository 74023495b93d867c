# Converts the bundled example and compares both outputs byte for byte with
# the checked-in expected files.
include("${CMAKE_CURRENT_LIST_DIR}/run_wfpack.cmake")
wfpack_convert("${SOURCE}" "gpif.c")
foreach(output gpif_dat.c gpif_dat.bin)
  execute_process(COMMAND "${CMAKE_COMMAND}" -E compare_files
    "${WORK_DIR}/${output}" "${GOLDEN_DIR}/${output}"
    RESULT_VARIABLE differs)
  if(differs)
    message(FATAL_ERROR "${output} differs from ${GOLDEN_DIR}/${output}")
  endif()
endforeach()

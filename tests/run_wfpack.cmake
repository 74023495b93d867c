# Shared by the end-to-end scripts: copies SOURCE into a fresh WORK_DIR under
# the name AS, runs WFPACK on it from there (through EMULATOR, when a cross
# build needs one, with WFPACK_OPTIONS) and fails unless it exits 0.
function(wfpack_convert source as)
  file(REMOVE_RECURSE "${WORK_DIR}")
  get_filename_component(target_dir "${WORK_DIR}/${as}" DIRECTORY)
  file(MAKE_DIRECTORY "${target_dir}")
  configure_file("${source}" "${WORK_DIR}/${as}" COPYONLY)
  execute_process(COMMAND ${EMULATOR} "${WFPACK}" ${WFPACK_OPTIONS} "${as}"
    WORKING_DIRECTORY "${WORK_DIR}"
    RESULT_VARIABLE status OUTPUT_VARIABLE output)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "wfpack ${as} exited ${status}:\n${output}")
  endif()
endfunction()

# Fails unless both outputs in WORK_DIR equal the expected files in
# GOLDEN_DIR byte for byte.
function(wfpack_expect_golden)
  foreach(output gpif_dat.c gpif_dat.bin)
    execute_process(COMMAND "${CMAKE_COMMAND}" -E compare_files
      "${WORK_DIR}/${output}" "${GOLDEN_DIR}/${output}"
      RESULT_VARIABLE differs)
    if(differs)
      message(FATAL_ERROR "${output} differs from ${GOLDEN_DIR}/${output}")
    endif()
  endforeach()
endfunction()

# Runs a command in WORK_DIR and fails unless it exits 0; run_output is what
# it printed.
function(wfpack_run)
  execute_process(COMMAND ${ARGN} WORKING_DIRECTORY "${WORK_DIR}"
    RESULT_VARIABLE status OUTPUT_VARIABLE output ERROR_VARIABLE output)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "${ARGN}\nexited ${status}:\n${output}")
  endif()
  set(run_output "${output}" PARENT_SCOPE)
endfunction()

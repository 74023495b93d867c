# Shared by the end-to-end scripts: copies SOURCE into a fresh WORK_DIR under
# the name AS, runs WFPACK on it from there and fails unless it exits 0.
function(wfpack_convert source as)
  file(REMOVE_RECURSE "${WORK_DIR}")
  get_filename_component(target_dir "${WORK_DIR}/${as}" DIRECTORY)
  file(MAKE_DIRECTORY "${target_dir}")
  configure_file("${source}" "${WORK_DIR}/${as}" COPYONLY)
  execute_process(COMMAND "${WFPACK}" "${as}"
    WORKING_DIRECTORY "${WORK_DIR}"
    RESULT_VARIABLE status OUTPUT_VARIABLE output)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "wfpack ${as} exited ${status}:\n${output}")
  endif()
endfunction()

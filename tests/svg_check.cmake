# Runs wfpack --show=svg on each of SOURCES and checks that the document is
# well-formed XML (XMLLINT) and renders (RSVG_CONVERT), as a design review
# or a wiki would show it.
file(REMOVE_RECURSE "${WORK_DIR}")
file(MAKE_DIRECTORY "${WORK_DIR}")
foreach(source IN LISTS SOURCES)
  get_filename_component(name "${source}" NAME_WE)
  set(svg "${WORK_DIR}/${name}.svg")
  execute_process(COMMAND ${EMULATOR} "${WFPACK}" --show=svg "${source}"
    RESULT_VARIABLE status OUTPUT_FILE "${svg}" ERROR_QUIET)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "wfpack --show=svg ${source} exited ${status}")
  endif()
  execute_process(COMMAND "${XMLLINT}" --noout "${svg}"
    RESULT_VARIABLE status ERROR_VARIABLE errors)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "${svg} is not well-formed:\n${errors}")
  endif()
  execute_process(COMMAND "${RSVG_CONVERT}" -o "${WORK_DIR}/${name}.png"
    "${svg}" RESULT_VARIABLE status ERROR_VARIABLE errors)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "${svg} does not render:\n${errors}")
  endif()
endforeach()

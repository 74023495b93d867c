# Installs into a scratch prefix and converts the example with the installed
# binary, as a user who ran "cmake --install" would.
file(REMOVE_RECURSE "${PREFIX}")
execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD_DIR}"
  --prefix "${PREFIX}"
  RESULT_VARIABLE status OUTPUT_VARIABLE output ERROR_VARIABLE output)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "install failed:\n${output}")
endif()

set(man_page "${PREFIX}/${MANDIR}/man1/wfpack.1")
if(NOT EXISTS "${man_page}")
  message(FATAL_ERROR "no man page at ${man_page}")
endif()
file(READ "${man_page}" page)
if(NOT page MATCHES "\\.TH WFPACK 1")
  message(FATAL_ERROR "${man_page} is not the wfpack man page")
endif()

set(WFPACK "${PREFIX}/${BINDIR}/wfpack${EXECUTABLE_SUFFIX}")
include("${CMAKE_CURRENT_LIST_DIR}/run_wfpack.cmake")
wfpack_convert("${SOURCE}" "gpif.c")
wfpack_expect_golden()

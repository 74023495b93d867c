# Converts the bundled example and compares both outputs byte for byte with
# the checked-in expected files.
include("${CMAKE_CURRENT_LIST_DIR}/run_wfpack.cmake")
wfpack_convert("${SOURCE}" "gpif.c")
wfpack_expect_golden()

# Runs the Makefile that the README shows for firmware builds on a scratch
# copy of the example: the first make packs the source once, even in a
# parallel build; a second make has nothing to do; after gpif.c is touched,
# make rebuilds both outputs with one wfpack run. Without SDCC only the two
# outputs are asked for.
cmake_policy(VERSION 3.25)
include("${CMAKE_CURRENT_LIST_DIR}/../build_steps.cmake")
include("${CMAKE_CURRENT_LIST_DIR}/../run_wfpack.cmake")
unset(ENV{MAKEFLAGS})
unset(ENV{MFLAGS})

execute_process(COMMAND "${MAKE}" --version OUTPUT_VARIABLE version)
if(NOT version MATCHES "^GNU Make ([0-9]+\\.[0-9]+)")
  message("wfpack-test-skipped: ${MAKE} is not GNU Make")
  return()
endif()
if(CMAKE_MATCH_1 VERSION_LESS 4.3)
  message("wfpack-test-skipped: GNU Make ${CMAKE_MATCH_1} has no grouped "
    "targets, which need 4.3")
  return()
endif()

file(READ "${README}" readme)
if(NOT readme MATCHES "\n```make\n(.*)\n```\n")
  message(FATAL_ERROR "${README} shows no Makefile")
endif()
# The first fenced block ends at the first closing fence.
string(FIND "${CMAKE_MATCH_1}" "\n```" end)
string(SUBSTRING "${CMAKE_MATCH_1}" 0 ${end} makefile)

file(REMOVE_RECURSE "${WORK_DIR}")
file(WRITE "${WORK_DIR}/Makefile" "${makefile}\n")
configure_file("${SOURCE}" "${WORK_DIR}/gpif.c" COPYONLY)

set(make "${MAKE}" "WFPACK=${WFPACK}")
set(outputs build/gpif_dat.c build/gpif_dat.bin)
if(SDCC)
  list(APPEND make "SDCC=${SDCC}")
  set(goals all)
  set(rebuilt ${outputs} build/gpif_dat.rel)
else()
  set(goals ${outputs})
  set(rebuilt ${outputs})
endif()
# wfpack runs quietly: make's echo of its command marks each run.
set(run_line " -q -o build gpif\\.c$")

function(expect_nothing_done output what)
  wfpack_lines(lines "${output}")
  set(idle "(Nothing to be done for|'[^']*' is up to date)")
  list(FILTER lines EXCLUDE REGEX "^$|^[^ ]*make(\\[[0-9]+\\])?: ${idle}")
  if(lines)
    message(FATAL_ERROR "${what} did work:\n${lines}")
  endif()
endfunction()

function(expect_one_run output what)
  wfpack_count_lines(runs "${output}" "${run_line}")
  if(NOT runs EQUAL 1)
    message(FATAL_ERROR "${what} ran wfpack ${runs} times, not once")
  endif()
endfunction()

wfpack_step("first make" output "${WORK_DIR}" ${make} -j2 ${goals})
expect_one_run("${output}" "the first make")
function(expect_golden_in WORK_DIR)
  wfpack_expect_golden()
endfunction()
expect_golden_in("${WORK_DIR}/build")
foreach(file IN LISTS rebuilt)
  if(NOT EXISTS "${WORK_DIR}/${file}")
    message(FATAL_ERROR "make did not write ${file}")
  endif()
endforeach()

wfpack_step("second make" output "${WORK_DIR}" ${make} ${goals})
expect_nothing_done("${output}" "a second make")

foreach(file IN LISTS rebuilt)
  file(TIMESTAMP "${WORK_DIR}/${file}" before_${file} "%s" UTC)
endforeach()
wfpack_wait_past_files("${WORK_DIR}")
file(TOUCH "${WORK_DIR}/gpif.c")
wfpack_step("make after touching gpif.c" output "${WORK_DIR}" ${make} -j2
  ${goals})
expect_one_run("${output}" "make after touching gpif.c")
foreach(file IN LISTS rebuilt)
  wfpack_expect_newer("${WORK_DIR}/${file}" ${before_${file}})
endforeach()

wfpack_step("make once more" output "${WORK_DIR}" ${make} ${goals})
expect_nothing_done("${output}" "make after the rebuild")

file(GLOB sources RELATIVE "${WORK_DIR}" "${WORK_DIR}/*")
list(SORT sources)
if(NOT sources STREQUAL "Makefile;build;gpif.c")
  message(FATAL_ERROR "make wrote beside the source: ${sources}")
endif()

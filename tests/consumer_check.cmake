# Builds the firmware-like project in CONSUMER_DIR against wfpack, either
# installed from BUILD_DIR into a scratch prefix and found with
# find_package(), or, with FROM_SOURCE set, built from wfpack's source folder
# within the project. Checks the generated images, then that a second build
# does nothing, and that touching the GPIF source reruns wfpack and only the
# steps that depend on its outputs.
cmake_policy(VERSION 3.25)
include("${CMAKE_CURRENT_LIST_DIR}/build_steps.cmake")
# A make started by a make must not take the outer one's flags.
unset(ENV{MAKEFLAGS})
unset(ENV{MFLAGS})

file(REMOVE_RECURSE "${WORK_DIR}")
set(source "${WORK_DIR}/source")
set(build "${WORK_DIR}/build")
set(prefix "${WORK_DIR}/prefix")

file(COPY "${CONSUMER_DIR}/" DESTINATION "${source}")
configure_file("${EXAMPLE}" "${source}/gpif.c" COPYONLY)
configure_file("${BANKS_SOURCE}" "${source}/boards/all.banks.c" COPYONLY)
file(GLOB_RECURSE source_files_before RELATIVE "${source}" "${source}/*")

set(configure "${CMAKE_COMMAND}" -S "${source}" -B "${build}"
  -G "Unix Makefiles" "-DCMAKE_C_COMPILER=${CC}"
  -DCMAKE_FIND_USE_PACKAGE_REGISTRY=OFF)
if(SDCC)
  list(APPEND configure "-DSDCC=${SDCC}")
endif()
if(FROM_SOURCE)
  list(APPEND configure "-DWFPACK_FROM_SOURCE=${FROM_SOURCE}")
else()
  wfpack_step("install" ignored "${WORK_DIR}"
    "${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix "${prefix}")
  list(APPEND configure "-DCMAKE_PREFIX_PATH=${prefix}")
endif()
wfpack_step("configure" output "${WORK_DIR}" ${configure})
string(FIND "${output}" "wfpack 1.0 found in ${prefix}/" found)
if(NOT FROM_SOURCE AND found EQUAL -1)
  message(FATAL_ERROR "the consumer did not find wfpack in ${prefix}")
endif()

set(build_command "${CMAKE_COMMAND}" --build "${build}" --parallel 2)
# wfpack runs quietly: make's line for its step marks each run.
set(run_line "^wfpack: packing ")
set(gpif "${build}/gpif")

# The lines with which a build step reports work done.
function(actions out_var text)
  wfpack_lines(lines "${text}")
  list(FILTER lines EXCLUDE REGEX "^$|^Built target ")
  list(FILTER lines EXCLUDE REGEX
    "^Consolidate compiler generated dependencies")
  set(${out_var} "${lines}" PARENT_SCOPE)
endfunction()

function(expect_no_work text what)
  actions(done "${text}")
  if(done)
    message(FATAL_ERROR "${what} did work:\n${done}")
  endif()
endfunction()

function(check_images)
  wfpack_step("consumer's checks" ignored "${build}"
    "${CMAKE_CTEST_COMMAND}" --output-on-failure)
  foreach(pair "gpif/gpif_dat.c|gpif_dat.c" "gpif/gpif_dat.bin|gpif_dat.bin"
      "load/gpif.bin|gpif_dat.bin")
    string(REPLACE "|" ";" pair "${pair}")
    list(GET pair 0 output)
    list(GET pair 1 golden)
    execute_process(COMMAND "${CMAKE_COMMAND}" -E compare_files
      "${build}/${output}" "${GOLDEN_DIR}/${golden}" RESULT_VARIABLE differs)
    if(differs)
      message(FATAL_ERROR "${build}/${output} differs from ${golden}")
    endif()
  endforeach()
endfunction()

wfpack_step("first build" first "${WORK_DIR}" ${build_command})
foreach(image "gpif from gpif\\.c" "banks from all\\.banks\\.c")
  wfpack_count_lines(runs "${first}" "^wfpack: packing ${image}$")
  if(NOT runs EQUAL 1)
    message(FATAL_ERROR "the first build packed ${image} ${runs} times")
  endif()
endforeach()
wfpack_count_lines(runs "${first}" "${run_line}")
if(NOT runs EQUAL 2)
  message(FATAL_ERROR "wfpack ran ${runs} times in the first build, not 2")
endif()
check_images()

wfpack_step("second build" second "${WORK_DIR}" ${build_command})
expect_no_work("${second}" "a second build")

# The steps that follow a wfpack run on each image: the two compiles that
# read its C array file, the link of its checker and, for gpif, the copy of
# the binary image and the 8051 compile.
set(steps_gpif
  "^wfpack: packing gpif from gpif\\.c$"
  "^Building C object .*/check_gpif\\.c\\.o$"
  "^Building C object .*/gpif/gpif_dat\\.c\\.o$"
  "^Linking C executable check_gpif$"
  "^copying gpif_dat\\.bin for the loader$")
if(SDCC)
  list(APPEND steps_gpif "^sdcc: compiling gpif_dat\\.c for the 8051$")
endif()
set(steps_banks
  "^wfpack: packing banks from all\\.banks\\.c$"
  "^Building C object .*/check_banks\\.c\\.o$"
  "^Building C object .*/images/all_dat\\.c\\.o$"
  "^Linking C executable check_banks$")
set(outputs_gpif gpif/gpif_dat.c gpif/gpif_dat.bin)
set(outputs_banks images/all_dat.c images/all_dat.bin)

# Makes FILE newer than everything built, builds, and checks that wfpack
# reran on exactly the images named after FILE, and that exactly their
# steps followed, each once; then that one more build does nothing.
function(expect_rerun_after_touching file)
  set(images ${ARGN})
  set(expected "")
  foreach(image gpif banks)
    foreach(output IN LISTS outputs_${image})
      file(TIMESTAMP "${build}/${output}" time_${image}_${output} "%s" UTC)
    endforeach()
    if(image IN_LIST images)
      list(APPEND expected ${steps_${image}})
    endif()
  endforeach()
  wfpack_wait_past_files("${WORK_DIR}")
  file(TOUCH "${file}")
  get_filename_component(name "${file}" NAME)
  wfpack_step("build after touching ${name}" output "${WORK_DIR}"
    ${build_command})

  actions(done "${output}")
  foreach(regex IN LISTS expected)
    set(matching "${done}")
    list(FILTER matching INCLUDE REGEX "${regex}")
    list(LENGTH matching count)
    if(NOT count EQUAL 1)
      message(FATAL_ERROR
        "after touching ${name}, ${count} lines match ${regex}")
    endif()
    list(FILTER done EXCLUDE REGEX "${regex}")
  endforeach()
  if(done)
    message(FATAL_ERROR "after touching ${name}, the build also did:\n${done}")
  endif()
  list(LENGTH images expected_runs)
  wfpack_count_lines(runs "${output}" "${run_line}")
  if(NOT runs EQUAL expected_runs)
    message(FATAL_ERROR "wfpack ran ${runs} times after touching ${name}")
  endif()
  foreach(image gpif banks)
    foreach(output IN LISTS outputs_${image})
      if(image IN_LIST images)
        wfpack_expect_newer("${build}/${output}" ${time_${image}_${output}})
      else()
        file(TIMESTAMP "${build}/${output}" time "%s" UTC)
        if(NOT time EQUAL time_${image}_${output})
          message(FATAL_ERROR "${output} was rewritten after touching ${name}")
        endif()
      endif()
    endforeach()
  endforeach()
  check_images()

  wfpack_step("build again" output "${WORK_DIR}" ${build_command})
  expect_no_work("${output}" "a build after touching ${name} and building")
endfunction()

expect_rerun_after_touching("${source}/gpif.c" gpif)
# A new wfpack may pack differently: both images are packed again. (Only its
# time stamp changes, so that the steps that follow are the same.)
file(READ "${build}/wfpack_tool.txt" tool)
string(FIND "${tool}" "${WORK_DIR}/" in_scratch)
if(NOT in_scratch EQUAL 0)
  message(FATAL_ERROR "the consumer runs ${tool}, not one of its scratch copy")
endif()
expect_rerun_after_touching("${tool}" gpif banks)

# A missing output alone is enough to rerun wfpack.
file(REMOVE "${gpif}/gpif_dat.bin")
wfpack_step("binary alone, after removing it" fifth "${WORK_DIR}"
  ${build_command} --target gpif_binary)
wfpack_count_lines(runs "${fifth}" "${run_line}")
if(NOT runs EQUAL 1 OR NOT EXISTS "${gpif}/gpif_dat.bin")
  message(FATAL_ERROR "removing gpif_dat.bin did not rerun wfpack once")
endif()

# The same package in a project that sdcc compiles for the 8051.
if(SDCC AND NOT FROM_SOURCE)
  set(mcs51 "${WORK_DIR}/mcs51")
  wfpack_step("configure for the 8051" ignored "${WORK_DIR}"
    "${CMAKE_COMMAND}" -S "${source}/mcs51" -B "${mcs51}" -G "Unix Makefiles"
    -DCMAKE_SYSTEM_NAME=Generic "-DCMAKE_C_COMPILER=${SDCC}"
    -DCMAKE_FIND_USE_PACKAGE_REGISTRY=OFF "-DCMAKE_PREFIX_PATH=${prefix}")
  wfpack_step("build for the 8051" output "${WORK_DIR}"
    "${CMAKE_COMMAND}" --build "${mcs51}")
  wfpack_count_lines(runs "${output}" "^wfpack: packing gpif from gpif\\.c$")
  wfpack_count_lines(compiles "${output}"
    "^Building C object .*gpif_dat\\.c\\.rel$")
  if(NOT runs EQUAL 1 OR NOT compiles EQUAL 1)
    message(FATAL_ERROR "the 8051 build did not pack and compile the image")
  endif()
endif()

file(GLOB_RECURSE source_files_after RELATIVE "${source}" "${source}/*")
if(NOT source_files_after STREQUAL source_files_before)
  message(FATAL_ERROR "the build wrote into the source tree:\n"
    "before: ${source_files_before}\nafter: ${source_files_after}")
endif()

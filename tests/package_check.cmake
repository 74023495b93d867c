# Builds the Debian package and the tar archive from BUILD_DIR with cpack,
# checks what the package holds and how (owners, modes, compressed
# documentation, control fields, no build paths in the CMake files), has
# lintian check it when lintian is there, and converts the example with
# the program unpacked from each. Without dpkg the test is skipped, except
# in CI, which must test the package.
cmake_policy(VERSION 3.25)
include("${CMAKE_CURRENT_LIST_DIR}/run_wfpack.cmake")

find_program(DPKG_DEB dpkg-deb)
find_program(DPKG dpkg)
find_program(LINTIAN lintian)
if(NOT DPKG_DEB OR NOT DPKG)
  if(DEFINED ENV{CI})
    message(FATAL_ERROR "dpkg is required in CI so that the package is tested")
  endif()
  message("wfpack-test-skipped: no dpkg-deb and dpkg to check a Debian package")
  return()
endif()
if(NOT LINTIAN AND DEFINED ENV{CI})
  message(FATAL_ERROR
    "lintian is required in CI so that the package is checked")
endif()

set(scratch "${WORK_DIR}")
file(REMOVE_RECURSE "${scratch}")
file(MAKE_DIRECTORY "${scratch}")

function(run_or_fail out_var)
  execute_process(COMMAND ${ARGN} WORKING_DIRECTORY "${scratch}"
    RESULT_VARIABLE status OUTPUT_VARIABLE output ERROR_VARIABLE errors)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "${ARGN}\nexited ${status}:\n${output}${errors}")
  endif()
  set(${out_var} "${output}" PARENT_SCOPE)
endfunction()

# Converts the example with the program at PROGRAM, in a folder of its own.
function(expect_program_converts program folder)
  set(WFPACK "${program}")
  set(WORK_DIR "${scratch}/${folder}")
  wfpack_convert("${SOURCE}" "gpif.c")
  wfpack_expect_golden()
endfunction()

# Fails if a CMake file under DIR names the source or build folder: the
# package is installed elsewhere.
function(expect_relocatable dir)
  file(GLOB cmake_files "${dir}/*.cmake")
  if(NOT cmake_files)
    message(FATAL_ERROR "no CMake package in ${dir}")
  endif()
  foreach(file IN LISTS cmake_files)
    file(READ "${file}" text)
    foreach(path "${BUILD_DIR}" "${PROJECT_DIR}")
      string(FIND "${text}" "${path}" at)
      if(NOT at EQUAL -1)
        message(FATAL_ERROR "${file} names ${path}")
      endif()
    endforeach()
  endforeach()
endfunction()

set(config "${BUILD_DIR}/CPackConfig.cmake")
run_or_fail(ignored "${CPACK}" -G DEB --config "${config}" -B "${scratch}/deb")
file(GLOB deb "${scratch}/deb/*.deb")
list(LENGTH deb count)
if(NOT count EQUAL 1)
  message(FATAL_ERROR "cpack -G DEB wrote ${count} packages: ${deb}")
endif()

run_or_fail(listing "${DPKG_DEB}" -c "${deb}")
message("dpkg-deb -c ${deb}:\n${listing}")
# Every entry: mode, owner, then the path.
set(expected
  "-rwxr-xr-x|./usr/bin/wfpack"
  "-rw-r--r--|./usr/share/man/man1/wfpack.1.gz"
  "-rw-r--r--|./usr/share/doc/wfpack/copyright"
  "-rw-r--r--|./usr/share/doc/wfpack/changelog.gz"
  "-rw-r--r--|./usr/lib/cmake/wfpack/wfpackConfig.cmake"
  "-rw-r--r--|./usr/lib/cmake/wfpack/wfpackConfigVersion.cmake"
  "-rw-r--r--|./usr/lib/cmake/wfpack/wfpackTargets.cmake"
  "-rw-r--r--|./usr/lib/cmake/wfpack/wfpack_add_image.cmake")
string(REPLACE "\n" ";" entries "${listing}")
list(FILTER entries EXCLUDE REGEX "^$")
foreach(entry IN LISTS entries)
  if(NOT entry MATCHES "^([-d][-rwx]+) root/root +[0-9]+ [-0-9]+ [0-9:]+ (.*)$")
    message(FATAL_ERROR "not owned by root/root: ${entry}")
  endif()
  set(mode "${CMAKE_MATCH_1}")
  set(path "${CMAKE_MATCH_2}")
  if(mode MATCHES "^d")
    set(wanted drwxr-xr-x)
  elseif(path STREQUAL "./usr/bin/wfpack")
    set(wanted -rwxr-xr-x)
  else()
    set(wanted -rw-r--r--)
  endif()
  if(NOT mode STREQUAL wanted)
    message(FATAL_ERROR "${path} has mode ${mode}, not ${wanted}")
  endif()
  list(APPEND paths "${path}")
endforeach()
foreach(item IN LISTS expected)
  string(REPLACE "|" ";" item "${item}")
  list(GET item 1 path)
  if(NOT path IN_LIST paths)
    message(FATAL_ERROR "the package has no ${path}")
  endif()
endforeach()
list(FILTER paths INCLUDE REGEX "^./usr/share/man/.*[^/]$")
if(NOT paths STREQUAL "./usr/share/man/man1/wfpack.1.gz")
  message(FATAL_ERROR "manual pages other than wfpack.1.gz: ${paths}")
endif()

foreach(field Package Version Architecture Maintainer Section Priority
    Depends Description)
  run_or_fail(value "${DPKG_DEB}" -f "${deb}" ${field})
  string(STRIP "${value}" value)
  message("${field}: ${value}")
  if(value STREQUAL "")
    message(FATAL_ERROR "the package has no ${field} field")
  endif()
  if(field STREQUAL "Depends" AND NOT value MATCHES "(^|, )libc6( |,|$)")
    message(FATAL_ERROR "the package does not depend on libc6: ${value}")
  endif()
endforeach()

set(root "${scratch}/root")
run_or_fail(ignored "${DPKG}" -x "${deb}" "${root}")
foreach(file usr/share/man/man1/wfpack.1.gz usr/share/doc/wfpack/changelog.gz)
  file(READ "${root}/${file}" magic LIMIT 2 HEX)
  if(NOT magic STREQUAL "1f8b")
    message(FATAL_ERROR "${file} is not compressed with gzip")
  endif()
endforeach()
expect_relocatable("${root}/usr/lib/cmake/wfpack")
expect_program_converts("${root}/usr/bin/wfpack" "deb_run")

if(LINTIAN)
  execute_process(COMMAND "${LINTIAN}" --fail-on error "${deb}"
    RESULT_VARIABLE status OUTPUT_VARIABLE output ERROR_VARIABLE errors)
  message("lintian:\n${output}${errors}")
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "lintian found errors in the package")
  endif()
else()
  message("lintian is not installed: the package was not checked with it")
endif()

run_or_fail(ignored "${CPACK}" -G TGZ --config "${config}" -B "${scratch}/tgz")
file(GLOB archive "${scratch}/tgz/*.tar.gz")
list(LENGTH archive count)
if(NOT count EQUAL 1)
  message(FATAL_ERROR "cpack -G TGZ wrote ${count} archives: ${archive}")
endif()
file(ARCHIVE_EXTRACT INPUT "${archive}" DESTINATION "${scratch}/unpacked")
file(GLOB top "${scratch}/unpacked/*")
foreach(file bin/wfpack share/man/man1/wfpack.1 share/doc/wfpack/copyright
    lib/cmake/wfpack/wfpackConfig.cmake)
  if(NOT EXISTS "${top}/${file}")
    message(FATAL_ERROR "the archive has no ${file}")
  endif()
endforeach()
expect_relocatable("${top}/lib/cmake/wfpack")
expect_program_converts("${top}/bin/wfpack" "tgz_run")

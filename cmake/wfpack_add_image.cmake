# wfpack_add_image(<name> SOURCE <gpif.c> [OUTPUT_DIRECTORY <dir>]
#                  [HEADER] [LOADER] [STORAGE <class>] [WARNINGS_AS_ERRORS])
#
# Packs the GPIF design tool's source into a C array file and a binary image
# at build time, written into <dir> (default:
# ${CMAKE_CURRENT_BINARY_DIR}/<name>; a relative <dir> is taken from
# ${CMAKE_CURRENT_BINARY_DIR}): nothing is written into the source tree. A
# relative SOURCE is taken from ${CMAKE_CURRENT_SOURCE_DIR}. With HEADER a C
# header with the image's layout is written too (--header); with LOADER the
# header and a C source whose functions load the image into the chip
# (--loader). STORAGE declares the array const, __code, code, __xdata or
# xdata (--storage). With WARNINGS_AS_ERRORS a warning about the source
# fails the build.
#
# Sets, in the caller's scope:
#   <name>_C_ARRAY  full path of the C array file, <base>_dat.c
#   <name>_BINARY   full path of the binary image, <base>_dat.bin
#   <name>_HEADER   with HEADER or LOADER, full path of the header, <base>_dat.h
#   <name>_LOADER   with LOADER, full path of the loader, <base>_load.c
# where <base> is the source's file name up to its first period.
#
# Both files come from one custom command that reruns whenever the source or
# wfpack itself changes. Add ${<name>_C_ARRAY} to the sources of the firmware
# target, or list either file in the DEPENDS of a custom target, in the same
# directory. As with any custom command, list the outputs in one target
# only, or make the other targets depend on that one, so that a parallel
# Makefile build does not run wfpack twice at once.
#
# The tool is the target wfpack::wfpack: the installed program after
# find_package(wfpack), or the one built alongside after add_subdirectory()
# or FetchContent.
function(wfpack_add_image name)
  cmake_parse_arguments(PARSE_ARGV 1 arg "WARNINGS_AS_ERRORS;HEADER;LOADER"
    "SOURCE;OUTPUT_DIRECTORY;STORAGE" "")
  if(arg_UNPARSED_ARGUMENTS)
    message(FATAL_ERROR
      "wfpack_add_image(${name}): unknown arguments: ${arg_UNPARSED_ARGUMENTS}")
  endif()
  if(NOT arg_SOURCE)
    message(FATAL_ERROR "wfpack_add_image(${name}): SOURCE is required")
  endif()
  if(NOT TARGET wfpack::wfpack)
    message(FATAL_ERROR
      "wfpack_add_image(${name}): there is no wfpack::wfpack target; "
      "use find_package(wfpack) or add wfpack's source directory first")
  endif()

  get_filename_component(source "${arg_SOURCE}" ABSOLUTE
    BASE_DIR "${CMAKE_CURRENT_SOURCE_DIR}")
  if(NOT arg_OUTPUT_DIRECTORY)
    set(arg_OUTPUT_DIRECTORY "${name}")
  endif()
  get_filename_component(output_dir "${arg_OUTPUT_DIRECTORY}" ABSOLUTE
    BASE_DIR "${CMAKE_CURRENT_BINARY_DIR}")

  get_filename_component(file_name "${source}" NAME)
  get_filename_component(source_dir "${source}" DIRECTORY)
  if(output_dir STREQUAL source_dir)
    # The outputs would land in the source tree.
    message(FATAL_ERROR "wfpack_add_image(${name}): OUTPUT_DIRECTORY "
      "${output_dir} is the source's own directory")
  endif()
  set(options -q)
  if(arg_WARNINGS_AS_ERRORS)
    list(APPEND options -Werror)
  endif()
  if(arg_STORAGE)
    list(APPEND options "--storage=${arg_STORAGE}")
  endif()

  # wfpack names its outputs after the file name up to its first period.
  string(REGEX REPLACE "\\..*$" "" base "${file_name}")
  set(c_array "${output_dir}/${base}_dat.c")
  set(binary "${output_dir}/${base}_dat.bin")
  set(outputs "${c_array}" "${binary}")
  if(arg_HEADER OR arg_LOADER)
    list(APPEND options --header)
    list(APPEND outputs "${output_dir}/${base}_dat.h")
    set(${name}_HEADER "${output_dir}/${base}_dat.h" PARENT_SCOPE)
  endif()
  if(arg_LOADER)
    list(APPEND options --loader)
    list(APPEND outputs "${output_dir}/${base}_load.c")
    set(${name}_LOADER "${output_dir}/${base}_load.c" PARENT_SCOPE)
  endif()

  # wfpack creates no folder: the output folder is made first.
  add_custom_command(
    OUTPUT ${outputs}
    COMMAND "${CMAKE_COMMAND}" -E make_directory "${output_dir}"
    COMMAND "$<TARGET_FILE:wfpack::wfpack>" ${options} -o "${output_dir}" --
      "${source}"
    DEPENDS "${source}" wfpack::wfpack
    COMMENT "wfpack: packing ${name} from ${file_name}"
    VERBATIM)

  set(${name}_C_ARRAY "${c_array}" PARENT_SCOPE)
  set(${name}_BINARY "${binary}" PARENT_SCOPE)
endfunction()

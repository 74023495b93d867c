# Run by cpack before it builds a package from its staging folder: for the
# Debian package, compresses the manual pages and the change log as Debian
# policy wants (gzip at maximum compression, without the name and time
# stamp that would make the package differ from build to build).
if(NOT CPACK_GENERATOR STREQUAL "DEB")
  return()
endif()
file(GLOB_RECURSE files
  "${CPACK_TEMPORARY_INSTALL_DIRECTORY}/*/share/man/man[1-9]/*"
  "${CPACK_TEMPORARY_INSTALL_DIRECTORY}/*/share/doc/*/changelog")
list(FILTER files EXCLUDE REGEX "\\.gz$")
if(NOT files)
  return()
endif()
find_program(GZIP gzip REQUIRED)
foreach(file IN LISTS files)
  execute_process(COMMAND "${GZIP}" -9 -n -f "${file}" RESULT_VARIABLE status)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "could not compress ${file}")
  endif()
endforeach()

# Installs the CMake package that find_package(wfpack CONFIG) finds:
# the imported target wfpack::wfpack and wfpack_add_image().
include(CMakePackageConfigHelpers)

set(WFPACK_INSTALL_CMAKEDIR "${CMAKE_INSTALL_LIBDIR}/cmake/wfpack" CACHE STRING
  "Where the wfpack CMake package is installed, relative to the prefix")

install(EXPORT wfpackTargets NAMESPACE wfpack::
  DESTINATION "${WFPACK_INSTALL_CMAKEDIR}")

set(wfpack_config_dir "${PROJECT_BINARY_DIR}/cmake")
configure_package_config_file(cmake/wfpackConfig.cmake.in
  "${wfpack_config_dir}/wfpackConfig.cmake"
  INSTALL_DESTINATION "${WFPACK_INSTALL_CMAKEDIR}")
# The package holds a program that runs on the build machine, so a firmware
# project that compiles for another processor (sdcc's CMAKE_SIZEOF_VOID_P is
# not the host's) must still accept it.
write_basic_package_version_file(
  "${wfpack_config_dir}/wfpackConfigVersion.cmake"
  COMPATIBILITY SameMajorVersion ARCH_INDEPENDENT)
install(FILES
  "${wfpack_config_dir}/wfpackConfig.cmake"
  "${wfpack_config_dir}/wfpackConfigVersion.cmake"
  cmake/wfpack_add_image.cmake
  DESTINATION "${WFPACK_INSTALL_CMAKEDIR}")

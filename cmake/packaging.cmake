# Packages built with "cpack" in the build folder: a Debian package and a
# tar archive on Linux, a ZIP archive for Windows. Each holds the program,
# its manual page, the CMake package and the copyright notice.
set(CPACK_PACKAGE_NAME wfpack)
set(CPACK_PACKAGE_VENDOR "The wfpack developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
  "pack GPIF waveform tables into a C array and a binary image")
set(CPACK_PACKAGE_DESCRIPTION
  "wfpack reads the C source that the GPIF design tool writes for an EZ-USB
FX2 firmware project and packs its IFCONFIG byte, InitData bytes and the
WaveData and FlowStates tables of each used bank into one image, written as
a C array file for the firmware and as a raw binary.
The package also holds a CMake package with wfpack_add_image(), which runs
wfpack as a step of a firmware build.")
set(CPACK_STRIP_FILES ON)

if(WIN32)
  set(CPACK_GENERATOR TGZ ZIP)
else()
  set(CPACK_GENERATOR TGZ DEB)
endif()

set(WFPACK_PACKAGE_MAINTAINER
  "The wfpack developers <wfpack@zenoware.example>" CACHE STRING
  "Maintainer of the Debian package: name <address>")

configure_file(packaging/changelog.in "${PROJECT_BINARY_DIR}/changelog" @ONLY)
install(FILES packaging/copyright "${PROJECT_BINARY_DIR}/changelog"
  DESTINATION ${CMAKE_INSTALL_DOCDIR})

set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${WFPACK_PACKAGE_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_SECTION devel)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
find_program(WFPACK_DPKG_SHLIBDEPS dpkg-shlibdeps)
mark_as_advanced(WFPACK_DPKG_SHLIBDEPS)
if(WFPACK_DPKG_SHLIBDEPS)
  set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
else()
  set(CPACK_DEBIAN_PACKAGE_DEPENDS "libc6, libgcc-s1, libstdc++6")
endif()
# Debian keeps manual pages and change logs compressed; they are compressed
# in the Debian package only, so that "cmake --install" installs them as
# they are.
set(CPACK_PRE_BUILD_SCRIPTS
  "${PROJECT_SOURCE_DIR}/cmake/deb_compress_docs.cmake")

# "cpack --config CPackSourceConfig.cmake": the sources without build folders.
set(CPACK_SOURCE_GENERATOR TGZ)
set(CPACK_SOURCE_IGNORE_FILES "/\\.git/" "/\\.git$" "/build/")

include(CPack)

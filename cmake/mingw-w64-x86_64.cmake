# Cross-builds for 64-bit Windows with MinGW-w64 and runs what was built
# under Wine, so that the Windows program and its tests run on a Linux host.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

# The POSIX threads flavour, which std::thread and GoogleTest need.
set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)

# Libraries and headers come from the target's tree only; build tools such
# as a host C compiler for the tests are found on the host.
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# One self-contained .exe: the C++ runtime and threads library linked in, no
# DLL to ship beside it.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")

# Wine keeps its Windows installation inside the build directory, and stays
# quiet unless asked.
find_program(WFPACK_WINE NAMES wine wine64)
if(WFPACK_WINE)
  set(CMAKE_CROSSCOMPILING_EMULATOR
    env "WINEPREFIX=${CMAKE_BINARY_DIR}/wine" WINEDEBUG=-all "${WFPACK_WINE}")
endif()

# Cross-builds for 64-bit ARM Linux with Debian's cross compiler and runs
# what was built under qemu-aarch64, so that the program ARM machines run,
# with the search kernel they get, is tested as it is built for them.
set(CMAKE_SYSTEM_NAME Linux)
set(CMAKE_SYSTEM_PROCESSOR aarch64)

set(CMAKE_C_COMPILER aarch64-linux-gnu-gcc)
set(CMAKE_CXX_COMPILER aarch64-linux-gnu-g++)

# Libraries and headers come from the target's tree only; build tools such
# as a host C compiler for the tests are found on the host.
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Static programs: the emulator then needs no ARM system libraries to load
# them.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")

find_program(WFPACK_QEMU_AARCH64 NAMES qemu-aarch64 qemu-aarch64-static)
if(WFPACK_QEMU_AARCH64)
  set(CMAKE_CROSSCOMPILING_EMULATOR "${WFPACK_QEMU_AARCH64}")
endif()

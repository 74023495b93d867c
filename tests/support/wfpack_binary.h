// Runs the wfpack binary the tests were built with, as a firmware build
// would: directly, or through the emulator that a cross build runs its
// programs under.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "support/child_process.h"

namespace wfpack::testing_support {

inline Outcome run_wfpack(const std::vector<std::string>& arguments,
                          const std::filesystem::path& dir) {
  // A cross build names the binary without a drive; made absolute here,
  // it takes the drive of the build directory the tests start in.
  static const std::filesystem::path binary =
      std::filesystem::absolute(WFPACK_BINARY);
#ifdef WFPACK_EMULATOR
  std::vector<std::string> command{binary.string()};
  command.insert(command.end(), arguments.begin(), arguments.end());
  return run_program(WFPACK_EMULATOR, command, dir);
#else
  return run_program(binary, arguments, dir);
#endif
}

}  // namespace wfpack::testing_support

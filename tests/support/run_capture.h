// Runs a whole conversion in-process and keeps what it printed.
#pragma once

#include <initializer_list>
#include <string>
#include <vector>

#include "app/run.h"

namespace wfpack::testing_support {

struct RunResult {
  int status;
  std::string console;      // standard output
  std::string diagnostics;  // standard error
};

// arguments come after the program name.
inline RunResult run_with(std::initializer_list<const char*> arguments) {
  std::vector<const char*> args{"wfpack"};
  args.insert(args.end(), arguments);
  RunResult result{0, "", ""};
  result.status =
      run(args, TextOut(result.console), TextOut(result.diagnostics));
  return result;
}

}  // namespace wfpack::testing_support

#include <cstddef>
#include <cstdio>
#include <span>
#include <string>
#include <vector>

#include "app/run.h"
#include "platform/native_file.h"

#ifdef _WIN32
// Windows hands the arguments over as UTF-16; the run takes them as UTF-8,
// as a POSIX system passes them, so that any name opens and prints.
int wmain(int argc, wchar_t** argv) {
  const wfpack::platform::Utf8Console console;
  const std::vector<std::string> arguments =
      wfpack::platform::utf8_arguments(argc, argv);
  std::vector<const char*> args;
  for (const std::string& argument : arguments)
    args.push_back(argument.c_str());
  return wfpack::run(args, wfpack::TextOut(stdout),
                     wfpack::TextOut(stderr, stdout));
}
#else
int main(int argc, char** argv) {
  return wfpack::run(
      std::span<const char* const>(argv, static_cast<std::size_t>(argc)),
      wfpack::TextOut(stdout), wfpack::TextOut(stderr, stdout));
}
#endif

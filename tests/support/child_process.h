// Runs a program as a shell or a firmware build would, on POSIX systems and
// on Windows alike, and tells what it printed and how it exited.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace wfpack::testing_support {

struct Outcome {
  int status;          // the exit status as the parent sees it
  std::string output;  // standard output, byte for byte
  std::string errors;  // standard error, byte for byte
};

// Runs program with the arguments, given as UTF-8, in the directory dir.
// A program that cannot be started, or that ends by a signal, gives status
// kNotExited.
Outcome run_program(const std::filesystem::path& program,
                    const std::vector<std::string>& arguments,
                    const std::filesystem::path& dir);

inline constexpr int kNotExited = -1000;

// What a parent sees of the exit status -1: Windows keeps all 32 bits,
// POSIX systems the low 8.
#ifdef _WIN32
inline constexpr int kFailureExitStatus = -1;
#else
inline constexpr int kFailureExitStatus = 255;
#endif

// Console text, on standard output or standard error, as a text-mode
// console program writes it: each "\n" becomes CR LF on Windows and stays LF
// elsewhere.
inline std::string console_lines(std::string_view text) {
#ifdef _WIN32
  std::string lines;
  for (const char c : text) {
    if (c == '\n') lines += '\r';
    lines += c;
  }
  return lines;
#else
  return std::string(text);
#endif
}

}  // namespace wfpack::testing_support

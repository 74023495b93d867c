// The one place that knows how the operating system spells file names.
// Inside the program every name is a string of UTF-8 bytes; on POSIX
// systems these are the command line's bytes, unchanged, and on Windows
// they are converted from and to the UTF-16 that the system's wide-character
// functions take, so that a name outside the ANSI code page opens and
// prints like any other.
#pragma once

#include <cstdio>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace wfpack::platform {

// The file system path a UTF-8 name stands for.
std::filesystem::path native_path(std::string_view name);

// std::fopen for a UTF-8 name.
std::FILE* open_file(std::string_view name, const char* mode);

// Why a call on a file failed, as the system keeps it: errno, and on
// Windows also the system's own error code, which says more than errno.
struct Failure {
  int error = 0;
#ifdef _WIN32
  unsigned long system_error = 0;  // 0: the C library failed on its own
#endif
};

// The reason of the call that has just failed; ask before anything else
// is called.
Failure last_failure();

// A directory where a file was meant. Windows says only "Access is
// denied." of one.
Failure directory_failure();

// The system's words for the failure, as a line of text without its end:
// strerror's on POSIX systems, the system's message on Windows.
std::string failure_text(Failure failure);

#ifdef _WIN32
std::wstring wide_from_utf8(std::string_view text);
std::string utf8_from_wide(std::wstring_view text);

// The arguments of wmain as UTF-8, program name first.
std::vector<std::string> utf8_arguments(int argc, wchar_t** argv);
#endif

// While it lives, a Windows console shows standard output as UTF-8, so that
// names in messages appear as typed; the console's own code page is given
// back afterwards. Output to a pipe or file is bytes either way, and POSIX
// consoles need nothing.
class Utf8Console {
 public:
  Utf8Console();
  ~Utf8Console();
  Utf8Console(const Utf8Console&) = delete;
  Utf8Console& operator=(const Utf8Console&) = delete;

 private:
#ifdef _WIN32
  unsigned previous_code_page_ = 0;
#endif
};

}  // namespace wfpack::platform

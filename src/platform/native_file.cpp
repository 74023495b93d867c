#include "platform/native_file.h"

#ifdef _WIN32
#define WIN32_LEAN_AND_MEAN
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include <cstdlib>
#else
#include <cstring>
#endif

#include <cerrno>

namespace wfpack::platform {

#ifdef _WIN32

std::wstring wide_from_utf8(std::string_view text) {
  if (text.empty()) return {};
  const int size = static_cast<int>(text.size());
  const int length =
      MultiByteToWideChar(CP_UTF8, 0, text.data(), size, nullptr, 0);
  std::wstring wide(static_cast<std::size_t>(length), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, text.data(), size, wide.data(), length);
  return wide;
}

std::string utf8_from_wide(std::wstring_view text) {
  if (text.empty()) return {};
  const int size = static_cast<int>(text.size());
  const int length = WideCharToMultiByte(CP_UTF8, 0, text.data(), size, nullptr,
                                         0, nullptr, nullptr);
  std::string utf8(static_cast<std::size_t>(length), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.data(), size, utf8.data(), length,
                      nullptr, nullptr);
  return utf8;
}

std::vector<std::string> utf8_arguments(int argc, wchar_t** argv) {
  std::vector<std::string> arguments;
  for (int i = 0; i < argc; ++i) arguments.push_back(utf8_from_wide(argv[i]));
  return arguments;
}

std::filesystem::path native_path(std::string_view name) {
  return std::filesystem::path(wide_from_utf8(name));
}

std::FILE* open_file(std::string_view name, const char* mode) {
  const std::wstring wide_mode = wide_from_utf8(mode);
  // Set only by a failed system call, so that a failure of the C library's
  // own is not given an older call's reason.
  _doserrno = 0;
  return _wfopen(wide_from_utf8(name).c_str(), wide_mode.c_str());
}

Failure last_failure() { return {errno, _doserrno}; }

Failure directory_failure() { return {EISDIR, 0}; }

std::string failure_text(Failure failure) {
  wchar_t text[512];
  const DWORD length =
      failure.system_error == 0
          ? 0
          : FormatMessageW(
                FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                nullptr, failure.system_error, 0, text, 512, nullptr);
  std::string line;
  if (length != 0) {
    line = utf8_from_wide({text, length});
  } else {
    char c_text[256] = {};
    strerror_s(c_text, sizeof c_text, failure.error);
    line = c_text;
  }
  // The system's messages end with a line end of their own.
  while (!line.empty() &&
         (line.back() == '\n' || line.back() == '\r' || line.back() == ' ')) {
    line.pop_back();
  }
  return line;
}

Utf8Console::Utf8Console() : previous_code_page_(GetConsoleOutputCP()) {
  if (previous_code_page_ != 0) SetConsoleOutputCP(CP_UTF8);
}

Utf8Console::~Utf8Console() {
  // Whatever is still buffered must reach the console under UTF-8.
  std::fflush(stdout);
  if (previous_code_page_ != 0) SetConsoleOutputCP(previous_code_page_);
}

#else

std::filesystem::path native_path(std::string_view name) {
  return std::filesystem::path(std::string(name));
}

std::FILE* open_file(std::string_view name, const char* mode) {
  return std::fopen(std::string(name).c_str(), mode);
}

Failure last_failure() { return {errno}; }

Failure directory_failure() { return {EISDIR}; }

std::string failure_text(Failure failure) {
  return std::strerror(failure.error);
}

Utf8Console::Utf8Console() = default;
Utf8Console::~Utf8Console() = default;

#endif

}  // namespace wfpack::platform

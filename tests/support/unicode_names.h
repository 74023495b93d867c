// File names outside any ANSI code page, as UTF-8 bytes, for the tests that
// check such names open, convert and print.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace wfpack::testing_support {

inline std::string utf8(std::u8string_view text) {
  return std::string(text.begin(), text.end());
}

// The path a UTF-8 name stands for, on every platform.
inline std::filesystem::path path_of(const std::string& utf8_name) {
  return std::filesystem::path(
      std::u8string(utf8_name.begin(), utf8_name.end()));
}

// The directory separator as the platform writes it.
#ifdef _WIN32
inline constexpr const char* kSeparator = "\\";
#else
inline constexpr const char* kSeparator = "/";
#endif

struct UnicodeName {
  const char* script;
  std::string stem;        // the file name without ".c"
  std::string array_name;  // what the C array is called
};

// Every byte of a non-ASCII character becomes one "_" of the array name, on
// every platform.
inline const UnicodeName kUnicodeNames[] = {
    {"Cyrillic", utf8(u8"Иван"), std::string(8, '_') + "_dat"},
    {"CJK", utf8(u8"波形"), std::string(6, '_') + "_dat"},
    {"accented letter", utf8(u8"é"), "___dat"},
    {"mixed", utf8(u8"gpif_ü1"), "gpif___1_dat"},
};

}  // namespace wfpack::testing_support

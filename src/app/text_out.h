// Where a run's texts go: a C stream, standard output or standard error, or
// for tests a string. Written through stdio, so that the program needs none
// of the C++ stream library, whose start-up builds a locale that every run
// would pay for.
#pragma once

#include <charconv>
#include <cstddef>
#include <cstdio>
#include <string>
#include <string_view>

namespace wfpack {

class TextOut {
 public:
  // What goes to file comes after all that went to before_it, as with
  // standard error after standard output in one build log.
  explicit TextOut(std::FILE* file, std::FILE* before_it = nullptr)
      : file_(file), before_it_(before_it) {}
  explicit TextOut(std::string& text) : text_(&text) {}

  TextOut& operator<<(std::string_view text) {
    if (file_ != nullptr) {
      if (before_it_ != nullptr) std::fflush(before_it_);
      std::fwrite(text.data(), 1, text.size(), file_);
    } else {
      text_->append(text);
    }
    return *this;
  }
  // Whether everything written has reached the file; a string always
  // holds it.
  bool flushed() {
    if (file_ == nullptr) return true;
    return std::fflush(file_) == 0 && std::ferror(file_) == 0;
  }

  TextOut& operator<<(char c) { return *this << std::string_view(&c, 1); }
  TextOut& operator<<(std::size_t number) {
    char digits[24];
    const auto end = std::to_chars(digits, digits + sizeof digits, number).ptr;
    return *this << std::string_view(digits,
                                     static_cast<std::size_t>(end - digits));
  }

 private:
  std::FILE* file_ = nullptr;
  std::FILE* before_it_ = nullptr;
  std::string* text_ = nullptr;
};

}  // namespace wfpack

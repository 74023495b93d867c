// The first characters of a line between table bodies, gathered as they
// arrive, however the source is cut into chunks.
#pragma once

#include <cstddef>
#include <string_view>

namespace wfpack {

// Runs of blanks and tabs longer than three are cut to their first three
// characters: a header may have any run of them between its words, while
// the IFCONFIG line needs exactly two blanks in front, so a bounded buffer
// is enough to tell every line beginning apart.
class LinePrefix {
 public:
  static constexpr std::size_t kCapacity = 128;
  // Longer runs of blanks and tabs are cut to this many characters.
  static constexpr std::size_t kFoldedBlankRun = 3;

  void clear() {
    size_ = 0;
    blank_run_ = 0;
    fold_after_ = kFoldedBlankRun;
    complete_ = false;
    line_ended_ = false;
  }

  // Until the next clear, blanks are kept as they are: the columns of a
  // description line tell its cells apart.
  void keep_blanks() { fold_after_ = kCapacity; }

  // Takes the line's characters from p until the prefix is full, or the
  // line's visible part ends at a line stop (not taken), or end. Returns
  // where it stopped.
  const char* take(const char* p, const char* end);

  // The line's visible part ended within the prefix.
  void end_line() {
    complete_ = true;
    line_ended_ = true;
  }

  // Nothing the line holds beyond the prefix can change what it is.
  bool complete() const { return complete_; }
  bool empty() const { return size_ == 0 && !complete_; }
  bool line_ended() const { return line_ended_; }
  std::string_view text() const { return {text_, size_}; }

 private:
  char text_[kCapacity];
  std::size_t size_ = 0;
  std::size_t blank_run_ = 0;
  std::size_t fold_after_ = kFoldedBlankRun;
  bool complete_ = false;
  bool line_ended_ = false;
};

}  // namespace wfpack

#include "reader/line_prefix.h"

#include "format/source_format.h"

namespace wfpack {

static_assert(LinePrefix::kFoldedBlankRun >
                  kIfconfigPrefix.find_first_not_of(' '),
              "the IFCONFIG line's indentation must survive the fold");

const char* LinePrefix::take(const char* p, const char* end) {
  // Locals, not members, in the loop: a store through a char pointer may
  // alias the members.
  std::size_t size = size_;
  std::size_t blank_run = blank_run_;
  const std::size_t fold_after = fold_after_;
  for (; p < end && size < kCapacity; ++p) {
    const char c = *p;
    if (is_line_stop(c)) {
      end_line();
      break;
    }
    blank_run = is_blank(c) ? blank_run + 1 : 0;
    if (blank_run <= fold_after) text_[size++] = c;
  }
  size_ = size;
  blank_run_ = blank_run;
  if (size >= kCapacity) complete_ = true;
  return p;
}

}  // namespace wfpack

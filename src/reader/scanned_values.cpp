// The values the scanner reads itself, byte by byte, wherever the value
// search hands them on: each is stored, and what the firmware's compiler
// reads otherwise is told from what stands before it, a "0X", a number
// beyond 32 bits.
#include "reader/source_scanner.h"

namespace wfpack {

// Stores a value read byte by byte, or counts it once the table is full.
// Only a value stored can make the image differ from what the compiler
// reads, so only then does a comment around it count.
void SourceScanner::take_value(std::uint8_t byte) {
  if (run_.next == run_.table_end) {
    ++run_.dropped;
    return;
  }
  if (run_.comments.inside()) {
    ++run_.comment_values;
  } else {
    note_value_read_otherwise();
  }
  *run_.next++ = byte;
}

// What stands before p on its line, from the chunk and what the line held
// before it.
LineTail SourceScanner::tail_before(const char* p) const {
  LineTail before = tail_;
  before.take({chunk_start_, static_cast<std::size_t>(p - chunk_start_)});
  return before;
}

ValueContext SourceScanner::context_at(const char* p) const {
  return value_context(tail_before(p).text());
}

bool SourceScanner::may_have_context_after_blanks(const char* p) const {
  return may_have_context(tail_before(p).text(), *p);
}

// p is just past a "0X", which starts no value: the reader goes on from
// the character after it, which tells whether the compiler reads a number.
const char* SourceScanner::after_upper_prefix(const char* p, const char* end) {
  if (p == end) {
    mode_ = Mode::UpperPrefix;
    return p;
  }
  note_upper_value(*p);
  return p;
}

void SourceScanner::note_upper_value(char first_digit) {
  if (is_hex_digit(first_digit) && !value_context_.inside_token &&
      !run_.comments.inside() && run_.next != run_.table_end) {
    warnings_.value_read_otherwise(line_, Warning::Kind::ValuesWithUpperPrefix);
  }
}

// A value stored outside comments, read by the scanner.
void SourceScanner::note_value_read_otherwise() {
  if (value_context_.after_operator) {
    warnings_.value_read_otherwise(line_, Warning::Kind::ValuesAfterOperator);
  }
  if (value_context_.inside_token) {
    warnings_.value_read_otherwise(line_, Warning::Kind::ValuesInsideToken);
  }
  if (value_.saturates()) {
    warnings_.value_read_otherwise(line_, Warning::Kind::ValuesOutOfRange);
  }
}

}  // namespace wfpack

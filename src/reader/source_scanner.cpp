#include "reader/source_scanner.h"

#include <cstring>

namespace wfpack {

// A source ends at its first 0x1A byte, as text files from DOS did.
constexpr char kEndOfInput = 0x1A;

bool SourceScanner::feed(std::string_view block) {
  if (input_ended_ || block.empty()) return !input_ended_;
  const char* p = block.data();
  const char* end = p + block.size();
  if (const void* stop = std::memchr(p, kEndOfInput, block.size())) {
    end = static_cast<const char*>(stop);
    input_ended_ = true;
  }
  run_.marks_from = p;
  while (p < end) p = step(p, end);
  return !input_ended_;
}

void SourceScanner::finish() {
  switch (mode_) {
    case Mode::LineStart:
      if (!in_block_ && !prefix_.empty()) act_on_line(prefix_.text(), true);
      break;
    case Mode::IfconfigValue:
      set_ifconfig(value_.low_byte());
      break;
    case Mode::ValueDigits:
      take_value(value_.low_byte());
      break;
    default:
      break;
  }
  mode_ = Mode::SkipLine;
  report_comment_values();
  if (in_block_) close_block(false);
  warnings_.finish(image_);
}

// Advances through the block from p in the current mode and returns where
// it stopped: at the end of the block, or where the mode changed.
const char* SourceScanner::step(const char* p, const char* end) {
  switch (mode_) {
    case Mode::LineStart:
      return in_block_ ? block_line_start(p, end) : line_start(p, end);

    case Mode::IfconfigValue:
      // The value ends with its line: the line feed is no leading space.
      if (*p != '\n' && value_.feed(*p)) return p + 1;
      set_ifconfig(value_.low_byte());
      mode_ = Mode::SkipLine;
      return p;

    case Mode::Values:
      return scan_values(p, end);

    case Mode::ValueZero:
      // Only a lower-case x makes a value; any other character may itself
      // start one, or end the line.
      mode_ = Mode::Values;
      if (*p != 'x') return p;
      value_ = HexReader::after_prefix();
      mode_ = Mode::ValueDigits;
      return p + 1;

    case Mode::ValueDigits:
      while (p < end && value_.feed(*p)) ++p;
      if (p < end) {
        take_value(value_.low_byte());
        mode_ = Mode::Values;
      }
      return p;

    case Mode::ValueMark:
      mode_ = Mode::Values;
      if (run_.comments.mark(pending_mark_, *p) == 0) return p;
      run_.marks_from = p + 1;
      return p + 1;

    case Mode::SkipLine: {
      const auto* line_feed = static_cast<const char*>(
          std::memchr(p, '\n', static_cast<std::size_t>(end - p)));
      if (line_feed == nullptr) return end;
      return next_line(line_feed + 1, end);
    }
  }
  return end;
}

// p is just past a line feed.
const char* SourceScanner::next_line(const char* p, const char* end) {
  report_comment_values();
  run_.comments.end_line();
  ++line_;
  mode_ = Mode::LineStart;
  prefix_.clear();
  brace_seen_ = false;
  return in_block_ && p < end ? block_line_start(p, end) : p;
}

// At the end of a line: values inside its comments.
void SourceScanner::report_comment_values() {
  if (run_.comment_values == 0) return;
  warnings_.comment_values(line_, run_.comment_values);
  run_.comment_values = 0;
}

// Inside a block, the first two characters of a line tell whether it ends
// the block. A "}" starts no value, so otherwise the line's values are
// looked for from the character after it.
const char* SourceScanner::block_line_start(const char* p, const char* end) {
  if (!brace_seen_) {
    if (*p != kBlockEndStart) {
      mode_ = Mode::Values;
      return p;
    }
    brace_seen_ = true;
    if (++p == end) return p;
  }
  brace_seen_ = false;
  const char first_two[kBlockEndLength] = {kBlockEndStart, *p};
  if (ends_block({first_two, kBlockEndLength})) {
    close_block(true);
    mode_ = Mode::SkipLine;
    return p + 1;
  }
  mode_ = Mode::Values;
  return p;
}

// Stores a value read byte by byte, or counts it once the table is full.
// Only a value stored can make the image differ from what the compiler
// reads, so only then does a comment around it count.
void SourceScanner::take_value(std::uint8_t byte) {
  if (run_.next == run_.table_end) {
    ++run_.dropped;
    return;
  }
  if (run_.comments.inside()) ++run_.comment_values;
  *run_.next++ = byte;
}

// Looks for values on the lines of a block: every "0x" starts one,
// wherever it stands; everything else (commas, blanks, comments and their
// words) is passed over. Nearly all of a source's bytes go through here.
const char* SourceScanner::scan_values(const char* p, const char* end) {
  if (run_.table_end == nullptr) {
    // A block that stores nothing: only the line that ends it matters.
    mode_ = Mode::SkipLine;
    return p;
  }
  while (mode_ == Mode::Values) {
    p = store_plain_values(p, end, run_, kBlockEndStart);
    line_ += run_.line_feeds;
    run_.line_feeds = 0;
    p = find_value_stop(p, end);
    if (p == end) break;
    if (*p == '\n') {
      p = next_line(p + 1, end);
    } else if (*p == '\0') {
      mode_ = Mode::SkipLine;  // a NUL hides the rest of its line
    } else if (Comments::may_mark(*p)) {
      if (p < run_.marks_from) {
        ++p;  // the second character of a mark already taken
      } else if (end - p < 2) {
        pending_mark_ = *p++;
        mode_ = Mode::ValueMark;
      } else if (run_.comments.mark(p[0], p[1]) != 0) {
        p += 2;
        run_.marks_from = p;
      } else {
        ++p;
      }
    } else if (*p != '0') {
      ++p;  // another character that may stop the search
    } else if (end - p < 2) {
      mode_ = Mode::ValueZero;
      ++p;
    } else if (p[1] != 'x') {
      ++p;  // the character after the "0" may itself start a value
    } else {
      value_ = HexReader::after_prefix();
      for (p += 2; p < end && value_.feed(*p);) ++p;
      if (p == end) {
        mode_ = Mode::ValueDigits;  // the value may go on in the next block
      } else {
        // "0x" without digits stores 0x00, as strtol reads it. The
        // character that ended the value is no digit: the search goes on
        // from it.
        take_value(value_.low_byte());
      }
    }
  }
  return p;
}

}  // namespace wfpack

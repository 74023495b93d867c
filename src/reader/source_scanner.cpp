#include "reader/source_scanner.h"

#include <algorithm>
#include <cstring>

#include "reader/end_of_input.h"
#include "reader/unread_table.h"

namespace wfpack {

namespace {

// How far ahead a line's end is looked for before its first characters are
// gathered into the prefix instead: no further than the prefix holds, so
// that a line between blocks is judged on the same characters whether a
// block end cuts it or not.
constexpr std::size_t kDirectLineLimit = LinePrefix::kCapacity;

}  // namespace

bool SourceScanner::feed(std::string_view block) {
  if (input_ended_) return false;
  const InputPart part = input_part(block);
  feed_text(part.text);
  input_ended_ = part.ends_input;
  return !input_ended_;
}

void SourceScanner::feed_text(std::string_view text) {
  const char* p = text.data();
  const char* end = p + text.size();
  run_.marks_from = p;
  while (p < end) p = step(p, end);
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

// Between blocks: decides what the line is from its first characters.
const char* SourceScanner::line_start(const char* p, const char* end) {
  if (prefix_.empty()) {
    if (!may_begin_something(*p)) {
      mode_ = Mode::SkipLine;
      return p;
    }
    // A line that ends within this block is read where it lies; only one
    // that goes on past the block is gathered into the prefix.
    const std::size_t reach = std::min<std::size_t>(
        static_cast<std::size_t>(end - p), kDirectLineLimit);
    if (const void* line_feed = std::memchr(p, '\n', reach)) {
      const auto* stop = static_cast<const char*>(line_feed);
      const auto* nul = static_cast<const char*>(
          std::memchr(p, '\0', static_cast<std::size_t>(stop - p)));
      if (nul != nullptr) stop = nul;
      act_on_line({p, static_cast<std::size_t>(stop - p)}, true);
      return stop;
    }
  }
  p = prefix_.take(p, end);
  if (prefix_.complete()) act_on_line(prefix_.text(), prefix_.line_ended());
  return p;
}

// line is the line's visible part when line_ended, else its first
// characters.
void SourceScanner::act_on_line(std::string_view line, bool line_ended) {
  const LineStart kind = classify_line(line);
  mode_ = Mode::SkipLine;
  if (kind.kind == LineKind::Ifconfig) {
    value_ = HexReader{};
    for (const char c : line.substr(kIfconfigValueOffset)) {
      if (!value_.feed(c)) {
        set_ifconfig(value_.low_byte());
        return;
      }
    }
    if (line_ended) {
      set_ifconfig(value_.low_byte());
    } else {
      mode_ = Mode::IfconfigValue;
    }
    return;
  }
  if (const UnreadTable unread = unread_table(line, kind); unread.found) {
    warnings_.table_not_read(line_, unread.name, unread.reason);
  }
  // Values on a header's own line are not collected, but a comment it
  // opens goes on into the block.
  if (kind.kind == LineKind::Header) {
    open_block(kind);
    run_.comments.follow(line);
  }
}

void SourceScanner::set_ifconfig(std::uint8_t value) {
  image_.IfConfig = value;
  warnings_.ifconfig(line_, value);
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

void SourceScanner::open_block(const LineStart& header) {
  in_block_ = true;
  const char* marks_from = run_.marks_from;
  run_ = ValueRun{};
  run_.marks_from = marks_from;
  std::size_t bank = 0;
  if (header.table == TableKind::InitData) {
    run_.next = image_.InitData.data();
    run_.table_end = run_.next + image_.InitData.size();
  } else {
    bank = bank_from_selector(header.selector);
    if (bank == kNoBank) return;  // a block that stores nothing
    if (header.table == TableKind::WaveData) {
      image_.BankUsed[bank] = true;
      run_.next = image_.WaveData.data() + bank * kWaveBankSize;
      run_.table_end = image_.WaveData.data() + image_.WaveData.size();
    } else {
      run_.next = image_.FlowStates.data() + bank * kFlowBankSize;
      run_.table_end = image_.FlowStates.data() + image_.FlowStates.size();
    }
  }
  block_start_ = run_.next;
  warnings_.block_opened(line_, header.table, bank);
}

void SourceScanner::close_block(bool closed) {
  in_block_ = false;
  if (run_.table_end == nullptr) return;
  warnings_.block_ended(
      static_cast<std::size_t>(run_.next - block_start_) + run_.dropped,
      closed);
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

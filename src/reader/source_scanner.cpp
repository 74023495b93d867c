#include "reader/source_scanner.h"

#include <algorithm>
#include <cstring>

#include "reader/value_search.h"

namespace wfpack {

namespace {

constexpr char kEndOfInput = 0x1A;

// How far ahead a line's end is looked for before its first characters are
// gathered into the prefix instead.
constexpr std::size_t kDirectLineLimit = 4 * LinePrefix::kCapacity;

}  // namespace

bool SourceScanner::feed(std::string_view block) {
  if (input_ended_ || block.empty()) return !input_ended_;
  const char* p = block.data();
  const char* end = p + block.size();
  if (const void* stop = std::memchr(p, kEndOfInput, block.size())) {
    end = static_cast<const char*>(stop);
    input_ended_ = true;
  }
  while (p < end) p = step(p, end);
  return !input_ended_;
}

void SourceScanner::finish() {
  switch (mode_) {
    case Mode::LineStart:
      if (!in_block_ && !prefix_.empty()) act_on_line(prefix_.text(), true);
      break;
    case Mode::IfconfigValue:
      image_.IfConfig = value_.low_byte();
      break;
    case Mode::ValueDigits:
      store(value_.low_byte());
      break;
    default:
      break;
  }
  mode_ = Mode::SkipLine;
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
      image_.IfConfig = value_.low_byte();
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
        store(value_.low_byte());
        mode_ = Mode::Values;
      }
      return p;

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
  mode_ = Mode::LineStart;
  prefix_.clear();
  brace_seen_ = false;
  return in_block_ && p < end ? block_line_start(p, end) : p;
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
  if (kind.kind == LineKind::Header) {
    // Values on a header's own line are not collected.
    open_block(kind);
  } else if (kind.kind == LineKind::Ifconfig) {
    value_ = HexReader{};
    for (const char c : line.substr(kIfconfigValueOffset)) {
      if (!value_.feed(c)) {
        image_.IfConfig = value_.low_byte();
        return;
      }
    }
    if (line_ended) {
      image_.IfConfig = value_.low_byte();
    } else {
      mode_ = Mode::IfconfigValue;
    }
  }
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
    in_block_ = false;
    mode_ = Mode::SkipLine;
    return p + 1;
  }
  mode_ = Mode::Values;
  return p;
}

void SourceScanner::open_block(const LineStart& header) {
  in_block_ = true;
  next_ = nullptr;
  table_end_ = nullptr;
  if (header.table == TableKind::InitData) {
    next_ = image_.InitData.data();
    table_end_ = next_ + image_.InitData.size();
    return;
  }
  const std::size_t bank = bank_from_selector(header.selector);
  if (bank == kNoBank) return;  // a block that stores nothing
  if (header.table == TableKind::WaveData) {
    image_.BankUsed[bank] = true;
    next_ = image_.WaveData.data() + bank * kWaveBankSize;
    table_end_ = image_.WaveData.data() + image_.WaveData.size();
  } else {
    next_ = image_.FlowStates.data() + bank * kFlowBankSize;
    table_end_ = image_.FlowStates.data() + image_.FlowStates.size();
  }
}

// Looks for values on the lines of a block: every "0x" starts one,
// wherever it stands; everything else (commas, blanks, comments and their
// words) is passed over. Nearly all of a source's bytes go through here.
const char* SourceScanner::scan_values(const char* p, const char* end) {
  ValueRun run{next_, table_end_};
  while (mode_ == Mode::Values) {
    if (run.next == run.table_end) {
      // Nothing more can be stored: only the line that ends the block
      // matters now.
      mode_ = Mode::SkipLine;
      break;
    }
    p = store_plain_values(p, end, run, kBlockEndStart);
    if (run.next == run.table_end) continue;
    p = find_value_stop(p, end);
    if (p == end) break;
    if (*p == '\n') {
      p = next_line(p + 1, end);
    } else if (*p == '\0') {
      mode_ = Mode::SkipLine;  // a NUL hides the rest of its line
    } else if (end - p < 2) {
      mode_ = Mode::ValueZero;
      ++p;
    } else if (p[1] != 'x') {
      ++p;  // the character after the "0" may itself start a value
    } else {
      HexReader value = HexReader::after_prefix();
      for (p += 2; p < end && value.feed(*p);) ++p;
      if (p == end) {
        value_ = value;  // the value may go on in the next block
        mode_ = Mode::ValueDigits;
      } else {
        // "0x" without digits stores 0x00, as strtol reads it. The
        // character that ended the value is no digit: the search goes on
        // from it.
        *run.next++ = value.low_byte();
      }
    }
  }
  next_ = run.next;
  return p;
}

}  // namespace wfpack

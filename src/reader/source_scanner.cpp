#include "reader/source_scanner.h"

#include <array>
#include <cstring>

namespace wfpack {

namespace {

// The design tool writes the IFCONFIG assignment with exactly this
// indentation; firmware that assigns IFCONFIG elsewhere is not read.
constexpr std::string_view kIfconfigPrefix = "  IFCONFIG =";

// Reading in large blocks keeps the per-byte cost down; the block lives on
// the stack, so memory does not grow with the input.
constexpr std::size_t kReadBlockSize = 64 * 1024;

constexpr char kEndOfInput = 0x1A;

bool is_blank(char c) { return c == ' ' || c == '\t'; }

}  // namespace

std::size_t bank_from_selector(char selector) {
  if (selector == '[') return 0;
  if (selector >= '0' && selector < static_cast<char>('0' + kBankCount)) {
    return static_cast<std::size_t>(selector - '0');
  }
  return kNoBank;
}

HeaderMatcher::Result HeaderMatcher::feed(char c) {
  switch (stage_) {
    case Stage::Word:
      if (c != literal_[matched_]) return Result::Failed;
      if (++matched_ == literal_.size()) return word_done();
      return Result::Pending;
    case Stage::Gap:
      if (!is_blank(c)) return Result::Failed;
      stage_ = Stage::GapRest;
      return Result::Pending;
    case Stage::GapRest:
      if (is_blank(c)) return Result::Pending;
      return start_word(c);
    case Stage::Selector:
      selector_ = c;
      return Result::Matched;
  }
  return Result::Failed;
}

HeaderMatcher::Result HeaderMatcher::end_of_line() {
  if (stage_ != Stage::Selector) return Result::Failed;
  selector_ = '\n';
  return Result::Matched;
}

// Picks the next word by its first character: after "char" come the
// optional storage class and the table name, which all begin differently.
HeaderMatcher::Result HeaderMatcher::start_word(char c) {
  stage_ = Stage::Word;
  matched_ = 0;
  if (word_ == Word::Const) {
    word_ = Word::Char;
    literal_ = "char";
  } else if (c == 'I') {
    word_ = Word::Name;
    table_ = TableKind::InitData;
    literal_ = "InitData[7] =";
  } else if (c == 'W') {
    word_ = Word::Name;
    table_ = TableKind::WaveData;
    literal_ = "WaveData";
  } else if (c == 'F') {
    word_ = Word::Name;
    table_ = TableKind::FlowStates;
    literal_ = "FlowStates";
  } else if (!storage_seen_ && (c == 'x' || c == '_')) {
    word_ = Word::Storage;
    storage_seen_ = true;
    literal_ = c == 'x' ? "xdata" : "__xdata";
  } else {
    return Result::Failed;
  }
  return feed(c);
}

HeaderMatcher::Result HeaderMatcher::word_done() {
  if (word_ != Word::Name) {
    stage_ = Stage::Gap;
    return Result::Pending;
  }
  if (table_ == TableKind::InitData) return Result::Matched;
  stage_ = Stage::Selector;
  return Result::Pending;
}

void SourceScanner::open_block(TableKind table, char selector) {
  in_block_ = true;
  next_ = nullptr;
  table_end_ = nullptr;
  if (table == TableKind::InitData) {
    next_ = image_.InitData.data();
    table_end_ = next_ + image_.InitData.size();
    return;
  }
  const std::size_t bank = bank_from_selector(selector);
  if (bank == kNoBank) return;  // a block that stores nothing
  if (table == TableKind::WaveData) {
    image_.BankUsed[bank] = true;
    next_ = image_.WaveData.data() + bank * kWaveBankSize;
    table_end_ = image_.WaveData.data() + image_.WaveData.size();
  } else {
    next_ = image_.FlowStates.data() + bank * kFlowBankSize;
    table_end_ = image_.FlowStates.data() + image_.FlowStates.size();
  }
}

// A line feed, or the end of the source, completes whatever the line was
// still reading.
void SourceScanner::complete_line() {
  switch (state_) {
    case State::IfconfigValue:
      image_.IfConfig = value_.low_byte();
      break;
    case State::ValueDigits:
      store(value_.low_byte());
      break;
    case State::Header:
      if (header_.end_of_line() == HeaderMatcher::Result::Matched) {
        open_block(header_.table(), header_.selector());
      }
      break;
    default:
      break;
  }
}

void SourceScanner::end_line() {
  complete_line();
  state_ = in_block_ ? State::BlockLineStart : State::LineStart;
}

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
  complete_line();
  state_ = State::LineStart;
}

// Advances through the block from p in the current state and returns where
// it stopped: at the end of the block, or where the state changed. A state
// that hands a character on to the next state returns without taking it.
const char* SourceScanner::step(const char* p, const char* end) {
  const char c = *p;
  switch (state_) {
    case State::LineStart:
      if (c == kIfconfigPrefix[0]) {
        prefix_matched_ = 0;
        state_ = State::IfconfigPrefix;
      } else if (c == 'c') {
        header_ = HeaderMatcher{};
        state_ = State::Header;
      } else {
        state_ = State::SkipLine;
      }
      return p;

    case State::IfconfigPrefix:
      if (c == '\n') break;
      if (c != kIfconfigPrefix[prefix_matched_]) {
        state_ = State::SkipLine;
        return p;
      }
      if (++prefix_matched_ == kIfconfigPrefix.size()) {
        value_ = HexReader{};
        state_ = State::IfconfigValue;
      }
      return p + 1;

    case State::IfconfigValue:
      // The value ends with its line, so the line feed must not be skipped
      // as leading space.
      if (c == '\n') break;
      if (value_.feed(c)) return p + 1;
      image_.IfConfig = value_.low_byte();
      state_ = State::SkipLine;
      return p;

    case State::Header:
      if (c == '\n') break;
      switch (header_.feed(c)) {
        case HeaderMatcher::Result::Pending:
          return p + 1;
        case HeaderMatcher::Result::Matched:
          open_block(header_.table(), header_.selector());
          // Values on the header's own line are not collected.
          state_ = State::SkipLine;
          return p + 1;
        case HeaderMatcher::Result::Failed:
          state_ = State::SkipLine;
          return p;
      }
      break;

    case State::BlockLineStart:
      if (c == '}') {
        state_ = State::BlockBrace;
        return p + 1;
      }
      state_ = State::Values;
      return p;

    case State::BlockBrace:
      if (c == ';') {
        in_block_ = false;
        state_ = State::SkipLine;
        return p + 1;
      }
      state_ = State::Values;
      return p;

    case State::Values:
      return scan_values(p, end);

    case State::ValueZero:
      // Only a lower-case x makes a value; otherwise the character may
      // itself start one.
      if (c == 'x') {
        value_ = HexReader::after_prefix();
        state_ = State::ValueDigits;
        return p + 1;
      }
      state_ = State::Values;
      return p;

    case State::ValueDigits:
      return read_value_digits(p, end);

    case State::SkipLine: {
      const auto* line_feed = static_cast<const char*>(
          std::memchr(p, '\n', static_cast<std::size_t>(end - p)));
      if (line_feed == nullptr) return end;
      end_line();
      return line_feed + 1;
    }
  }
  // The line feed that ends the line.
  end_line();
  return p + 1;
}

// Looks for the next "0" that may start a value. Everything else on the
// line is passed over: commas, blanks, comments and their words.
const char* SourceScanner::scan_values(const char* p, const char* end) {
  if (block_is_full()) {
    // Nothing more can be stored; only the "};" that ends the block
    // matters now.
    state_ = State::SkipLine;
    return p;
  }
  for (; p < end; ++p) {
    const char c = *p;
    if (c == '0') {
      state_ = State::ValueZero;
      return p + 1;
    }
    if (c == '\n') {
      end_line();
      return p + 1;
    }
    if (c == '\0') {
      // A NUL hides the rest of its line.
      state_ = State::SkipLine;
      return p + 1;
    }
  }
  return p;
}

const char* SourceScanner::read_value_digits(const char* p, const char* end) {
  for (; p < end; ++p) {
    const std::uint8_t digit = hex_digit_value(*p);
    if (digit == kNotHexDigit) {
      store(value_.low_byte());
      state_ = State::Values;
      return p;
    }
    value_.add_digit(digit);
  }
  return p;
}

void scan_source_text(std::string_view text, GpifImage& image) {
  SourceScanner scanner(image);
  scanner.feed(text);
  scanner.finish();
}

ScanStatus scan_source_file(std::FILE* source, GpifImage& image) {
  SourceScanner scanner(image);
  std::array<char, kReadBlockSize> block;
  for (;;) {
    const std::size_t count = std::fread(block.data(), 1, block.size(), source);
    // After a 0x1A nothing more is read.
    if (count > 0 && !scanner.feed({block.data(), count})) break;
    if (count < block.size()) {
      if (std::ferror(source)) return ScanStatus::ReadFailed;
      break;
    }
  }
  scanner.finish();
  return ScanStatus::Complete;
}

}  // namespace wfpack

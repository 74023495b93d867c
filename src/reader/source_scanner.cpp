#include "reader/source_scanner.h"

#include <algorithm>
#include <array>
#include <bit>
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

// Marks the bytes of word that are zero with their high bit. The lowest
// mark is always exact; marks above it may be false, which is all a search
// for the first such byte needs.
constexpr std::uint64_t zero_bytes(std::uint64_t word) {
  constexpr std::uint64_t kOnes = 0x0101010101010101u;
  constexpr std::uint64_t kHighs = 0x8080808080808080u;
  return (word - kOnes) & ~word & kHighs;
}

bool is_value_stop(char c) { return c == '0' || c == '\n' || c == '\0'; }

// Finds where the search for values on a block's line stops: at the "0"
// that may start a value, a line feed or a NUL; end if there is none. It
// tests eight bytes at a time, which keeps long comments cheap and, more
// than that, spares the processor a hard-to-predict branch on every byte.
const char* find_value_stop(const char* p, const char* end) {
  // Right after a value the stop is often one character on: the line feed
  // after a line's last comma, or the next "0x" after a blank.
  if (end - p >= 2) {
    if (is_value_stop(p[0])) return p;
    if (is_value_stop(p[1])) return p + 1;
    p += 2;
  }
  if constexpr (std::endian::native == std::endian::little) {
    constexpr std::uint64_t kZeros = 0x3030303030303030u;
    constexpr std::uint64_t kLineFeeds = 0x0A0A0A0A0A0A0A0Au;
    while (end - p >= 8) {
      std::uint64_t word;
      std::memcpy(&word, p, sizeof word);
      const std::uint64_t stops = zero_bytes(word ^ kZeros) |
                                  zero_bytes(word ^ kLineFeeds) |
                                  zero_bytes(word);
      if (stops != 0) return p + std::countr_zero(stops) / 8;
      p += 8;
    }
  }
  while (p < end && !is_value_stop(*p)) ++p;
  return p;
}

bool is_blank(char c) { return c == ' ' || c == '\t'; }

// What a character means right after a value's digits: a separator that
// may be followed by the next value of a run, or the end of the line's
// values (a line feed or a NUL).
constexpr std::uint8_t kDigit = 0;
constexpr std::uint8_t kSeparator = 1;
constexpr std::uint8_t kLineStop = 2;

constexpr std::array<std::uint8_t, 256> make_run_classes() {
  std::array<std::uint8_t, 256> classes{};
  for (std::size_t c = 0; c < classes.size(); ++c) {
    classes[c] =
        detail::kHexDigitTable[c] != kNotHexDigit ? kDigit : kSeparator;
  }
  classes['\n'] = kLineStop;
  classes[0] = kLineStop;
  return classes;
}
constexpr auto kRunClasses = make_run_classes();

// The byte that two hexadecimal digits spell, indexed by the two characters
// as they lie in memory; kNotTwoDigits where either is no digit.
constexpr std::uint16_t kNotTwoDigits = 0x100;

std::uint16_t two_chars(const char* p) {
  std::uint16_t pair;
  std::memcpy(&pair, p, sizeof pair);
  return pair;
}

constexpr std::array<std::uint16_t, 65536> make_digit_pairs() {
  std::array<std::uint16_t, 65536> pairs{};
  for (std::size_t first = 0; first < 256; ++first) {
    for (std::size_t second = 0; second < 256; ++second) {
      const std::uint8_t high = detail::kHexDigitTable[first];
      const std::uint8_t low = detail::kHexDigitTable[second];
      const std::size_t index = std::endian::native == std::endian::little
                                    ? first | second << 8
                                    : first << 8 | second;
      pairs[index] = high == kNotHexDigit || low == kNotHexDigit
                         ? kNotTwoDigits
                         : static_cast<std::uint16_t>(high << 4 | low);
    }
  }
  return pairs;
}
// Too large for some compilers to build while compiling; then it is built
// once at start-up.
const auto kDigitPairs = make_digit_pairs();

// The byte that two hexadecimal digits at p spell when the character after
// them is no digit, as with most values; kNotTwoDigits otherwise.
unsigned two_digit_value(const char* p) {
  if (kRunClasses[static_cast<unsigned char>(p[2])] == kDigit) {
    return kNotTwoDigits;
  }
  return kDigitPairs[two_chars(p)];
}

// Design tools write tables as runs like "0x07,0x04,0x3a": two-digit values
// one separator apart. Following such a run by fixed steps keeps each value
// independent of the search for the one before it, which is several times
// faster than searching. p is at the character that ended a value; returns
// where the run ends, again at such a character.
const char* read_value_run(const char* p, const char* end, std::uint8_t*& next,
                           const std::uint8_t* table_end) {
  if (kRunClasses[static_cast<unsigned char>(*p)] != kSeparator) return p;
  // Each step reads p[0] to p[5] and moves on by 5; it stops early at the
  // end of the table.
  constexpr std::ptrdiff_t kStep = 5;
  if (end - p < kStep + 1) return p;
  std::ptrdiff_t steps =
      std::min<std::ptrdiff_t>((end - p - 1) / kStep, table_end - next);
  const std::uint16_t prefix = two_chars("0x");
  for (; steps > 0; --steps) {
    // "0x", two digits, then a separator or the end of the line's values.
    const unsigned value = two_digit_value(p + 3);
    if (two_chars(p + 1) != prefix || value > 0xFF) break;
    *next++ = static_cast<std::uint8_t>(value);
    p += kStep;
    if (kRunClasses[static_cast<unsigned char>(*p)] != kSeparator) break;
  }
  return p;
}

}  // namespace

std::size_t bank_from_selector(char selector) {
  if (selector == '[') return 0;
  if (selector >= '0' && selector < static_cast<char>('0' + kBankCount)) {
    return static_cast<std::size_t>(selector - '0');
  }
  return kNoBank;
}

HeaderMatcher::Result HeaderMatcher::match(const char*& p, const char* end) {
  while (p < end) {
    switch (stage_) {
      case Stage::Word: {
        // A literal holds no line feed, so a line that ends early fails
        // here and p stays before its line feed.
        const std::size_t count = std::min(literal_.size() - matched_,
                                           static_cast<std::size_t>(end - p));
        if (std::memcmp(p, literal_.data() + matched_, count) != 0) {
          return Result::Failed;
        }
        p += count;
        matched_ += count;
        if (matched_ == literal_.size() && word_done()) return Result::Matched;
        break;
      }
      case Stage::Gap:
        if (!is_blank(*p)) return Result::Failed;
        ++p;
        stage_ = Stage::GapRest;
        break;
      case Stage::GapRest:
        while (p < end && is_blank(*p)) ++p;
        if (p == end) return Result::Pending;
        if (!start_word(*p)) return Result::Failed;
        break;
      case Stage::Selector:
        // The line feed itself is left to end the line; end_of_line then
        // completes the header with it.
        if (*p == '\n') return Result::Pending;
        selector_ = *p++;
        return Result::Matched;
    }
  }
  return Result::Pending;
}

const char* HeaderMatcher::skip_usual_start(const char* p, const char* end) {
  constexpr std::string_view kUsualStart = "const char xdata ";
  if (static_cast<std::size_t>(end - p) <= kUsualStart.size() ||
      std::memcmp(p, kUsualStart.data(), kUsualStart.size()) != 0) {
    return p;
  }
  word_ = Word::Storage;
  storage_seen_ = true;
  stage_ = Stage::GapRest;
  return p + kUsualStart.size();
}

HeaderMatcher::Result HeaderMatcher::end_of_line() {
  if (stage_ != Stage::Selector) return Result::Failed;
  selector_ = '\n';
  return Result::Matched;
}

// Picks the next word by its first character: after "char" come the
// optional storage class and the table name, which all begin differently.
bool HeaderMatcher::start_word(char c) {
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
    return false;
  }
  return true;
}

// Returns whether the header is complete with this word.
bool HeaderMatcher::word_done() {
  if (word_ != Word::Name) {
    stage_ = Stage::Gap;
    return false;
  }
  if (table_ == TableKind::InitData) return true;
  stage_ = Stage::Selector;
  return false;
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
        return header_.skip_usual_start(p, end);
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

    case State::Header: {
      const HeaderMatcher::Result result = header_.match(p, end);
      if (result == HeaderMatcher::Result::Pending) {
        if (p == end) return end;
        break;  // at the line feed
      }
      if (result == HeaderMatcher::Result::Matched) {
        open_block(header_.table(), header_.selector());
      }
      // Values on a header's own line are not collected.
      state_ = State::SkipLine;
      return p;
    }

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

// Looks for values on a line of a block: every "0x" starts one, wherever it
// stands; everything else (commas, blanks, comments and their words) is
// passed over. This is where nearly all of a source's bytes go, so a value
// that lies wholly in the block is read right here; only one cut by the end
// of the block goes through the value states.
const char* SourceScanner::scan_values(const char* p, const char* end) {
  std::uint8_t* next = next_;
  std::uint8_t* const table_end = table_end_;
  // Nothing more can be stored once the table is full; then only the "};"
  // that ends the block matters, and the rest of the line is skipped.
  while (next != table_end) {
    p = find_value_stop(p, end);
    if (p == end) break;
    const char stop = *p++;
    if (stop == '\n') {
      // The block's next line: "};" at its start ends the block.
      if (end - p < 2) {
        next_ = next;
        state_ = State::BlockLineStart;
        return p;
      }
      if (p[0] == '}') {
        if (p[1] == ';') {
          next_ = next;
          in_block_ = false;
          state_ = State::SkipLine;
          return p + 2;
        }
        ++p;  // a "}" starts no value
      }
      continue;
    }
    if (stop == '\0') {
      // A NUL hides the rest of its line.
      next_ = next;
      state_ = State::SkipLine;
      return p;
    }
    // A "0": only a lower-case x right after it makes a value; otherwise
    // the character after the "0" may itself start one.
    if (p == end) {
      next_ = next;
      state_ = State::ValueZero;
      return end;
    }
    if (*p != 'x') continue;
    ++p;
    if (end - p >= 3) {
      if (const unsigned value = two_digit_value(p); value <= 0xFF) {
        *next++ = static_cast<std::uint8_t>(value);
        p = read_value_run(p + 2, end, next, table_end);
        continue;
      }
    }
    HexReader value = HexReader::after_prefix();
    std::uint8_t digit;
    while (p < end && (digit = hex_digit_value(*p)) != kNotHexDigit) {
      value.add_digit(digit);
      ++p;
    }
    if (p == end) {
      // The value may go on in the next block.
      next_ = next;
      value_ = value;
      state_ = State::ValueDigits;
      return end;
    }
    // "0x" without digits stores 0x00, as strtol reads it. The character
    // that ended the value is no digit, so the search goes on from it.
    *next++ = value.low_byte();
  }
  next_ = next;
  if (next == table_end && p < end) state_ = State::SkipLine;
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

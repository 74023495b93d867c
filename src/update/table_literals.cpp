// The second pass over a source, plain and scalar: the reader's rules for
// lines, table headers and values, applied one character at a time, with
// the compiler's view of each body beside them.
#include "update/table_literals.h"

#include <algorithm>

#include "format/comments.h"
#include "format/line_class.h"
#include "format/source_format.h"
#include "reader/line_prefix.h"

namespace wfpack {

namespace {

constexpr std::uint32_t kLargestStored = 0x7FFFFFFF;

// The body being read: the table bytes its values go to, how many it read
// and what it holds besides plain literals.
struct Body {
  std::size_t first = 0;
  std::size_t limit = 0;  // its values run on into later banks up to here
  std::size_t size = 0;   // what its table holds
  std::size_t count = 0;
  std::size_t header_line = 0;
  BodyFault fault = BodyFault::None;
  std::size_t fault_line = 0;
  std::size_t upper = 0;
  std::size_t lower = 0;

  void fail(BodyFault why, std::size_t line) {
    if (fault != BodyFault::None) return;
    fault = why;
    fault_line = line;
  }
};

class Pass {
 public:
  Pass(std::array<Literal, kTableByteCount>& literals,
       std::array<std::uint8_t, kTableByteCount>& values)
      : literals_(literals), values_(values) {}

  // A line of the source, without its line feed, which begins at offset.
  void line(std::string_view text, std::size_t number, std::size_t offset) {
    offset_ = offset;
    const std::string_view visible = text.substr(0, text.find(kHidingNul));
    if (!open_) {
      between_bodies(visible, number);
    } else if (visible.starts_with(kTableBodyEnd)) {
      close();
    } else {
      if (visible.size() != text.size()) body_.fail(BodyFault::NulByte, number);
      values(visible, number);
    }
    comments_.end_line();
  }

  void finish() {
    if (!open_) return;
    body_.fail(BodyFault::NotClosed, body_.header_line);
    close();
  }

 private:
  void between_bodies(std::string_view visible, std::size_t number) {
    LinePrefix prefix;
    prefix.take(visible.data(), visible.data() + visible.size());
    const LineClass header = classify_line(prefix.text());
    if (header.kind != LineKind::Header) return;
    open_ = true;
    comments_ = Comments{};
    body_ = Body{};
    body_.header_line = number;
    body_.size = table_size(header.table);
    if (header.table == TableKind::InitData) {
      body_.first = kInitDataAt;
      body_.limit = kWaveDataAt;
    } else if (const std::size_t bank = bank_from_selector(header.selector);
               bank != kNoBank) {
      const bool wave = header.table == TableKind::WaveData;
      body_.first =
          wave ? wave_byte(bank, 0) : kFlowStatesAt + bank * kFlowBankSize;
      body_.limit = wave ? kFlowStatesAt : kTableByteCount;
    }
    const std::size_t assignment = visible.find(kAssignment);
    if (assignment != std::string_view::npos &&
        holds_values(visible.substr(assignment))) {
      body_.fail(BodyFault::HeaderValues, number);
    }
    // A comment the header's line opens goes on into the body.
    comments_.follow(visible);
  }

  void values(std::string_view v, std::size_t number) {
    for (std::size_t i = 0; i < v.size();) {
      if (i + 1 < v.size() && starts_value(v[i], v[i + 1])) {
        i = value(v, i, number);
      } else if (i + 1 < v.size() && comments_.mark(v[i], v[i + 1]) != 0) {
        i += 2;
      } else {
        const char c = v[i++];
        if (!comments_.inside() && !is_blank_or_return(c) &&
            c != kValueSeparator && c != kValuesOpen) {
          body_.fail(BodyFault::OtherToken, number);
        }
      }
    }
  }

  // The value at v[at], as the reader takes it; returns where the reader
  // goes on.
  std::size_t value(std::string_view v, std::size_t at, std::size_t number) {
    std::size_t end = at + kValuePrefix.size();
    std::uint64_t magnitude = 0;
    bool upper = false;
    bool lower = false;
    for (; end < v.size() && is_hex_digit(v[end]); ++end) {
      const char c = v[end];
      const char folded = static_cast<char>(c | kLetterCaseBit);
      const int digit = is_decimal_digit(c) ? c - '0' : folded - 'a' + 10;
      magnitude = std::min<std::uint64_t>(
          magnitude * 16 + static_cast<unsigned>(digit), kLargestStored + 1ull);
      if (!is_decimal_digit(c)) (c == folded ? lower : upper) = true;
    }
    const std::size_t digits = end - at - kValuePrefix.size();
    if (comments_.inside()) {
      body_.fail(BodyFault::CommentValue, number);
    } else if (digits == 0 || magnitude > kLargestStored ||
               (at > 0 && is_identifier_char(v[at - 1])) ||
               (end < v.size() && is_identifier_char(v[end]))) {
      body_.fail(BodyFault::BadValue, number);
    } else if (upper != lower) {
      ++(upper ? body_.upper : body_.lower);
    }
    if (body_.count == body_.size) body_.fail(BodyFault::Overrun, number);
    const std::size_t to = body_.first + body_.count++;
    if (body_.limit != 0 && to < body_.limit) {
      Literal& literal = literals_[to];
      literal = Literal{};
      literal.offset = offset_ + at;
      literal.digits = digits;
      literal.line = number;
      values_[to] = magnitude > kLargestStored
                        ? 0xFF
                        : static_cast<std::uint8_t>(magnitude & 0xFF);
    }
    return digits == 0 ? at + 1 : end;
  }

  void close() {
    open_ = false;
    const std::size_t stored =
        std::min(body_.count, body_.limit - std::min(body_.limit, body_.first));
    for (std::size_t i = 0; i < stored; ++i) {
      Literal& literal = literals_[body_.first + i];
      literal.fault = body_.fault;
      literal.fault_line = body_.fault_line;
      literal.upper_case = body_.upper >= body_.lower;
    }
  }

 private:
  std::size_t offset_ = 0;  // of the line being read
  std::array<Literal, kTableByteCount>& literals_;
  std::array<std::uint8_t, kTableByteCount>& values_;
  bool open_ = false;
  Body body_;
  Comments comments_;
};

}  // namespace

TableLiterals::TableLiterals(std::string_view source, const GpifImage& image) {
  std::array<std::uint8_t, kTableByteCount> values{};
  Pass pass(literals_, values);
  source = source.substr(0, source.find(kEndOfInput));
  std::size_t number = 1;
  for (std::size_t at = 0; at < source.size(); ++number) {
    const std::size_t end = std::min(source.find(kLineFeed, at), source.size());
    pass.line(source.substr(at, end - at), number, at);
    at = end + 1;
  }
  pass.finish();
  // A byte whose literal does not give what the reader read is not known
  // to stand there.
  for (std::size_t at = 0; at < kTableByteCount; ++at) {
    if (literals_[at].supplied() && values[at] != table_byte(image, at)) {
      literals_[at].fault = BodyFault::OtherToken;
      literals_[at].fault_line = literals_[at].line;
    }
  }
}

}  // namespace wfpack

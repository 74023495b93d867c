// The scanner's lines between table bodies, and the bodies their headers
// open.
#include <algorithm>
#include <cstring>

#include "reader/source_scanner.h"
#include "warnings/unread_table.h"

namespace wfpack {

namespace {

// How far ahead a line's end is looked for before its first characters are
// gathered into the prefix instead: no further than the prefix holds, so
// that a line is judged on the same characters whether a chunk's end cuts
// it or not.
constexpr std::size_t kDirectLineLimit = LinePrefix::kCapacity;

}  // namespace

// Between table bodies: decides what the line is from its first
// characters.
const char* SourceScanner::read_line_beginning(const char* p, const char* end) {
  if (prefix_.empty()) {
    // A "//" line may describe the design; the rest of its kind are passed
    // over as soon as their first characters tell.
    const bool comment = *p == kCommentSlash;
    if (comment ? !descriptions_.may_describe(
                      {p, static_cast<std::size_t>(end - p)})
                : !may_begin_something(*p)) {
      mode_ = Mode::SkipLine;
      return p;
    }
    if (comment) prefix_.keep_blanks();
    // A line that ends within this chunk is read where it lies; only one
    // that goes on past the chunk is gathered into the prefix.
    const std::size_t reach = std::min<std::size_t>(
        static_cast<std::size_t>(end - p), kDirectLineLimit);
    if (const void* line_feed = std::memchr(p, kLineFeed, reach)) {
      const auto* stop = static_cast<const char*>(line_feed);
      const auto* nul = static_cast<const char*>(
          std::memchr(p, kHidingNul, static_cast<std::size_t>(stop - p)));
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
  mode_ = Mode::SkipLine;
  if (line.starts_with(kCommentSlash)) {
    descriptions_.read_line(line_, line);
    return;
  }
  const LineClass line_class = classify_line(line);
  if (line_class.kind == LineKind::Ifconfig) {
    const std::string_view rest = line.substr(kIfconfigPrefix.size());
    value_ = HexReader{};
    for (const char c : rest) {
      if (!value_.feed(c)) {
        set_ifconfig(value_.low_byte(), rest);
        return;
      }
    }
    if (line_ended) {
      set_ifconfig(value_.low_byte(), rest);
    } else {
      mode_ = Mode::IfconfigValue;
    }
    return;
  }
  if (const UnreadTable unread = unread_table(line, line_class); unread.found) {
    warnings_.table_not_read(line_, unread);
  }
  // Only the first such line counts, and only while no IFCONFIG line was
  // read.
  if (line_class.kind == LineKind::Other && !ifconfig_settled_ &&
      assigns_ifconfig(line)) {
    warnings_.ifconfig_not_read(line_);
    ifconfig_settled_ = true;
  }
  // Values on a header's own line are not collected, but a comment it
  // opens goes on into the body.
  if (line_class.kind == LineKind::Header) {
    open_table_body(line_class);
    body_.holds_values = holds_values(line.substr(line_class.name_at));
    run_.comments.follow(line);
  }
}

void SourceScanner::set_ifconfig(std::uint8_t value, std::string_view rest) {
  image_.IfConfig = value;
  ifconfig_settled_ = true;
  warnings_.ifconfig(line_, value, rest);
}

void SourceScanner::open_table_body(const LineClass& header) {
  in_body_ = true;
  const char* marks_from = run_.marks_from;
  run_ = ValueRun{};
  run_.marks_from = marks_from;
  body_ = {line_, header.table, kNoBank, false};
  std::size_t bank = 0;
  if (header.table == TableKind::InitData) {
    run_.next = image_.InitData.data();
    run_.table_end = run_.next + image_.InitData.size();
  } else {
    bank = bank_from_selector(header.selector);
    if (header.table == TableKind::WaveData) descriptions_.wave_table(bank);
    if (bank == kNoBank) return;  // a body that stores nothing
    if (header.table == TableKind::WaveData) {
      image_.BankUsed[bank] = true;
      run_.next = image_.WaveData.data() + bank * kWaveBankSize;
      run_.table_end = image_.WaveData.data() + image_.WaveData.size();
    } else {
      run_.next = image_.FlowStates.data() + bank * kFlowBankSize;
      run_.table_end = image_.FlowStates.data() + image_.FlowStates.size();
    }
  }
  body_start_ = run_.next;
  body_.bank = bank;
  warnings_.table_body_opened(line_, header.table, bank);
}

void SourceScanner::close_table_body(bool closed) {
  in_body_ = false;
  if (run_.table_end == nullptr) return;
  warnings_.table_body_ended(
      static_cast<std::size_t>(run_.next - body_start_) + run_.dropped, closed);
}

}  // namespace wfpack

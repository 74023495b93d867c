#include "reader/source_scanner.h"

#include <cstring>

namespace wfpack {

bool SourceScanner::feed(std::string_view chunk) {
  if (input_ended_ || chunk.empty()) return !input_ended_;
  const char* p = chunk.data();
  const char* end = p + chunk.size();
  if (const void* stop = std::memchr(p, kEndOfInput, chunk.size())) {
    end = static_cast<const char*>(stop);
    input_ended_ = true;
  }
  run_.marks_from = p;
  chunk_start_ = p;
  if (gathering_) gather_body_line(p, end);
  while (p < end) p = step(p, end);
  tail_.take({chunk_start_, static_cast<std::size_t>(end - chunk_start_)});
  return !input_ended_;
}

// Advances through the chunk from p in the current mode and returns where
// it stopped: at the end of the chunk, or where the mode changed.
const char* SourceScanner::step(const char* p, const char* end) {
  switch (mode_) {
    case Mode::LineBeginning:
      return in_body_ ? read_body_line_beginning(p, end)
                      : read_line_beginning(p, end);

    case Mode::IfconfigValue:
      // The value ends with its line: the line feed is no leading space.
      if (*p != kLineFeed && value_.feed(*p)) return p + 1;
      set_ifconfig(value_.low_byte(), ifconfig_rest());
      mode_ = Mode::SkipLine;
      return p;

    case Mode::Values:
      return read_values_of_body(p, end);

    case Mode::MaybeValue:
      // Only the prefix's second character makes a value; any other
      // character may itself start one, or end the line.
      mode_ = Mode::Values;
      if (*p == kUpperValuePrefix[1]) return after_upper_prefix(p + 1, end);
      if (*p != kValuePrefix[1]) return p;
      value_ = HexReader::after_prefix();
      mode_ = Mode::ValueDigits;
      return p + 1;

    case Mode::UpperPrefix:
      mode_ = Mode::Values;
      note_upper_value(*p);
      return p;

    case Mode::ValueDigits:
      while (p < end && value_.feed(*p)) ++p;
      if (p < end) {
        take_value(value_.low_byte());
        mode_ = Mode::Values;
      }
      return p;

    case Mode::CommentMark:
      mode_ = Mode::Values;
      if (run_.comments.mark(pending_mark_, *p) == 0) return p;
      run_.marks_from = p + 1;
      return p + 1;

    case Mode::SkipLine: {
      const auto* line_feed = static_cast<const char*>(
          std::memchr(p, kLineFeed, static_cast<std::size_t>(end - p)));
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
  mode_ = Mode::LineBeginning;
  prefix_.clear();
  gathering_ = false;
  brace_seen_ = false;
  return in_body_ && p < end ? read_body_line_beginning(p, end) : p;
}

// At the end of a line: values inside its comments.
void SourceScanner::report_comment_values() {
  if (run_.comment_values == 0) return;
  warnings_.comment_values(line_, run_.comment_values);
  run_.comment_values = 0;
}

// In a table body, the first characters of a line tell whether it ends the
// body. Its first character, which starts no value, may be the last the
// chunk holds; otherwise the line's values are looked for from there.
inline const char* SourceScanner::read_body_line_beginning(const char* p,
                                                           const char* end) {
  static_assert(kTableBodyEnd.size() == 2);
  if (!brace_seen_) {
    if (*p != kTableBodyEnd[0]) {
      mode_ = Mode::Values;
      if (may_begin_declaration(*p)) {
        gathering_ = true;
        gather_body_line(p, end);
      }
      // Nothing that follows the brace can go on it, so the value search,
      // which would stop at it, starts after it.
      return *p == kValuesOpen ? p + 1 : p;
    }
    brace_seen_ = true;
    if (++p == end) return p;
  }
  brace_seen_ = false;
  if (*p == kTableBodyEnd[1]) {
    close_table_body(true);
    mode_ = Mode::SkipLine;
    return p + 1;
  }
  mode_ = Mode::Values;
  return p;
}

// Looks for values on the lines of a table body: every value prefix starts
// one, wherever it stands; everything else (commas, blanks, comments and
// their words) is passed over. Nearly all of a source's bytes go through
// the value search; what it stops at is read here.
const char* SourceScanner::read_values_of_body(const char* p, const char* end) {
  if (run_.table_end == nullptr) {
    // A body that stores nothing: only the line that ends it, or declares a
    // table, matters.
    mode_ = gathering_ ? Mode::Values : Mode::SkipLine;
    return gathering_ ? end : p;
  }
  while (mode_ == Mode::Values) {
    // Where the characters before p may change what a value right after
    // them is, the windows cannot tell: the next byte is read here.
    p = p < end && may_have_context_at(p) ? next_value_stop(p, end)
                                          : read_values(kernel_, p, end, run_);
    line_ += run_.line_feeds;
    run_.line_feeds = 0;
    if (p == end) break;
    if (*p == kLineFeed) {
      p = next_line(p + 1, end);
    } else if (is_line_stop(*p)) {
      mode_ = Mode::SkipLine;  // a NUL hides the rest of its line
    } else if (may_mark_comment(*p)) {
      if (p < run_.marks_from) {
        ++p;  // the second character of a mark already taken
      } else if (end - p < 2) {
        pending_mark_ = *p++;
        mode_ = Mode::CommentMark;
      } else if (run_.comments.mark(p[0], p[1]) != 0) {
        p += 2;
        run_.marks_from = p;
      } else {
        ++p;
      }
    } else if (end - p < 2) {
      value_context_ = context_at(p);
      mode_ = Mode::MaybeValue;
      ++p;
    } else if (p[1] == kUpperValuePrefix[1]) {
      value_context_ = context_at(p);
      p = after_upper_prefix(p + 2, end);
    } else if (!starts_value(p[0], p[1])) {
      ++p;  // the character after the "0" may itself start a value
    } else {
      value_context_ = context_at(p);
      value_ = HexReader::after_prefix();
      for (p += kValuePrefix.size(); p < end && value_.feed(*p);) ++p;
      if (p == end) {
        mode_ = Mode::ValueDigits;  // the value may go on in the next chunk
      } else {
        // A prefix without digits stores 0x00, as strtol reads it. The
        // character that ended the value is no digit: the search goes on
        // from it.
        take_value(value_.low_byte());
      }
    }
  }
  return p;
}

}  // namespace wfpack

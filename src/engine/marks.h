// What a window holds, derived from its kernel's classes in code that knows
// no instruction set: where values start, where lines stop, where comments
// may open and close. Each of these is decided here once, for every kernel,
// from the format's own characters.
#pragma once

#include <cstddef>
#include <cstdint>

#include "engine/masks.h"
#include "format/source_format.h"

namespace wfpack::engine {

static_assert(kValuePrefix.size() == 2, "a value start is a pair of bytes");

struct WindowMarks {
  std::uint64_t starts = 0;         // kValuePrefix, which starts a value
  std::uint64_t line_stops = 0;     // where a line's visible part ends
  std::uint64_t opens = 0;          // "/*"
  std::uint64_t closes = 0;         // "*/"
  std::uint64_t line_comments = 0;  // "//"
  // Neither a blank nor kValueSeparator: left to the search to set, from
  // marked_bytes, in the windows that store values, as the others never
  // look at it.
  std::uint64_t marked = 0;

  std::uint64_t comment_marks() const { return opens | closes | line_comments; }
};

template <class Kernel>
typename Kernel::Flags value_start_flags(const char* p) {
  return Kernel::equal(p, kValuePrefix[0]) &
         Kernel::equal(p + 1, kValuePrefix[1]);
}

template <class Kernel>
typename Kernel::Flags line_stop_flags(const char* p) {
  typename Kernel::Flags stops = Kernel::equal(p, kLineStops[0]);
  for (std::size_t i = 1; i < kLineStops.size(); ++i) {
    stops = stops | Kernel::equal(p, kLineStops[i]);
  }
  return stops;
}

// A pair of characters marked where it begins, from the masks of its first
// and second characters and whether the byte after the window is the
// second.
inline std::uint64_t pairs(std::uint64_t first, std::uint64_t second,
                           bool second_after) {
  return first & (second >> 1 | std::uint64_t{second_after} << 63);
}

template <class Kernel>
std::uint64_t marked_bytes(const char* p) {
  return Kernel::bits(Kernel::and_not(Kernel::at_least(p, kFirstNonBlank),
                                      Kernel::equal(p, kValueSeparator)));
}

template <class Kernel>
WindowMarks marks_of(const char* p) {
  WindowMarks marks;
  marks.starts = Kernel::bits(value_start_flags<Kernel>(p));
  marks.line_stops = Kernel::bits(line_stop_flags<Kernel>(p));
  const std::uint64_t slashes = Kernel::bits(Kernel::equal(p, kCommentSlash));
  const std::uint64_t stars = Kernel::bits(Kernel::equal(p, kCommentStar));
  const char after = p[kWindowSize];
  marks.opens = pairs(slashes, stars, after == kCommentStar);
  marks.closes = pairs(stars, slashes, after == kCommentSlash);
  marks.line_comments = pairs(slashes, slashes, after == kCommentSlash);
  return marks;
}

// The bytes below the window's limit, outside comments, that are neither a
// value's prefix and two digits nor what sets values apart: an operator, a
// name, a stray digit, a "0X". Only at one of them can a value the search
// stores be read otherwise by the compiler ("-0x01", "a0x12", a value
// after "0X"), so the search hands the rest of such a window to the
// scanner, which looks at each value exactly. The usual window has none;
// bytes from 0x80 up count as blanks, as none of them takes part. A
// window's first byte may be the "/" of a "*/" begun before it, which
// marks_from tells.
inline std::uint64_t unusual_bytes(const char* p, const WindowMarks& marks,
                                   std::uint64_t inside, std::uint64_t below,
                                   const char* marks_from) {
  // Each start with the 3 bytes after it. Starts stand at least 4 apart
  // unless the first of them is a value of another form ("0x0x") or the
  // search stops before ("0x10x5"); where the product carries over, it does
  // so only above such a value, where the search stops anyway.
  const std::uint64_t values = marks.starts * 0x0F;
  std::uint64_t unusual = marks.marked & ~values & ~inside & below;
  if (unusual != 0 && marks_from > p) unusual &= ~std::uint64_t{1};
  return unusual;
}

// Counts into counted the values of a window past a full table and returns
// true, if the window can be counted whole: it has no line stop, and each
// value start in it is certain. A value start right after a digit or an
// "x" may be a value's digits ("0x10x5"); after any other character it
// always starts one. Bytes from "0" up are a superset of both, found by one
// compare. The byte before the window is looked at only where
// before_readable.
template <class Kernel>
bool count_if_certain(const char* p, bool before_readable,
                      std::size_t& counted) {
  const typename Kernel::Flags starts = value_start_flags<Kernel>(p);
  const std::uint64_t start_bits = Kernel::bits(starts);
  std::uint64_t trouble = 0;
  if (before_readable) {
    trouble = Kernel::bits(line_stop_flags<Kernel>(p) |
                           (starts & Kernel::at_least(p - 1, '0')));
  } else {
    trouble = Kernel::bits(line_stop_flags<Kernel>(p)) |
              (start_bits & (Kernel::bits(Kernel::at_least(p, '0')) << 1 | 1));
  }
  if (trouble != 0) return false;
  counted += count_bits(start_bits);
  return true;
}

}  // namespace wfpack::engine

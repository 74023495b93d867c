// Following comments across a window of a table body, as the one comment
// state machine (format/comments.h) would character by character, for the
// value search. Inline: it runs for nearly every window of a table with
// labelled rows.
#pragma once

#include <bit>
#include <cstdint>

#include "engine/masks.h"
#include "format/comments.h"

namespace wfpack::engine {

// Each bit set with all the bits below it, XORed: bit i tells whether an
// odd number of bits 0 to i are set.
inline std::uint64_t prefix_xor(std::uint64_t bits) {
  bits ^= bits << 1;
  bits ^= bits << 2;
  bits ^= bits << 4;
  bits ^= bits << 8;
  bits ^= bits << 16;
  bits ^= bits << 32;
  return bits;
}

// The marks of a window that can open or close a comment, before the bit
// where the stretch followed ends.
struct CommentMarks {
  std::uint64_t opens = 0;          // "/*"
  std::uint64_t closes = 0;         // "*/"
  std::uint64_t line_comments = 0;  // "//"
  std::uint64_t all() const { return opens | closes | line_comments; }
};

// The usual case, as in "/* LenBr */ 0x04, ...": only "/*" and "*/" marks,
// none sharing a character with another. Then the comments are followed for
// the whole stretch at once, from bit 0 to bit to: it returns true with
// inside set to the bits within comments, and the marks taken; in any other
// case it changes nothing and returns false.
inline bool follow_slash_star_only(const char* p, CommentMarks marks, int to,
                                   Comments& comments, const char*& marks_from,
                                   std::uint64_t& inside) {
  const bool starts_inside = comments.inside();
  if (starts_inside && !comments.inside_slash_star()) return false;
  if (p < marks_from) {
    const std::uint64_t untaken = ~bits_below(static_cast<int>(marks_from - p));
    marks.opens &= untaken;
    marks.closes &= untaken;
    marks.line_comments &= untaken;
  }
  if (marks.line_comments != 0) return false;  // "//": the long way
  const std::uint64_t opens = marks.opens;
  const std::uint64_t closes = marks.closes;
  if ((closes & (opens << 1)) != 0 || (opens & (closes << 1)) != 0) {
    return false;  // "/*/" or "*/*"
  }
  // In a comment from its "/" to the "/" that closes it.
  std::uint64_t in = prefix_xor(opens | closes << 2);
  if (starts_inside) in = ~in;
  if ((opens & ~in) != 0 || (closes & ~in) != 0) return false;
  inside = in & bits_below(to);
  if (const std::uint64_t all = opens | closes; all != 0) {
    const int last = 63 - std::countl_zero(all);
    const bool ends_inside = (opens >> last & 1) != 0;
    // The machine takes the last mark, so that its state is its own.
    if (ends_inside != starts_inside) comments.mark(p[last], p[last + 1]);
    marks_from = p + last + 2;
  }
  return true;
}

// Follows the comments from the window's start to bit to, mark by mark and
// as line feeds end "//" ones, and returns the bits that lie inside a
// comment. Out of line, so that the usual case stays small enough to be
// inlined.
std::uint64_t follow_comment_marks(const char* p, std::uint64_t marks,
                                   std::uint64_t line_feeds, int to,
                                   Comments& comments, const char*& marks_from);

// The bits from the window's start to bit to that lie inside a comment,
// given the marks and the line feeds before to. comments and marks_from
// (marks before it are taken already) move on to bit to.
inline std::uint64_t follow_comments(const char* p, CommentMarks marks,
                                     std::uint64_t line_feeds, int to,
                                     Comments& comments,
                                     const char*& marks_from) {
  std::uint64_t inside = 0;
  if (follow_slash_star_only(p, marks, to, comments, marks_from, inside)) {
    return inside;
  }
  return follow_comment_marks(p, marks.all(), line_feeds, to, comments,
                              marks_from);
}

}  // namespace wfpack::engine

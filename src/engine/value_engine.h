// The value search: reads the values of a table body a window of 64 bytes
// at a time, for the scanner, which calls it for nearly every byte of a
// table and goes on byte by byte wherever it stops.
//
// The layers, each using only those below it:
// - kernel_portable.h, kernel_sse2.h, kernel_avx2.h: each classifies the
//   bytes of a window (one, 16 or 32 at a time) into flags that combine
//   with & and |, and makes bit masks of them (masks.h). Nothing else knows
//   an instruction set.
// - marks.h: what a value start, a line stop and a comment mark are,
//   derived once for every kernel from the format's own characters.
// - values.h, comment_follow.h, overrun_count.h: a window's values, its
//   comments, and the values past a full table.
// - search.h: the loop over windows. dispatch.cpp builds it once for each
//   kernel and is the one place that chooses among them.
// The rules themselves (what a value, a line stop or a comment is) come
// from format/.
//
// Invariants:
// - Nothing at or past end is read. A window is read only where kWindowSpan
//   bytes are left, for its look-ahead: the byte after it for the second
//   character of a pair, 4 bytes for a value's digits, and up to 8 for the
//   digits of a value past a full table. The tail, closer to end, is read
//   byte by byte. The byte before a window is read only where the search
//   has passed it.
// - A comment mark before ValueRun::marks_from has been taken: its second
//   character never begins another ("/*/" opens but does not close).
// - The search stops before every line that begins with kTableBodyEnd's
//   first character or may declare a table, at a NUL, at the end of a line
//   with values inside comments, and, while the table is not full, at the
//   first byte outside comments that is none of a value's and none of
//   what sets values apart (marks.h): the scanner decides what those mean.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

#include "format/comments.h"

namespace wfpack {

// The instruction sets the value search is built for. Every build has
// Portable; x86 builds with SSE2 have Sse2, and x86-64 builds with GCC or
// Clang Avx2.
enum class Kernel : std::uint8_t { Portable, Sse2, Avx2 };

// The kernels this build has that this processor runs, fastest last.
std::span<const Kernel> usable_kernels();

inline Kernel best_kernel() { return usable_kernels().back(); }

// The collection cursor and what a run of values has read.
struct ValueRun {
  std::uint8_t* next = nullptr;             // the next table byte to store
  const std::uint8_t* table_end = nullptr;  // nothing is stored from here on
  std::size_t dropped = 0;                  // values read past table_end
  std::size_t line_feeds = 0;               // line feeds passed
  std::size_t comment_values = 0;  // values stored from comments on the
                                   // current line
  Comments comments;
  const char* marks_from = nullptr;  // comment marks before it are taken
};

// Reads the values from p on, as long as each is kValuePrefix, exactly two
// hexadecimal digits and a character that is none: each is stored, or
// counted as dropped once the table is full. Follows comments and goes on
// past line feeds within the invariants above. Returns the first byte from
// where it stopped that the scanner must look at: a "0", a line stop or a
// comment mark character; or end.
const char* read_values(Kernel kernel, const char* p, const char* end,
                        ValueRun& run);

// The first byte from p on that the scanner must look at, as read_values
// would return it without reading a value: for where what stands before p
// may change what a value after it is, which a window cannot see.
const char* next_value_stop(const char* p, const char* end);

}  // namespace wfpack

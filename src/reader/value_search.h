// Finding and reading the values on a block's lines. These are pure
// functions over a range [p, end) of one block; they never look at or past
// end, and the scanner calls them for nearly every byte of a table.
#pragma once

#include <cstddef>
#include <cstdint>

#include "reader/comments.h"
#include "reader/window_masks.h"

namespace wfpack {

// The first "0", line feed, NUL, "/" or "*" in [p, end), or end if there is
// none. Other characters may stop it too; the caller looks at what it
// finds.
const char* find_value_stop(const char* p, const char* end);

// The collection cursor and what a run of values has read.
struct ValueRun {
  std::uint8_t* next = nullptr;             // the next table byte to store
  const std::uint8_t* table_end = nullptr;  // nothing is stored from here on
  std::size_t dropped = 0;                  // values read past table_end
  std::size_t line_feeds = 0;               // line feeds passed
  std::size_t comment_values = 0;  // values stored from comments on this
                                   // line
  Comments comments;
  const char* marks_from = nullptr;  // comment marks before it are taken
};

// Reads the values that start at p and after, as long as each is "0x",
// exactly two hexadecimal digits and a character that is no digit, as the
// design tool writes them: the search from one to the next is independent of
// what stands between them. Each is stored, or counted as dropped once the
// table is full; then any value is counted, whatever its digits. It follows
// comments and goes on past a line feed, but never into a line that begins with
// watched_line_start, which the caller must see, nor past the end of a line
// with values inside comments, which the caller reports. Returns where it
// stopped: at a NUL or a line feed, at the "0" of a value that is not of that
// form, or close to end, where the caller goes on byte by byte.
const char* store_plain_values(const char* p, const char* end, ValueRun& run,
                               char watched_line_start);

}  // namespace wfpack

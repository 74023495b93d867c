// Reading the values of one window of a table body: the pieces the usual,
// inlined case of the window loop shares with the general one.
#pragma once

#include <algorithm>
#include <bit>
#include <cstdint>

#include "engine/marks.h"
#include "engine/masks.h"
#include "engine/value_engine.h"
#include "format/hex_value.h"
#include "format/line_class.h"

namespace wfpack::engine {

// Stores the two-digit values among starts, in order, or counts them as
// dropped once the table is full. Returns the first start of any other
// form, or nullptr; taken is set to the starts read, stored to those of
// them stored. Locals throughout: a store through a byte pointer may alias
// anything, so the run's own fields would be reloaded after every byte.
inline const char* take_values(const char* p, std::uint64_t starts,
                               ValueRun& run, std::uint64_t& taken,
                               std::uint64_t& stored) {
  std::uint8_t* out = run.next;
  const std::uint8_t* const table_end = run.table_end;
  std::size_t dropped = run.dropped;
  const char* odd = nullptr;
  std::uint64_t left = starts;
  for (; left != 0; left &= left - 1) {
    const char* value = p + std::countr_zero(left);
    const std::uint8_t high = hex_digit_value(value[2]);
    const std::uint8_t low = hex_digit_value(value[3]);
    if ((high | low) > 0x0F || hex_digit_value(value[4]) != kNotHexDigit) {
      odd = value;
      break;
    }
    if (out == table_end) {
      ++dropped;
    } else {
      *out++ = static_cast<std::uint8_t>(high << 4 | low);
    }
  }
  taken = starts & ~left;
  stored = dropped == run.dropped
               ? taken
               : lowest_bits(taken, static_cast<std::size_t>(out - run.next));
  run.next = out;
  run.dropped = dropped;
  return odd;
}

// The same for a window whose digits are known, one bit a byte, with the
// look-ahead's: every value is checked at once, and each then costs only
// one lookup of its two digits.
inline const char* take_values(const char* p, std::uint64_t starts,
                               std::uint64_t digits, std::uint64_t ahead,
                               ValueRun& run, std::uint64_t& taken,
                               std::uint64_t& stored) {
  const auto from = [&](int k) { return digits >> k | ahead << (64 - k); };
  // The prefix, two digits and a character that is not one.
  const std::uint64_t odd_starts = starts & ~(from(2) & from(3) & ~from(4));
  const char* odd = nullptr;
  if (odd_starts != 0) {
    odd = p + std::countr_zero(odd_starts);
    starts &= bits_below(std::countr_zero(odd_starts));
  }
  taken = starts;
  stored = starts;
  const auto room = static_cast<std::size_t>(run.table_end - run.next);
  if (const std::size_t count = count_bits(starts); count > room) {
    stored = lowest_bits(starts, room);
    run.dropped += count - room;
  }
  std::uint8_t* out = run.next;
  for (std::uint64_t left = stored; left != 0; left &= left - 1) {
    *out++ = digit_pair_value(p + std::countr_zero(left) + 2);
  }
  run.next = out;
  return odd;
}

// How far a window may be read: up to a NUL, a line feed before a line that
// may end the table body or declare a table, or the end of a line with
// values inside comments, which the scanner reports. line_feeds is set to
// those before it.
inline int window_limit(const char* p, std::uint64_t line_stops,
                        const ValueRun& run, std::uint64_t& line_feeds) {
  line_feeds = 0;
  for (; line_stops != 0; line_stops &= line_stops - 1) {
    const int at = std::countr_zero(line_stops);
    if (p[at] != kLineFeed || body_line_must_be_read(p[at + 1]) ||
        run.comment_values != 0) {
      return at;
    }
    line_feeds |= std::uint64_t{1} << at;
  }
  return kWindowSize;
}

// Where the next window begins, after a window read whole: the character
// after a value's digits is no digit and starts nothing, but it may end the
// line.
inline const char* next_window(const char* p, std::uint64_t taken) {
  const char* resume = p + kWindowSize;
  if (taken == 0) return resume;
  return std::max(resume, p + (63 - std::countl_zero(taken)) + 4);
}

// What reading a window gave: where to go on, and whether the window loop
// stops there, for the scanner to look at.
struct Step {
  const char* next;
  bool stop;
};

// Any window, with comments however they stand: values inside them, marks
// that share a character, "//". marks.marked is set unless the table is
// full.
Step read_commented_window(const char* p, const WindowMarks& marks,
                           ValueRun& run);

}  // namespace wfpack::engine

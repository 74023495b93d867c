#include "engine/values.h"

#include "engine/comment_follow.h"

namespace wfpack::engine {

Step read_commented_window(const char* p, const WindowMarks& marks,
                           ValueRun& run) {
  const std::uint64_t starts = marks.starts;
  std::uint64_t line_feeds = 0;
  int limit = window_limit(p, marks.line_stops, run, line_feeds);
  std::uint64_t inside = 0;
  const Comments comments_before = run.comments;
  const char* const marks_from_before = run.marks_from;
  // Follows the comments from the window's start, again when the window is
  // cut shorter.
  const auto follow = [&](int to) {
    run.comments = comments_before;
    run.marks_from = marks_from_before;
    const std::uint64_t below = bits_below(to);
    line_feeds &= below;
    inside = follow_comments(p,
                             {marks.opens & below, marks.closes & below,
                              marks.line_comments & below},
                             line_feeds, to, run.comments, run.marks_from);
  };
  follow(limit);
  if (const std::uint64_t in = starts & bits_below(limit) & inside) {
    // Only the first line with values inside comments is read.
    if (const std::uint64_t after =
            line_feeds & ~bits_below(std::countr_zero(in))) {
      limit = std::countr_zero(after);
      follow(limit);
    }
  }
  // Values that the compiler may read otherwise, the scanner's.
  if (const std::uint64_t unusual =
          unusual_bytes(p, marks, inside, bits_below(limit), marks_from_before);
      unusual != 0 && run.next != run.table_end) {
    limit = std::countr_zero(unusual);
    follow(limit);
  }
  std::uint64_t taken = 0;
  std::uint64_t stored = 0;
  const char* odd =
      take_values(p, starts & bits_below(limit), run, taken, stored);
  if (odd != nullptr) {
    // Comments and lines are followed only as far as the values.
    limit = static_cast<int>(odd - p);
    follow(limit);
  }
  run.comment_values += count_bits(stored & inside);
  run.line_feeds += count_bits(line_feeds);
  if (odd != nullptr) return {odd, true};
  if (limit < kWindowSize) return {p + limit, true};
  run.marks_from = std::max(run.marks_from, p + kWindowSize);
  return {next_window(p, taken), false};
}

}  // namespace wfpack::engine

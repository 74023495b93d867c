#include "engine/comment_follow.h"

namespace wfpack::engine {

std::uint64_t follow_comment_marks(const char* p, std::uint64_t marks,
                                   std::uint64_t line_feeds, int to,
                                   Comments& comments,
                                   const char*& marks_from) {
  std::uint64_t inside = 0;
  int opened = comments.inside() ? 0 : -1;
  for (std::uint64_t events = marks | line_feeds; events != 0;
       events &= events - 1) {
    const int at = std::countr_zero(events);
    const bool was_inside = comments.inside();
    if ((line_feeds >> at & 1) != 0) {
      comments.end_line();
    } else {
      const char* mark = p + at;
      if (mark < marks_from || comments.mark(mark[0], mark[1]) == 0) {
        continue;
      }
      marks_from = mark + 2;
    }
    if (was_inside && !comments.inside()) {
      inside |= bits_from_to(opened, (line_feeds >> at & 1) != 0 ? at : at + 2);
    } else if (!was_inside && comments.inside()) {
      opened = at;
    }
  }
  if (comments.inside()) inside |= bits_from_to(opened, to);
  return inside;
}

}  // namespace wfpack::engine

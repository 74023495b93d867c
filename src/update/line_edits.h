// A source rewritten in place: literals replaced, or a description's
// cells. Only the characters edited change; line ends (LF or CR LF), bytes
// that are not UTF-8 and everything after a line's NUL byte stay as they
// were.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "description/description_edits.h"

namespace wfpack {

struct LiteralEdit {
  std::size_t offset = 0;
  std::size_t size = 0;
  std::string text;
};

// edits in ascending order of offset, none overlapping.
std::string apply_literal_edits(std::string_view source,
                                const std::vector<LiteralEdit>& edits);

// Each cell's word written into its line, padded with blanks to its
// column; a line whose trailing blanks were stripped stays stripped, and
// one that had them keeps at least its length.
std::string apply_cell_edits(std::string_view source,
                             const std::vector<CellEdit>& edits);

}  // namespace wfpack

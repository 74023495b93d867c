// The description as the bytes say it: every described cell that the
// bytes contradict, with the word the design tool would write for them,
// for a rewrite of the description's lines. The converse of
// described_tables.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "description/descriptions.h"
#include "description/messages.h"
#include "image/gpif_image.h"

namespace wfpack {

// A word to write over the characters [at, at + width) of a line, the new
// word starting word_at characters in; width kToLineEnd reaches the end of
// the line's visible part.
struct CellEdit {
  static constexpr std::size_t kToLineEnd = static_cast<std::size_t>(-1);
  std::string subject;  // "bank 0 waveform 2 'FIFO Rd' interval 1 IF/Wait"
  std::size_t line = 0;
  std::size_t at = 0;
  std::size_t width = 0;
  std::size_t word_at = 0;
  Word old_word;
  Word new_word;
};

struct DescriptionEdits {
  std::vector<CellEdit> edits;
  // The cells left as they are because the design tool has no word for
  // the bytes.
  std::vector<Message> warnings;
};

DescriptionEdits description_edits(const GpifImage& image,
                                   const Descriptions& descriptions);

}  // namespace wfpack

// The tables as their description says them: every table byte a cell
// describes set as the design tool would write it from that cell, every
// other byte and bit as it was. The inverse of the check that warns where
// the two differ.
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <vector>

#include "description/descriptions.h"
#include "description/messages.h"
#include "image/gpif_image.h"

namespace wfpack {

// A described cell whose bytes the description changes: what it is ("bank
// 0 waveform 2 'FIFO Rd' interval 1 IF/Wait", "initialization CTL 0"),
// where it stands, the word the bytes gave and the description's word, and
// the table bytes whose bits it changes.
struct ChangedCell {
  std::string subject;
  std::size_t line = 0;
  std::size_t column = 0;  // from 1
  Word old_word;
  Word new_word;
  std::array<std::size_t, 2> bytes{};
  std::size_t byte_count = 0;
};

struct DescribedTables {
  GpifImage image;
  std::vector<ChangedCell> changed;  // in the order they were described
  std::vector<Message> errors;       // where a cell cannot be applied
};

DescribedTables described_tables(const GpifImage& image,
                                 const Descriptions& descriptions);

// "bank 3 waveform 2 'FIFO Rd'".
std::string waveform_subject(std::size_t bank, const WaveDescription& wave);

}  // namespace wfpack

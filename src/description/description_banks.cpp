// Which bank each description applies to: the bank of the first WaveData
// table after it, as the design tool writes a file for each bank with the
// descriptions above its tables.
#include "description/descriptions.h"

namespace wfpack {

void Descriptions::wave_table(std::size_t bank) {
  block_ = Block::None;
  // Most tables have no description before them.
  if (!anything_pending_) return;
  if (bank >= kBankCount && unplaced_line_ == 0) unplaced_line_ = pending_line_;
  if (bank < kBankCount) {
    for (std::size_t i = 0; i < kWaveformsPerBank; ++i) {
      if (!pending_described_[i]) continue;
      waves_[bank][i] = pending_[i];
      described_[bank][i] = true;
    }
    if (pending_named_) {
      names_[bank] = pending_names_;
      named_[bank] = true;
    }
  }
  pending_described_ = {};
  pending_named_ = false;
  anything_pending_ = false;
  pending_line_ = 0;
}

const WaveDescription* Descriptions::waveform(std::size_t bank,
                                              std::size_t index) const {
  return described_[bank][index] ? &waves_[bank][index] : nullptr;
}

const DesignNames& Descriptions::names(std::size_t bank) const {
  return named_[bank] ? names_[bank] : last_names_;
}

BankNames Descriptions::bank_names() const {
  BankNames names;
  for (std::size_t bank = 0; bank < kBankCount; ++bank)
    names[bank] = this->names(bank);
  return names;
}

}  // namespace wfpack

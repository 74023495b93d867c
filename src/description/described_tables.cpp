// Each described cell's word written into the bits the field tables give
// it, as the design tool writes the tables from its description. A cell
// that cannot be written is an error at the cell, and nothing is written.
#include "description/described_tables.h"

#include "description/table_encoder.h"
#include "image/table_bytes.h"

namespace wfpack {

namespace encoding {

DescribedTables Encoder::run() {
  if (descriptions_.too_many_blocks()) {
    error(0, 0,
          "more initialization and names blocks than " +
              std::to_string(Descriptions::kBlockCapacity));
  }
  if (const std::size_t line = descriptions_.unplaced_line()) {
    error(line, kDescriptionTitle.size() + 1,
          "no WaveData table of a bank follows this waveform's "
          "description, so it describes no bytes");
  }
  for (const InitDescription& block : descriptions_.init_blocks()) {
    for (std::size_t row = 0; row < kInitRowCount; ++row) {
      const RegisterField& field = init_field(static_cast<InitRow>(row));
      say_register(
          field, block.words[row], block.lines[row], block.columns[row] + 1,
          "initialization " + std::string(field.label), init_said_[row]);
    }
  }
  // The mode of the CTL outputs decides what their words mean.
  tristate_ = is_tristate(out_.image);
  for (const InitDescription& block : descriptions_.init_blocks()) {
    for (std::size_t ctl = 0; ctl < kCtlCount && !tristate_; ++ctl) {
      say_register(drive_field(ctl), block.drives[ctl], block.drive_lines[ctl],
                   block.drive_columns[ctl] + 1,
                   "initialization CTL " + std::to_string(ctl),
                   drive_said_[ctl]);
    }
  }
  for (std::size_t bank = 0; bank < kBankCount; ++bank) {
    const TermNames terms = term_names(out_.image, descriptions_.names(bank));
    for (std::size_t index = 0; index < kWaveformsPerBank; ++index) {
      if (const WaveDescription* wave = descriptions_.waveform(bank, index)) {
        waveform(bank, *wave, terms);
      }
    }
  }
  for (const Cell& cell : cells_) changed(cell);
  return std::move(out_);
}

void Encoder::error(std::size_t line, std::size_t column, std::string text) {
  out_.errors.push_back({Message::Kind::Error, line, column, std::move(text)});
}

void Encoder::record(const std::string& subject, std::size_t line,
                     std::size_t column, const Word& old_word,
                     const Word& new_word, std::size_t byte,
                     std::uint8_t mask) {
  if (!cells_.empty() && cells_.back().changed.subject == subject &&
      cells_.back().changed.line == line) {
    Cell& cell = cells_.back();
    cell.changed.bytes[cell.changed.byte_count] = byte;
    cell.masks[cell.changed.byte_count++] = mask;
    return;
  }
  cells_.push_back(
      {{subject, line, column, old_word, new_word, {byte}, 1}, {mask}});
}

void Encoder::say_register(const RegisterField& field, const Word& word,
                           std::size_t line, std::size_t column,
                           const std::string& subject, FirstSaid& first) {
  if (line == 0 || word.empty()) return;
  std::uint8_t& byte = out_.image.InitData[field.byte];
  std::uint8_t value = byte;
  std::uint8_t mask = 0;
  if (!set_register_word(field, word, value, mask)) {
    error(line, column, subject + ": " + quoted(word) + " is no word of it");
  } else if (agrees(first, word, line, column, subject)) {
    record(subject, line, column,
           register_word(field, old_.InitData[field.byte]), word,
           kInitDataAt + field.byte, mask);
    byte = value;
  }
}

bool Encoder::agrees(FirstSaid& first, const Word& word, std::size_t line,
                     std::size_t column, const std::string& subject) {
  if (first.line == 0) {
    first = {word, line};
    return true;
  }
  if (first.word == word) return true;
  error(line, column,
        subject + ": " + quoted(word) + " here, but " + quoted(first.word) +
            " at line " + std::to_string(first.line));
  return false;
}

// Only a cell whose bits the description changes is reported.
void Encoder::changed(const Cell& cell) {
  ChangedCell result = cell.changed;
  result.byte_count = 0;
  for (std::size_t i = 0; i < cell.changed.byte_count; ++i) {
    const std::size_t at = cell.changed.bytes[i];
    if (((table_byte(old_, at) ^ table_byte(out_.image, at)) & cell.masks[i]) !=
        0) {
      result.bytes[result.byte_count++] = at;
    }
  }
  if (result.byte_count != 0) out_.changed.push_back(std::move(result));
}

}  // namespace encoding

std::string waveform_subject(std::size_t bank, const WaveDescription& wave) {
  return "bank " + std::to_string(bank) + " waveform " +
         std::to_string(wave.number) + " " + encoding::quoted(wave.name);
}

DescribedTables described_tables(const GpifImage& image,
                                 const Descriptions& descriptions) {
  return encoding::Encoder(image, descriptions).run();
}

}  // namespace wfpack

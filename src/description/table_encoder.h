// The encoder behind described_tables: one pass over a source's
// descriptions that writes each described cell into a copy of the image.
// Private to the description's files.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "description/described_tables.h"

namespace wfpack::encoding {

inline std::string quoted(const Word& word) {
  std::string text(1, '\'');
  text += word.view();
  return text += '\'';
}

// What the first cell that said a shared field said, which every later one
// must say too.
struct FirstSaid {
  Word word;
  std::size_t line = 0;
};

// A described cell, and the bits of which table bytes it describes.
struct Cell {
  ChangedCell changed;
  std::array<std::uint8_t, 2> masks{};
};

class Encoder {
 public:
  Encoder(const GpifImage& image, const Descriptions& descriptions)
      : old_(image), descriptions_(descriptions) {
    out_.image = image;
  }

  DescribedTables run();

 private:
  void error(std::size_t line, std::size_t column, std::string text);
  // A cell's bits of one table byte; those of a cell's second byte join
  // its first.
  void record(const std::string& subject, std::size_t line, std::size_t column,
              const Word& old_word, const Word& new_word, std::size_t byte,
              std::uint8_t mask);
  // A cell of InitData's, which any other cell that says it must agree
  // with.
  void say_register(const RegisterField& field, const Word& word,
                    std::size_t line, std::size_t column,
                    const std::string& subject, FirstSaid& first);
  bool agrees(FirstSaid& first, const Word& word, std::size_t line,
              std::size_t column, const std::string& subject);
  void changed(const Cell& cell);

  // described_waveforms.cpp
  void waveform(std::size_t bank, const WaveDescription& wave,
                const TermNames& terms);
  void idle(const WaveDescription& wave, const std::string& name);
  std::string no_level() const;

  const GpifImage& old_;
  const Descriptions& descriptions_;
  DescribedTables out_;
  bool tristate_ = false;
  std::vector<Cell> cells_;
  std::array<FirstSaid, kInitRowCount> init_said_{};
  std::array<FirstSaid, kCtlCount> drive_said_{};
  std::array<FirstSaid, kCtlCount> idle_said_{};
};

}  // namespace wfpack::encoding

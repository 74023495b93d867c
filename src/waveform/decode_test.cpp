// The field tables read in both directions, one case a line: bytes to the
// design tool's words, the words back into bytes, and the round trip of
// every value of every field.
#include <gtest/gtest.h>

#include <string>

#include "waveform/waveform.h"

namespace wfpack {
namespace {

// LenBr, Opcode, Output and LFun.
struct WordCase {
  Row row;
  IntervalBytes bytes;
  const char* word;
};

const TermNames kTerms = {"RDY0", "RDY1",  "RDY2",     "RDY3",
                          "RDY4", "EMPTY", "FIFOFlag", "EMPTY"};

TEST(FieldTable, ReadsAndWritesEachWord) {
  for (const WordCase& c : std::initializer_list<WordCase>{
           {Row::AddrMode, {0x01, 0x00, 0, 0}, "Same Val"},
           {Row::AddrMode, {0x01, 0x08, 0, 0}, "Inc Val"},
           {Row::DataMode, {0x01, 0x00, 0, 0}, "NO Data"},
           {Row::DataMode, {0x01, 0x02, 0, 0}, "Activate"},
           {Row::NextData, {0x01, 0x00, 0, 0}, "SameData"},
           {Row::NextData, {0x01, 0x04, 0, 0}, "NextData"},
           {Row::IntTrig, {0x01, 0x00, 0, 0}, "No Int"},
           {Row::IntTrig, {0x01, 0x10, 0, 0}, "Trig Int"},
           {Row::IfWait, {0x01, 0x00, 0, 0}, "Wait 1"},
           {Row::IfWait, {0xFF, 0x00, 0, 0}, "Wait 255"},
           {Row::IfWait, {0x00, 0x00, 0, 0}, "Wait 256"},
           {Row::IfWait, {0x1A, 0x01, 0, 0}, "IF"},
           {Row::TermA, {0x1A, 0x01, 0, 0x00}, "RDY0"},
           {Row::TermA, {0x1A, 0x01, 0, 0x30}, "FIFOFlag"},
           {Row::TermB, {0x1A, 0x01, 0, 0x04}, "RDY4"},
           {Row::LFunc, {0x1A, 0x01, 0, 0x00}, "AND"},
           {Row::LFunc, {0x1A, 0x01, 0, 0x40}, "OR"},
           {Row::LFunc, {0x1A, 0x01, 0, 0x80}, "XOR"},
           {Row::LFunc, {0x1A, 0x01, 0, 0xC0}, "!A AND B"},
           {Row::Branch1, {0x1A, 0x01, 0, 0}, "Then 3"},
           {Row::Branch1, {0x38, 0x01, 0, 0}, "ThenIdle"},
           {Row::Branch0, {0x1A, 0x01, 0, 0}, "Else 2"},
           {Row::Branch0, {0x1F, 0x01, 0, 0}, "ElseIdle"},
           {Row::ReExec, {0x1A, 0x01, 0, 0}, "No"},
           {Row::ReExec, {0x9A, 0x01, 0, 0}, "Yes"},
           {Row::SnglCrc, {0x01, 0xC0, 0, 0}, "Default"},
           {Row::SnglCrc, {0x01, 0x20, 0, 0}, "SGL"},
           // A wait has no logic: its LenBr is a length, its LFun unused.
           {Row::TermA, {0x01, 0x00, 0, 0xFF}, ""},
           {Row::Branch1, {0x1A, 0x00, 0, 0}, ""}}) {
    const std::string what = std::string(row_field(c.row).label) + " " + c.word;
    EXPECT_EQ(row_word(c.row, c.bytes, kTerms).view(), c.word) << what;
    if (*c.word == '\0') continue;
    // Written over bytes whose bits it sets are all flipped, the word gives
    // the case's bytes back, and sets nothing else.
    IntervalBytes bytes = c.bytes;
    IntervalBytes described{};
    ASSERT_EQ(set_row_word(c.row, c.word, kTerms, bytes, described),
              WordFit::Set)
        << what;
    for (std::size_t lane = 0; lane < kLaneCount; ++lane) {
      bytes[lane] = static_cast<std::uint8_t>(bytes[lane] ^ described[lane]);
    }
    IntervalBytes again{};
    set_row_word(c.row, c.word, kTerms, bytes, again);
    EXPECT_EQ(bytes, c.bytes) << what;
    EXPECT_EQ(again, described) << what;
  }
}

TEST(FieldTable, RoundTripsEveryValueOfEveryRow) {
  for (std::size_t r = 0; r < kRowCount; ++r) {
    const auto row = static_cast<Row>(r);
    const RowField& field = row_field(row);
    for (unsigned byte = 0; byte < 256; ++byte) {
      IntervalBytes bytes = {0x2A, 0x01, 0x00, 0x00};
      bytes[static_cast<std::size_t>(field.lane)] =
          static_cast<std::uint8_t>(byte);
      const Word word = row_word(row, bytes, kTerms);
      if (word.empty() || word == field.unknown) continue;
      IntervalBytes back = bytes;
      IntervalBytes described{};
      EXPECT_EQ(set_row_word(row, word, kTerms, back, described), WordFit::Set);
      EXPECT_EQ(back, bytes) << field.label << " " << byte;
    }
  }
}

TEST(FieldTable, RefusesWordsTheToolDoesNotWrite) {
  for (const auto& [row, word, fit] :
       std::initializer_list<std::tuple<Row, const char*, WordFit>>{
           {Row::IfWait, "Wait 300", WordFit::Unknown},
           {Row::IfWait, "Wait 0", WordFit::Unknown},
           {Row::IfWait, "Wait 01", WordFit::Unknown},
           {Row::IfWait, "If", WordFit::Unknown},
           {Row::Branch1, "Then 7", WordFit::Unknown},
           {Row::Branch0, "Then 2", WordFit::Unknown},
           {Row::TermA, "RDY 1", WordFit::Unknown},
           {Row::DataMode, "Active", WordFit::Unknown},
           // Terms 5 and 7 share a name, and the byte's term 0 is neither.
           {Row::TermA, "EMPTY", WordFit::Shared},
           // Any word but "Default" sets SGL.
           {Row::SnglCrc, "CRC", WordFit::Set}}) {
    IntervalBytes bytes = {0x1A, 0x01, 0x00, 0x00};
    IntervalBytes described{};
    EXPECT_EQ(set_row_word(row, word, kTerms, bytes, described), fit) << word;
  }
}

struct LevelCase {
  std::uint8_t ready_config, ctl_config, output, idle;
  const char* levels;  // CTL0 to CTL5 in interval 0, then in Idle
  const char* terms;   // the names of terms 5 and 6
};

TEST(DecodeWaveform, GivesLevelsAndDefaultNames) {
  for (const LevelCase& c : std::initializer_list<LevelCase>{
           {0x00, 0x00, 0x05, 0x3A, "101000 010111", "RDY5 FIFOFlag"},
           {0x20, 0x3F, 0xC5, 0x00, "101000 000000", "TCXpire FIFOFlag"},
           // Tristate: bits 4 to 7 enable CTL0 to CTL3; CTL4 and CTL5 have
           // no level.
           {0x00, 0x80, 0x15, 0xF0, "1zzz   0000  ", "RDY5 FIFOFlag"},
           {0x00, 0x80, 0xF5, 0x3F, "1010   11zz  ", "RDY5 FIFOFlag"}}) {
    GpifImage image;
    image.InitData[0] = c.ready_config;
    image.InitData[1] = c.ctl_config;
    image.InitData[3] = c.idle;
    image.WaveData[16] = c.output;
    const Waveform waveform = decode_waveform(image, 0, 0, {});
    std::string levels;
    for (const std::size_t column : {std::size_t{0}, kIdleColumn}) {
      if (column != 0) levels += ' ';
      for (std::size_t ctl = 0; ctl < kCtlCount; ++ctl) {
        const Word word = level_word(waveform.levels[ctl][column]);
        levels += word.empty() ? std::string(" ") : std::string(word.view());
        // Each level written back gives the byte's bits for it.
        std::uint8_t byte = static_cast<std::uint8_t>(~c.output);
        std::uint8_t described = 0;
        if (column == 0 && !word.empty()) {
          const bool tristate = waveform.tristate;
          ASSERT_TRUE(set_level(word, ctl, tristate, byte, described));
          EXPECT_EQ(byte & described, c.output & described) << ctl;
        }
      }
    }
    EXPECT_EQ(levels, c.levels) << int{c.ctl_config} << ", " << int{c.output};
    EXPECT_EQ(std::string(waveform.term_names[5].view()) + " " +
                  std::string(waveform.term_names[6].view()),
              c.terms);
    EXPECT_EQ(waveform.ctl_names[4].view(), "CTL4");
  }
  std::uint8_t byte = 0;
  std::uint8_t described = 0;
  EXPECT_FALSE(set_level("z", 0, false, byte, described)) << "Binary";
  EXPECT_FALSE(set_level("1", 4, true, byte, described)) << "Tristate CTL4";
}

TEST(DecodeInitialization, GivesTheInitializationBlocksWords) {
  struct Case {
    std::uint8_t ready_config, ctl_config, select;
    const char* words;
  };
  for (const Case& c :
       {Case{0xE0, 0x00, 0x4E, "Sync IntRdy=1 Binary 1 0 3 2 CMOS CMOS CMOS"},
        Case{0x00, 0x05, 0xE4,
             "Async IntRdy=0 Binary 3 2 1 0 Op Drain CMOS Op Drain"},
        Case{0x40, 0x85, 0x1B, "Sync IntRdy=0 Tristate 0 1 2 3   "}}) {
    GpifImage image;
    image.InitData[0] = c.ready_config;
    image.InitData[1] = c.ctl_config;
    image.InitData[5] = c.select;
    const Initialization init = decode_initialization(image);
    std::string words;
    for (std::size_t row = 0; row < kInitRowCount; ++row) {
      words += std::string(init.words[row].view()) + " ";
      // And back: each word sets its field's bits as the byte has them.
      const RegisterField& field = init_field(static_cast<InitRow>(row));
      std::uint8_t byte =
          static_cast<std::uint8_t>(~image.InitData[field.byte]);
      std::uint8_t described = 0;
      ASSERT_TRUE(set_register_word(field, init.words[row], byte, described));
      EXPECT_EQ(byte & described, image.InitData[field.byte] & described);
    }
    for (std::size_t ctl = 0; ctl < 3; ++ctl) {
      words += std::string(init.drives[ctl].view()) + (ctl < 2 ? " " : "");
    }
    EXPECT_EQ(words, c.words);
  }
  std::uint8_t byte = 0;
  std::uint8_t described = 0;
  EXPECT_FALSE(set_register_word(drive_field(0), "Drain", byte, described));
  EXPECT_TRUE(set_register_word(drive_field(2), "Op Drain", byte, described));
  EXPECT_EQ(byte, 0x04);
  EXPECT_FALSE(set_register_word(init_field(InitRow::FifoReadSelect), "4", byte,
                                 described));
}

}  // namespace
}  // namespace wfpack

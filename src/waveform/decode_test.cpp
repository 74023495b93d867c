// The bytes of a waveform and of InitData in the design tool's words, one
// case a line. The description tests cover a whole waveform as the tool
// writes it; these cover every word it does not use.
#include <gtest/gtest.h>

#include <string>

#include "waveform/waveform.h"

namespace wfpack {
namespace {

struct IntervalCase {
  std::uint8_t length_branch, opcode, logic;
  Row row;
  const char* word;
};

TEST(DecodeWaveform, GivesEachIntervalsWords) {
  for (const IntervalCase& c : std::initializer_list<IntervalCase>{
           {0x00, 0x00, 0x00, Row::IfWait, "Wait 256"},
           {0xFF, 0x00, 0x00, Row::IfWait, "Wait 255"},
           {0x01, 0x08, 0x00, Row::AddrMode, "Inc Val"},
           {0x01, 0x10, 0x00, Row::IntTrig, "Trig Int"},
           {0x01, 0x20, 0x00, Row::SnglCrc, "SGL"},
           {0x01, 0xC0, 0x00, Row::SnglCrc, "Default"},
           // A wait has no logic: its LenBr is a length, its LFun unused.
           {0x01, 0x00, 0xFF, Row::TermA, ""},
           {0x1A, 0x00, 0x00, Row::Branch1, ""},
           {0x1A, 0x01, 0x00, Row::IfWait, "IF"},
           {0x1A, 0x01, 0x40, Row::LFunc, "OR"},
           {0x1A, 0x01, 0x80, Row::LFunc, "XOR"},
           {0x1A, 0x01, 0xC0, Row::LFunc, "!A AND B"},
           {0x1A, 0x01, 0x30, Row::TermA, "FIFOFlag"},
           {0x1A, 0x01, 0x07, Row::TermB, "IntReady"},
           {0x1A, 0x01, 0x28, Row::TermA, "RDY5"},
           {0x1A, 0x01, 0x00, Row::Branch1, "Then 3"},
           {0x1A, 0x01, 0x00, Row::Branch0, "Else 2"},
           {0x1A, 0x01, 0x00, Row::ReExec, "No"},
           {0x9F, 0x01, 0x00, Row::Branch0, "ElseIdle"},
           {0x9F, 0x01, 0x00, Row::ReExec, "Yes"}}) {
    // The last interval of the last waveform of bank 1.
    GpifImage image;
    std::uint8_t* bytes = image.WaveData.data() + kWaveBankSize + 3 * 32 + 6;
    bytes[0] = c.length_branch;
    bytes[8] = c.opcode;
    bytes[24] = c.logic;
    const Waveform waveform = decode_waveform(image, 1, 3, {});
    EXPECT_EQ(cell(waveform, c.row, 6).view(), c.word)
        << row_label(c.row) << " of " << int{c.length_branch} << ", "
        << int{c.opcode} << ", " << int{c.logic};
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
      }
    }
    EXPECT_EQ(levels, c.levels) << int{c.ctl_config} << ", " << int{c.output};
    EXPECT_EQ(std::string(waveform.term_names[5].view()) + " " +
                  std::string(waveform.term_names[6].view()),
              c.terms);
    EXPECT_EQ(waveform.ctl_names[4].view(), "CTL4");
  }
}

TEST(DecodeInitialization, GivesTheInitializationBlocksWords) {
  struct Case {
    std::uint8_t ready_config, ctl_config, select;
    const char* words;
  };
  for (const Case& c :
       {Case{0xE0, 0x00, 0x4E, "Sync IntRdy=1 Binary 1 0 3 2 CMOS CMOS CMOS"},
        Case{0x00, 0x05, 0xE4,
             "Async IntRdy=0 Binary 3 2 1 0 Drain CMOS "
             "Drain"},
        Case{0x40, 0x85, 0x1B, "Sync IntRdy=0 Tristate 0 1 2 3   "}}) {
    GpifImage image;
    image.InitData[0] = c.ready_config;
    image.InitData[1] = c.ctl_config;
    image.InitData[5] = c.select;
    const Initialization init = decode_initialization(image);
    std::string words;
    for (const Word& word : init.words) words += std::string(word.view()) + " ";
    for (std::size_t ctl = 0; ctl < 3; ++ctl) {
      words += std::string(init.drives[ctl].view()) + (ctl < 2 ? " " : "");
    }
    EXPECT_EQ(words, c.words);
  }
}

}  // namespace
}  // namespace wfpack

// Every field of the tables, described once, as data: which byte it lies
// in, its bits, under which intervals the design tool gives it a cell, and
// the tool's words for its values. The decode, the encode, the comparison
// with a description and every view read these tables, so a word added
// here is added to all of them at once and cannot differ between them.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "image/gpif_image.h"
#include "waveform/word.h"

namespace wfpack {

// The field rows of the design tool's table of a waveform, in its order.
enum class Row : std::uint8_t {
  AddrMode,
  DataMode,
  NextData,
  IntTrig,
  IfWait,
  TermA,
  LFunc,
  TermB,
  Branch1,
  Branch0,
  ReExec,
  SnglCrc,
};
inline constexpr std::size_t kRowCount = 12;

// An interval's four bytes, one from each eighth of its waveform's 32
// bytes, in the order the eighths lie.
enum class Lane : std::uint8_t { LenBr, Opcode, Output, LFun };
inline constexpr std::size_t kLaneCount = 4;
using IntervalBytes = std::array<std::uint8_t, kLaneCount>;

// How a field's value reads in the design tool's words.
enum class Wording : std::uint8_t {
  // words[value]; an empty one: the tool's word for the value is not
  // known, and `unknown` stands in for it where it must be shown.
  Listed,
  // The bit set: words[1] ("IF"). Clear: words[0] and the wait's length in
  // clock cycles, which is the whole LenBr byte, 0 meaning 256 ("Wait 2").
  WaitOrDecision,
  // words[0] and the interval ("Then 3"), or words[1] for 7, the idle
  // state ("ThenIdle").
  Target,
  // The name of the term the value numbers.
  Term,
  // The value in decimal.
  Number,
};

// Which intervals a field row has cells under.
enum class Under : std::uint8_t { Every, Decision };

struct RowField {
  std::string_view label;  // as the tool labels the row, indent included
  Lane lane;
  std::uint8_t low;
  std::uint8_t width;
  Under under;
  Wording wording;
  std::array<std::string_view, 4> words;
  std::string_view unknown;
};

// clang-format off
inline constexpr std::array<RowField, kRowCount> kRowFields = {{
    {"AddrMode", Lane::Opcode, 3, 1, Under::Every, Wording::Listed, {"Same Val", "Inc Val"}, {}},
    {"DataMode", Lane::Opcode, 1, 1, Under::Every, Wording::Listed, {"NO Data", "Activate"}, {}},
    {"NextData", Lane::Opcode, 2, 1, Under::Every, Wording::Listed, {"SameData", "NextData"}, {}},
    {"Int Trig", Lane::Opcode, 4, 1, Under::Every, Wording::Listed, {"No Int", "Trig Int"}, {}},
    {"IF/Wait", Lane::Opcode, 0, 1, Under::Every, Wording::WaitOrDecision, {"Wait ", "IF"}, {}},
    {"  Term A", Lane::LFun, 3, 3, Under::Decision, Wording::Term, {}, {}},
    {"  LFunc", Lane::LFun, 6, 2, Under::Decision, Wording::Listed, {"AND", "OR", "XOR", "!A AND B"}, {}},
    {"  Term B", Lane::LFun, 0, 3, Under::Decision, Wording::Term, {}, {}},
    {"Branch1", Lane::LenBr, 3, 3, Under::Decision, Wording::Target, {"Then ", "ThenIdle"}, {}},
    {"Branch0", Lane::LenBr, 0, 3, Under::Decision, Wording::Target, {"Else ", "ElseIdle"}, {}},
    {"Re-Exec", Lane::LenBr, 7, 1, Under::Decision, Wording::Listed, {"No", "Yes"}, {}},
    // The tool's word for a set SGL bit is not known.
    {"Sngl/CRC", Lane::Opcode, 5, 1, Under::Every, Wording::Listed, {"Default", ""}, "SGL"},
}};
// clang-format on

constexpr const RowField& row_field(Row row) {
  return kRowFields[static_cast<std::size_t>(row)];
}
// The row's label without the indent of the logic rows: what messages
// call it.
constexpr std::string_view row_name(Row row) {
  const std::string_view label = row_field(row).label;
  return label.substr(label.find_first_not_of(' '));
}

// Bits no field uses: the tool writes them clear and has no word for them.
inline constexpr std::uint8_t kUnusedOpcodeBits = 0xC0;
inline constexpr std::uint8_t kUnusedDecisionLenBrBits = 0x40;

// A wait's LenBr byte counts clock cycles, 0 meaning this many.
inline constexpr unsigned kLongestWait = 256;

// The terms a decision point tests: RDY0 to RDY5, the FIFO flag and the
// internal ready flag; a Term field numbers one of them.
inline constexpr std::size_t kTermCount = 8;
using TermNames = std::array<Word, kTermCount>;

constexpr std::uint8_t field_mask(std::uint8_t low, std::uint8_t width) {
  return static_cast<std::uint8_t>(((1u << width) - 1u) << low);
}
constexpr std::uint8_t field_value(std::uint8_t byte, std::uint8_t low,
                                   std::uint8_t width) {
  return static_cast<std::uint8_t>((byte & field_mask(low, width)) >> low);
}
// Sets a field's bits in byte to value, and marks them in described.
constexpr void set_field(std::uint8_t& byte, std::uint8_t& described,
                         std::uint8_t low, std::uint8_t width, unsigned value) {
  const std::uint8_t mask = field_mask(low, width);
  byte = static_cast<std::uint8_t>((byte & ~mask) | ((value << low) & mask));
  described = static_cast<std::uint8_t>(described | mask);
}

// The number after prefix in word, where word is exactly prefix and that
// number as the decode writes it ("Wait 3", not "Wait 03").
bool numbered_word(const Word& word, std::string_view prefix, unsigned& number);

// ------------------------------------------------------- the CTL outputs

// An Output byte, and every byte of its form (GPIFIDLECTL, FLOWEQ0CTL,
// FLOWEQ1CTL): CTL n's level is bit n. While GPIFCTLCFG's TRICTL is set only
// CTL0 to CTL3 are outputs, each enabled by bit n + kEnableShift and
// floating while that bit is clear.
inline constexpr std::size_t kCtlCount = 6;
inline constexpr std::size_t kTristateCtlCount = 4;
inline constexpr std::uint8_t kEnableShift = 4;

enum class Level : std::uint8_t { None, Low, High, Floating };
// The tool's words for Low, High and Floating.
inline constexpr std::array<std::string_view, 3> kLevelWords = {"0", "1", "z"};

// ------------------------------------------- reading and writing the words

// The cell of a row under an interval with these bytes, empty where the
// row has none there (the logic rows under a wait).
Word row_word(Row row, const IntervalBytes& bytes, const TermNames& terms);

// Whether two words of a row's cells say the same: equal, or, where the
// tool has one word only for a field's first value (Sngl/CRC's "Default"),
// both that word or both another.
bool same_word(Row row, const Word& a, const Word& b);

enum class WordFit : std::uint8_t {
  Set,      // the word's bits are set
  Unknown,  // the row has no such word
  Shared,   // a term name two terms share, and the byte's term is neither
};
// Sets in bytes the bits a row's word says, and marks them in described.
// A decision point's LenBr bits follow from the branch rows, so "IF" sets
// only its own bit; "Wait N" sets the whole LenBr.
WordFit set_row_word(Row row, const Word& word, const TermNames& terms,
                     IntervalBytes& bytes, IntervalBytes& described);

bool is_decision(const IntervalBytes& bytes);

Level level_of(std::uint8_t byte, std::size_t ctl, bool tristate);
// "0", "1", "z", or empty for no level.
Word level_word(Level level);
// Sets CTL ctl's level in a byte of the Output form from its word, as
// set_row_word does; false for a word that is no level of that output. A
// floating output's level bit is not described.
bool set_level(const Word& word, std::size_t ctl, bool tristate,
               std::uint8_t& byte, std::uint8_t& described);

}  // namespace wfpack

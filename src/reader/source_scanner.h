#pragma once

#include <cstdint>
#include <cstdio>
#include <string_view>

#include "image/gpif_image.h"
#include "reader/hex_value.h"

namespace wfpack {

// Which table a header line opens.
enum class TableKind : std::uint8_t { InitData, WaveData, FlowStates };

// Recognises a table header at the start of a line, fed as the line
// arrives: "const", blanks or tabs, "char", blanks or tabs, optionally
// "xdata" or "__xdata" and blanks or tabs, then "InitData[7] =", or
// "WaveData" or "FlowStates" followed by one bank selector character.
class HeaderMatcher {
 public:
  enum class Result : std::uint8_t { Pending, Matched, Failed };

  // Takes characters from p on. Matched: p is past the header. Failed: p
  // is at or before the character that does not fit, never past the line
  // feed. Pending: more is needed; p is at end or at the line feed.
  Result match(const char*& p, const char* end);
  // Takes "const char xdata " at p in one step when it is there, as it is
  // on nearly every header; returns where matching goes on.
  const char* skip_usual_start(const char* p, const char* end);
  // The line ended while the matcher waited for more; a header that only
  // lacks its bank selector still opens a block.
  Result end_of_line();

  TableKind table() const { return table_; }
  char selector() const { return selector_; }

 private:
  enum class Stage : std::uint8_t {
    Word,      // matching the literal in word_
    Gap,       // first blank or tab after a word
    GapRest,   // further blanks or tabs, then the next word
    Selector,  // the character right after WaveData or FlowStates
  };
  enum class Word : std::uint8_t { Const, Char, Storage, Name };

  bool start_word(char c);
  bool word_done();

  Stage stage_ = Stage::Word;
  Word word_ = Word::Const;
  std::string_view literal_ = "const";
  std::size_t matched_ = 0;
  bool storage_seen_ = false;
  TableKind table_ = TableKind::InitData;
  char selector_ = 0;
};

// The bank a selector character names: "[" and "0" to "7" name banks 0 to
// 7; any other character names none and gives kNoBank.
inline constexpr std::size_t kNoBank = kBankCount;
std::size_t bank_from_selector(char selector);

// Reads a GPIF source into the image, fed in blocks of any size. Lines are
// whole lines however long they are, and memory stays fixed.
//
// A carriage return needs no translation here: before a line feed it can
// only end a value, be skipped as space before the IFCONFIG value, or break
// a line beginning, exactly as the line feed itself would, so CR LF and LF
// sources give the same image.
class SourceScanner {
 public:
  explicit SourceScanner(GpifImage& image) : image_(image) {}

  // Takes the next block of the source. Returns false once the input has
  // ended at a 0x1A byte; nothing after it is read.
  bool feed(std::string_view block);

  // Completes a value or IFCONFIG line still open at the end of the source.
  void finish();

 private:
  enum class State : std::uint8_t {
    LineStart,       // between blocks, at the start of a line
    IfconfigPrefix,  // matching "  IFCONFIG ="
    IfconfigValue,   // reading the IFCONFIG value
    Header,          // matching a table header
    BlockLineStart,  // inside a block, at the start of a line
    BlockBrace,      // inside a block, the line began with "}"
    Values,          // inside a block, scanning a line for 0x values
    ValueZero,       // a "0" that may start a value
    ValueDigits,     // reading a value's digits
    SkipLine,        // the rest of the line is not looked at
  };

  const char* step(const char* p, const char* end);
  const char* scan_values(const char* p, const char* end);
  const char* read_value_digits(const char* p, const char* end);
  void complete_line();
  void end_line();
  void open_block(TableKind table, char selector);
  void store(std::uint8_t byte) {
    if (next_ != table_end_) *next_++ = byte;
  }

  GpifImage& image_;
  State state_ = State::LineStart;
  bool input_ended_ = false;
  std::size_t prefix_matched_ = 0;
  HeaderMatcher header_;
  HexReader value_;
  // The collection cursor: while a block is open, the next table byte to
  // store and the end of that table. A block that names no bank, or whose
  // table is full, stores nothing more.
  bool in_block_ = false;
  std::uint8_t* next_ = nullptr;
  std::uint8_t* table_end_ = nullptr;
};

// Scans an in-memory source to its end.
void scan_source_text(std::string_view text, GpifImage& image);

enum class ScanStatus : std::uint8_t { Complete, ReadFailed };

// Scans an open file to its end, reading it in large blocks.
ScanStatus scan_source_file(std::FILE* source, GpifImage& image);

}  // namespace wfpack

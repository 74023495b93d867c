#pragma once

#include <cstdint>
#include <string_view>

#include "image/gpif_image.h"
#include "reader/hex_value.h"
#include "reader/line_start.h"
#include "reader/source_warnings.h"
#include "reader/value_search.h"

namespace wfpack {

// Reads a GPIF source into the image, fed in blocks of any size, and tells
// the warnings what it reads. Lines are whole lines however long they are,
// and memory stays fixed.
//
// A carriage return needs no translation here: before a line feed it can
// only end a value, be skipped as space before the IFCONFIG value, or stand
// where a line beginning needs something else, exactly as the line feed
// itself would, so CR LF and LF sources give the same image.
class SourceScanner {
 public:
  SourceScanner(GpifImage& image, SourceWarnings& warnings)
      : image_(image), warnings_(warnings) {}

  // Takes the next block of the source. Returns false once the input has
  // ended at a 0x1A byte; nothing after it is read.
  bool feed(std::string_view block);

  // Completes what is still open at the end of the source.
  void finish();

 private:
  enum class Mode : std::uint8_t {
    LineStart,      // deciding what the line is from its first characters
    IfconfigValue,  // the IFCONFIG value goes on past the line's prefix
    Values,         // inside a block, looking for values
    ValueZero,      // a "0" at the end of a block, perhaps a value's start
    ValueDigits,    // a value's digits, cut by the end of a block
    ValueMark,      // a "/" or "*" at the end of a block
    SkipLine,       // nothing more on this line matters
  };

  const char* step(const char* p, const char* end);
  const char* line_start(const char* p, const char* end);
  const char* block_line_start(const char* p, const char* end);
  const char* scan_values(const char* p, const char* end);
  const char* next_line(const char* p, const char* end);
  void act_on_line(std::string_view line, bool line_ended);
  void report_comment_values();
  void set_ifconfig(std::uint8_t value);
  void open_block(const LineStart& header);
  void close_block(bool closed);
  void take_value(std::uint8_t byte);

  GpifImage& image_;
  SourceWarnings& warnings_;
  Mode mode_ = Mode::LineStart;
  bool input_ended_ = false;
  std::size_t line_ = 1;
  LinePrefix prefix_;
  bool brace_seen_ = false;
  char pending_mark_ = 0;
  HexReader value_;
  // While a block is open: the collection cursor, where the block began to
  // store, and its comments. A block that names no bank stores nothing.
  bool in_block_ = false;
  std::uint8_t* block_start_ = nullptr;
  ValueRun run_;
};

}  // namespace wfpack

// The scanner: reads a GPIF source into the image, fed in chunks of any
// size, and tells the warnings what it reads. It knows the modes a line
// can be in, and is the one place that decides where a table body ends;
// lines are whole lines however long they are, and memory stays fixed.
//
// A carriage return needs no translation here: before a line feed it can
// only end a value, be skipped as space before the IFCONFIG value, or stand
// where a line beginning needs something else, exactly as the line feed
// itself would, so CR LF and LF sources give the same image.
#pragma once

#include <cstdint>
#include <string_view>

#include "engine/value_engine.h"
#include "format/hex_value.h"
#include "format/line_class.h"
#include "format/value_context.h"
#include "image/gpif_image.h"
#include "reader/line_prefix.h"
#include "warnings/source_warnings.h"

namespace wfpack {

class SourceScanner {
 public:
  // Table bodies are searched with the given kernel.
  // The design tool's descriptions go into descriptions as they are read.
  SourceScanner(GpifImage& image, Descriptions& descriptions,
                SourceWarnings& warnings, Kernel kernel)
      : image_(image),
        descriptions_(descriptions),
        warnings_(warnings),
        kernel_(kernel) {}

  // Takes the next chunk of the source. Returns false once the input has
  // ended at kEndOfInput; nothing after it is read.
  bool feed(std::string_view chunk);

  // Completes what is still open at the end of the source.
  void finish();

 private:
  enum class Mode : std::uint8_t {
    LineBeginning,  // deciding what the line is from its first characters
    IfconfigValue,  // the IFCONFIG value goes on past the line's prefix
    Values,         // in a table body, looking for values
    MaybeValue,     // a "0" at the end of a chunk, perhaps a value's start
    ValueDigits,    // a value's digits, cut by the end of a chunk
    CommentMark,    // a "/" or "*" at the end of a chunk
    SkipLine,       // nothing more on this line matters
    UpperPrefix,    // a "0X" at the end of a chunk: does a digit follow?
  };

  const char* step(const char* p, const char* end);
  const char* read_line_beginning(const char* p, const char* end);
  const char* read_body_line_beginning(const char* p, const char* end);
  const char* read_values_of_body(const char* p, const char* end);
  const char* next_line(const char* p, const char* end);
  void act_on_line(std::string_view line, bool line_ended);
  void report_comment_values();
  void set_ifconfig(std::uint8_t value, std::string_view rest);
  // What the line prefix holds after kIfconfigPrefix, while the value goes
  // on past it.
  std::string_view ifconfig_rest() const {
    return prefix_.text().substr(kIfconfigPrefix.size());
  }
  void open_table_body(const LineClass& header);
  void close_table_body(bool closed);
  void take_value(std::uint8_t byte);  // scanned_values.cpp
  // The lines of a table body that may declare a table (body_lines.cpp).
  void gather_body_line(const char* p, const char* end);
  void check_body_line(std::string_view line);
  // The values that the compiler may read otherwise (scanned_values.cpp).
  LineTail tail_before(const char* p) const;
  ValueContext context_at(const char* p) const;
  // Whether what stands before p may change what a value right after it
  // is. Only a value stored can make the image differ from what the
  // compiler reads, and mostly the character before p tells.
  bool may_have_context_at(const char* p) const {
    if (run_.next == run_.table_end) return false;
    if (p == chunk_start_ || is_blank_or_return(p[-1])) {
      return may_have_context_after_blanks(p);
    }
    return is_identifier_char(p[-1]) ? *p == kValuePrefix[0]
                                     : is_operator_char(p[-1]);
  }
  bool may_have_context_after_blanks(const char* p) const;
  const char* after_upper_prefix(const char* p, const char* end);
  void note_upper_value(char first_digit);
  void note_value_read_otherwise();

  GpifImage& image_;
  Descriptions& descriptions_;
  SourceWarnings& warnings_;
  const Kernel kernel_;
  Mode mode_ = Mode::LineBeginning;
  bool input_ended_ = false;
  std::size_t line_ = 1;
  LinePrefix prefix_;
  bool brace_seen_ = false;
  char pending_mark_ = 0;
  HexReader value_;
  // While a table body is open: the collection cursor, where the body began
  // to store, and its comments. A body that names no bank stores nothing.
  bool in_body_ = false;
  std::uint8_t* body_start_ = nullptr;
  ValueRun run_;
  // The header of the open body, whether it stores or not; whether the
  // first characters of the body's current line are being gathered to tell
  // whether it declares a table.
  BodyHeader body_;
  bool gathering_ = false;
  // An IFCONFIG line, or a line that assigns IFCONFIG otherwise, was read.
  bool ifconfig_settled_ = false;
  // Where the current chunk begins, and the line's last characters before
  // it: the context of a value near a chunk's start. The context of the
  // value the scanner reads itself.
  const char* chunk_start_ = nullptr;
  LineTail tail_;
  ValueContext value_context_;
};

}  // namespace wfpack

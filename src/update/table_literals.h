// Where each table byte of a source stands as text, found by a plain pass
// over the source's bytes that follows the reader's rules: the literal the
// byte was read from, and whether the firmware's compiler reads that
// literal as the same element of the same table. Only then can an update
// write the byte by rewriting its literal.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "image/gpif_image.h"
#include "image/table_bytes.h"

namespace wfpack {

// Why a table's body is no plain list of literals, of which the compiler's
// elements and the reader's values could part.
enum class BodyFault : std::uint8_t {
  None,
  CommentValue,  // a value inside a comment, which the reader reads
  OtherToken,    // a decimal number, a name, an operator, '0X'...
  BadValue,      // "0x" without digits, 0x80000000 or more, or in a token
  HeaderValues,  // values on the header's own line, which it does not read
  Overrun,       // more values than the table holds
  NotClosed,     // no '};' line ends it
  NulByte,       // a NUL byte, which hides the rest of its line
};

// What a fault says, for a message: "a value inside a comment".
std::string_view body_fault_text(BodyFault fault);

struct Literal {
  std::size_t offset = 0;  // of its "0x" in the source; 0: never supplied
  std::size_t digits = 0;
  std::size_t line = 0;
  // The body it stands in: where the first thing that is not a plain
  // literal stands, and what it is.
  BodyFault fault = BodyFault::None;
  std::size_t fault_line = 0;
  // Where most of the body's literals that have hexadecimal letters write
  // them in upper case, or as many in each, or none has any.
  bool upper_case = true;

  bool supplied() const { return line != 0; }
  bool plain() const { return supplied() && fault == BodyFault::None; }
};

class TableLiterals {
 public:
  // Finds the literals of source, whose reading gave image; a value the
  // pass reads otherwise than the reader did counts as none.
  TableLiterals(std::string_view source, const GpifImage& image);

  const Literal& at(std::size_t table_byte) const {
    return literals_[table_byte];
  }

 private:
  std::array<Literal, kTableByteCount> literals_{};
};

// The literal's text for a new byte: its "0x", at least as many digits as
// it had, its letters in its own case, or the body's where it had none.
std::string literal_text(std::string_view old_text, std::uint8_t byte,
                         bool body_upper_case);

}  // namespace wfpack

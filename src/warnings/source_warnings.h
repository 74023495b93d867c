// What a source holds that makes the image differ from the tables the
// firmware's own compiler builds from it. The reader reads a source exactly
// by the format's rules; these warnings only tell the user where the two
// part. They are kept in source order, at most kShown of them, in fixed
// memory whatever the input.
#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "description/descriptions.h"
#include "format/source_format.h"
#include "image/gpif_image.h"
#include "warnings/unread_table.h"

namespace wfpack {

struct Warning {
  enum class Kind : std::uint8_t {
    TableNotRead,      // table, text: the declared name, reason
    ValuesInComment,   // count: how many
    TableSize,         // count: how many values the table body read
    NotClosed,         //
    IfconfigNotPlain,  // value, text: what the line sets
    IfconfigAgain,     // value replaces previous, each plain or not
    NoIfconfig,        // the rest concern the whole source
    NoInitData,        //
    NoWaveData,        //
    NoFlowStates,      // bank
    FlowStatesUnused,  // bank, at the line of its first FlowStates table
    // The bytes of a waveform (bank, waveform, name), or of InitData, say
    // something else than their description: the first cell that differs
    // (column, text: its row, given, described) and count: the others.
    WaveformDescription,
    InitDescription,
    TableInBody,  // text: the name; table, bank, body_line: the body's
    // Values of a table body that the compiler reads otherwise, each kind
    // once for each body, at its first line. count: how many.
    ValuesAfterOperator,
    ValuesInsideToken,
    ValuesOutOfRange,
    ValuesWithUpperPrefix,
    IfconfigNotRead,  // a line that assigns IFCONFIG in another form
  };
  // A declared name is read from a line's first characters, so it is
  // never longer; what an IFCONFIG line sets is cut shorter.
  static constexpr std::size_t kTextCapacity = 128;

  Kind kind = Kind::NoIfconfig;
  std::size_t line = 0;  // 0 for what concerns the whole source
  TableKind table = TableKind::InitData;
  std::size_t bank = 0;
  std::size_t count = 0;
  std::uint8_t value = 0;
  std::uint8_t previous = 0;
  bool plain = true;              // the value is a plain number
  std::size_t previous_line = 0;  // where a previous value that is none was
  UnreadReason reason = UnreadReason::NoBank;
  std::array<char, kTextCapacity> text{};
  std::size_t text_size = 0;
  std::size_t waveform = 0;
  std::size_t column = 0;  // an interval, or kIdleColumn
  Word name;
  Word given;
  Word described;
  std::size_t body_line = 0;        // the header of the body a table is in
  bool body_header_values = false;  // and whether values stood on its line

  std::string_view text_view() const { return {text.data(), text_size}; }
  // As much of view as text holds.
  void set_text(std::string_view view) {
    text_size = std::min(view.size(), text.size());
    std::copy_n(view.begin(), text_size, text.begin());
  }
};

// The header of a table body: where it stands, what it opens, and whether
// values stood on its own line, which are not read.
struct BodyHeader {
  std::size_t line = 0;
  TableKind table = TableKind::InitData;
  std::size_t bank = kNoBank;  // kNoBank: a body that stores nothing
  bool holds_values = false;
};

// The warning's text, after "SOURCE:LINE: warning: ".
std::string describe(const Warning& warning);

// "1 value", "2 values": a count with its noun.
std::string counted(std::size_t count, std::string_view noun);

// The warnings that compare the bytes with their description are turned
// off with -Wno- and this name, as compilers name their warning switches;
// each says so at its end.
inline constexpr std::string_view kDescriptionWarnings = "description";

class SourceWarnings {
 public:
  static constexpr std::size_t kShown = 50;
  // The kinds of value read otherwise, ValuesAfterOperator and those after
  // it.
  static constexpr std::size_t kOtherwiseKinds = 4;

  // A project that edits its tables by hand on purpose and never saves the
  // file from the design tool again turns the comparison with the
  // descriptions off; they are read all the same.
  explicit SourceWarnings(bool compare_descriptions = true)
      : compare_descriptions_(compare_descriptions) {}

  // What the scanner reads, as it reads it; line counts from 1.
  void table_not_read(std::size_t line, const UnreadTable& unread);
  // rest is what follows kIfconfigPrefix on the line, as far as it was
  // read.
  void ifconfig(std::size_t line, std::uint8_t value, std::string_view rest);
  void table_body_opened(std::size_t line, TableKind table, std::size_t bank);
  void comment_values(std::size_t line, std::size_t count);
  void table_body_ended(std::size_t values, bool closed);
  // A line in the body that body opens that declares the table name.
  void table_in_body(std::size_t line, std::string_view name,
                     const BodyHeader& body);
  // A value stored outside comments that the compiler reads otherwise, or
  // one it reads where the reader skips it; kind is one of the Values*
  // kinds after TableInBody.
  void value_read_otherwise(std::size_t line, Warning::Kind kind);
  // A line between tables that assigns IFCONFIG in a form that is not read.
  void ifconfig_not_read(std::size_t line);

  // After the whole source: what it lacks, and where its bytes are not what
  // its description says.
  void finish(const GpifImage& image, const Descriptions& descriptions);

  std::span<const Warning> shown() const { return {list_.data(), shown_}; }
  std::size_t not_shown() const { return total_ - shown_; }

 private:
  void add(const Warning& warning);
  void check_descriptions(const GpifImage& image,
                          const Descriptions& descriptions);

  std::array<Warning, kShown> list_{};
  std::size_t shown_ = 0;
  std::size_t total_ = 0;

  bool ifconfig_seen_ = false;
  std::uint8_t ifconfig_ = 0;
  std::size_t ifconfig_line_ = 0;
  bool ifconfig_plain_ = true;
  bool init_data_seen_ = false;
  std::array<bool, kBankCount> flow_seen_{};
  std::array<std::size_t, kBankCount> first_flow_line_{};
  // The table body being read.
  bool in_body_ = false;
  std::size_t body_line_ = 0;
  TableKind body_table_ = TableKind::InitData;
  std::size_t body_bank_ = 0;

  bool compare_descriptions_ = true;
  // Where the first table declared inside it stands; what it reads that the
  // compiler reads otherwise, each kind's count and first line.
  std::size_t table_in_body_line_ = 0;
  std::array<std::size_t, kOtherwiseKinds> otherwise_count_{};
  std::array<std::size_t, kOtherwiseKinds> otherwise_line_{};
  bool read_otherwise_ = false;
  std::size_t ifconfig_not_read_line_ = 0;
};

}  // namespace wfpack

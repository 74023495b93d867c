// Both updates on the example and on sources in each layout the design
// tool writes, one case a line: what they say, and the text they give, with
// LF and with CR LF line ends. Every case also goes through the rules every
// update keeps (conversion_invariants.h).
#include "update/update.h"

#include <gtest/gtest.h>

#include <tuple>

#include "conversion_invariants.h"
#include "support/warning_sources.h"

namespace wfpack {
namespace {

using namespace testing_support;

struct UpdateCase {
  const char* name;
  std::string source;
  UpdateKind kind;
  std::string said;      // each message as "LINE[:COL]: KIND: TEXT"
  std::string expected;  // the text written; empty where nothing is
};

std::string updated(const std::string& source, UpdateKind kind,
                    std::string& text) {
  GpifImage image;
  Descriptions descriptions;
  SourceWarnings warnings;
  scan_in_chunks(source, source.size() + 1, best_kernel(), image, descriptions,
                 warnings);
  const UpdateResult result = update_source(source, image, descriptions, kind);
  constexpr const char* kKinds[] = {"note", "warning", "error"};
  std::string said;
  for (const Message& m : result.messages) {
    said += std::to_string(m.line);
    if (m.column != 0) said += ":" + std::to_string(m.column);
    said += std::string(": ") + kKinds[static_cast<int>(m.kind)] + ": " +
            m.text + "\n";
  }
  text = result.changed ? result.text : "";
  return said;
}

constexpr UpdateKind kTables = UpdateKind::Tables;
constexpr UpdateKind kDescription = UpdateKind::Description;
const std::string kRead = "bank 0 waveform 2 'FIFO Rd' interval ";

std::string in_read(const char* row, const std::string& from,
                    const std::string& to,
                    const std::string& text = example_source()) {
  return edited(text, {"// GPIF Waveform 2", row}, from, to);
}
std::string read_bytes(const char* lane, const std::string& from,
                       const std::string& to,
                       const std::string& text = example_source()) {
  return edited(text, {"// Wave 2\n", lane}, from, to);
}
std::string without_rows(const std::string& text) {
  return in_read("Re-Exec",
                 "// Re-Exec                                No\n// "
                 "Sngl/CRC Default   Default   Default   Default   Default   "
                 "Default   Default\n",
                 "", text);
}
// Waveform 0's description once more, before bank 2's table, saying
// another wait.
std::string bank_two_described() {
  std::string text = example_source();
  const std::size_t from =
      text.find("// DO NOT EDIT ...", text.find("// GPIF Initialization"));
  std::string block =
      text.substr(from, text.find("// DO NOT EDIT ...", from + 1) - from);
  block = edited(block, {"IF/Wait"}, "Wait 2", "Wait 4");
  return text.insert(text.find("const char xdata WaveData2"), block);
}
const std::string kTristate =
    "// DO NOT EDIT ...\n// GPIF Waveform 0:\n// IF/Wait  IF        Wait 5\n"
    "// CTL0         1         1\n// CTL1         z         1\n"
    "// END DO NOT EDIT\n" +
    kTristateTables + flow_table() + kIfconfigLine;

// The example's FIFO read made a wait at interval 3, by its bytes, and by
// its description: logic cells emptied, SGL left as it is said.
std::string decision_made_a_wait(bool bytes_only) {
  std::string text = read_bytes("Opcode", "0x06,     0x01", "0x26,     0x00");
  if (bytes_only) return text;
  text = in_read("IF/Wait", "IF        Wait 1", "Wait 56   Wait 1", text);
  for (const std::string row :
       {"  Term A", "  LFunc", "  Term B", "Branch1", "Branch0", "Re-Exec"}) {
    const std::size_t at = text.find(row, text.find("Waveform 2")) + row.size();
    text.erase(at, text.find('\n', at) - at);
  }
  return text;
}
// GPIFIDLECTL with RD# low, and every Idle column saying so.
std::string rd_low_while_idle(bool bytes_only) {
  std::string text = edited(example_source(), {"Regs"}, "0x07", "0x06");
  for (const char* block :
       {"Waveform 0", "Waveform 1", "Waveform 2", "Waveform 3"}) {
    if (bytes_only) break;
    text = edited(text, {block, "// RD#", "1         1         1         1"},
                  "1\n", "0\n");
  }
  return text;
}
const std::string kWait3 = in_read("IF/Wait", "Wait 2", "Wait 3");
const std::string kWait3Bytes = read_bytes("LenBr", "0x02", "0x03", kWait3);
const std::string kSync = edited(example_source(), {}, "Async", "Sync ");
const std::string kOpenDrain =
    edited(example_source(), {"CTL 2  "}, "CMOS", "Op Drain");
const std::string kIntTrig =
    read_bytes("Opcode", "0x01,     0x00", "0x01,     0x10");

TEST(Update, SaysAndWritesEachChange) {
  // clang-format off
  for (const UpdateCase& c : std::initializer_list<UpdateCase>{
    {"NothingToChange", example_source(), kTables, "", ""},
    {"AWait", kWait3, kTables,
     "173: note: " + kRead + "1 IF/Wait: 'Wait 2' -> 'Wait 3' (0x02 -> 0x03)\n", kWait3Bytes},
    {"BlanksKept", blanks_kept(kWait3), kTables,
     "173: note: " + kRead + "1 IF/Wait: 'Wait 2' -> 'Wait 3' (0x02 -> 0x03)\n", blanks_kept(kWait3Bytes)},
    {"NoReExecRow", without_rows(in_read("Branch0", "Else 0", "Else 2")), kTables,
     "171: note: " + kRead + "3 Branch0: 'Else 0' -> 'Else 2' (0x38 -> 0x3a)\n",
     without_rows(in_read("Branch0", "Else 0", "Else 2", read_bytes("LenBr", "0x38", "0x3A")))},
    {"Initialization", kSync, kTables,
     "194: note: initialization Interface Timing: 'Async' -> 'Sync' (0xa0 -> 0xe0)\n",
     edited(kSync, {"Regs"}, "0xA0", "0xE0")},
    {"OpenDrain", kOpenDrain, kTables,
     "194: note: initialization CTL 2: 'CMOS' -> 'Op Drain' (0x00 -> 0x04)\n",
     edited(kOpenDrain, {"Regs"}, "0x00", "0x04")},
    {"SecondBank", bank_two_described(), kTables,
     "229: note: bank 2 waveform 0 'Sngl Rd' interval 1 IF/Wait: 'Wait 2' -> 'Wait 4' (0x02 -> 0x04)\n",
     edited(bank_two_described(), {"WaveData2", "LenBr"}, "0x02", "0x04")},
    {"Tristate", kTristate, kTables,
     "15: note: bank 0 waveform 0 '' interval 1 CTL0: 'z' -> '1' (0x22 -> 0x33)\n",
     edited(kTristate, {"0x11,"}, "0x22", "0x33")},
    {"AByteByHand", kIntTrig, kDescription,
     "111: note: " + kRead + "4 Int Trig: 'No Int' -> 'Trig Int'\n",
     in_read("Int Trig", "No Int    No Int    No Int\n", "Trig Int  No Int    No Int\n", kIntTrig)},
    {"ADecisionMadeAWait", decision_made_a_wait(true), kDescription,
     "112: note: " + kRead + "3 IF/Wait: 'IF' -> 'Wait 56'\n"
     "113: note: " + kRead + "3 Term A: 'TCXpire' -> ''\n"
     "114: note: " + kRead + "3 LFunc: 'AND' -> ''\n"
     "115: note: " + kRead + "3 Term B: 'TCXpire' -> ''\n"
     "116: note: " + kRead + "3 Branch1: 'ThenIdle' -> ''\n"
     "117: note: " + kRead + "3 Branch0: 'Else 0' -> ''\n"
     "118: note: " + kRead + "3 Re-Exec: 'No' -> ''\n"
     "119: warning: " + kRead + "2 Sngl/CRC: left as 'Default': the design tool has no word for a set SGL bit\n",
     decision_made_a_wait(false)},
    {"IdleLevel", rd_low_while_idle(true), kDescription,
     "66: note: bank 0 waveform 0 'Sngl Rd' Idle RD#: '1' -> '0'\n"
     "93: note: bank 0 waveform 1 'Sngl Wr' Idle RD#: '1' -> '0'\n"
     "120: note: bank 0 waveform 2 'FIFO Rd' Idle RD#: '1' -> '0'\n"
     "147: note: bank 0 waveform 3 'FIFO Wr' Idle RD#: '1' -> '0'\n",
     rd_low_while_idle(false)}}) {
    // clang-format on
    SCOPED_TRACE(c.name);
    std::string text;
    EXPECT_EQ(updated(c.source, c.kind, text), c.said);
    EXPECT_EQ(text, c.expected);
    EXPECT_EQ(updated(with_crlf(c.source), c.kind, text), c.said) << "CR LF";
    EXPECT_EQ(text, c.expected.empty() ? "" : with_crlf(c.expected)) << "CR LF";
    check_update_invariants(c.source);
  }
}

TEST(Update, RefusesADescriptionItCannotApply) {
  const std::string names =
      edited(edited(example_source(), {}, "= RDY0", "= EMPTY"), {}, "= RDY1",
             "= EMPTY");
  const std::string init_block = example_source().substr(
      example_source().find("// DO NOT EDIT ...\n//\n// GPIF Initialization"),
      395);
  const std::string tables_first =
      example_source().substr(example_source().find("#include")) +
      example_source().substr(0, example_source().find("#include"));
  const std::string kSelect =
      " cannot be written: its table does not supply InitData byte 5\n";
  // clang-format off
  for (const auto& [name, source, said] : std::initializer_list<std::tuple<const char*, std::string, std::string>>{
    {"UnknownWait", in_read("IF/Wait", "Wait 2  ", "Wait 300"),
     "112:23: error: " + kRead + "1 IF/Wait: 'Wait 300' is no word of this row\n"},
    {"UnknownTarget", in_read("Branch1", "ThenIdle", "Then 9  "),
     "116:43: error: " + kRead + "3 Branch1: 'Then 9' is no word of this row\n"},
    {"MisspeltTerm", in_read("  Term A", "TCXpire", "TCXpir "),
     "113:43: error: " + kRead + "3 Term A: 'TCXpir' is no word of this row\n"},
    {"LogicUnderAWait", in_read("  Term A", "TCXpire", "TCXpire   RDY0"),
     "113:53: error: " + kRead + "4 Term A: 'RDY0' under a wait: only a decision point has one\n"},
    {"IfWithoutItsTerm", in_read("  Term A", "TCXpire", ""),
     "113:43: error: " + kRead + "3 Term A: empty under an 'IF'\n"},
    {"SharedTermName", in_read("  Term A", "TCXpire", "EMPTY  ", names),
     "113:43: error: " + kRead + "3 Term A: 'EMPTY' names more than one term\n"},
    {"IdleColumnsDisagree", in_read("// RD#", "1\n", "0\n"),
     "120:87: error: bank 0 waveform 2 'FIFO Rd' Idle RD#: '0' here, but '1' at line 66\n"},
    {"AfterAnOperator", read_bytes("LenBr", "0x02", "-0x02", kWait3),
     "112:23: error: " + kRead + "1 IF/Wait: 'Wait 3' cannot be written: WaveData bank 0 byte 65 "
     "stands in a table body with something other than a 0x number (line 173)\n"},
    {"NeverSupplied", edited(example_source(), {}, "0xEE,0x4E,0x00", "0xEE"),
     "40:30: error: initialization SingleWrite WF Select: '1'" + kSelect +
     "42:30: error: initialization FifoWrite WF Select: '3'" + kSelect +
     "43:30: error: initialization FifoRead WF Select: '2'" + kSelect},
    {"TwoInitializations",
     edited(example_source(), {"#include"}, "\n#include",
            "\n" + edited(init_block, {}, "Async", "Sync ") + "#include"),
     "160:26: error: initialization Interface Timing: 'Sync' here, but 'Async' at line 37\n"},
    {"NoWaveDataAfterIt", tables_first,
     "178:9: error: no WaveData table of a bank follows this waveform's description, so it "
     "describes no bytes\n"}}) {
    // clang-format on
    SCOPED_TRACE(name);
    std::string text;
    EXPECT_EQ(updated(source, kTables, text), said);
    EXPECT_EQ(text, "");
    check_update_invariants(source);
  }
}

}  // namespace
}  // namespace wfpack

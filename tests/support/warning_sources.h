// Sources for the warning tests, and the warnings a scan of them gives, in
// the forms the tests compare: the printed lines, or each warning's line and
// text.
#pragma once

#include <cstddef>
#include <cstdio>
#include <ostream>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "app/warning_report.h"
#include "image/gpif_image.h"
#include "support/chunk_feed.h"
#include "support/source_text.h"
#include "warnings/source_warnings.h"

namespace wfpack::testing_support {

struct Seen {
  std::size_t line;
  std::string text;
  bool operator==(const Seen&) const = default;
};

struct ScanWarnings {
  std::vector<Seen> shown;
  std::size_t not_shown = 0;
  bool operator==(const ScanWarnings&) const = default;
};

// For test failures: each warning on a line of its own.
inline void PrintTo(const ScanWarnings& warnings, std::ostream* out) {
  for (const Seen& seen : warnings.shown) {
    *out << "\n  " << seen.line << ": " << seen.text;
  }
  *out << "\n  " << warnings.not_shown << " not shown";
}

inline ScanWarnings warnings_of(const SourceWarnings& warnings) {
  ScanWarnings out;
  for (const Warning& warning : warnings.shown()) {
    out.shown.push_back({warning.line, describe(warning)});
  }
  out.not_shown = warnings.not_shown();
  return out;
}

inline ScanWarnings scan_warnings(std::string_view source,
                                  std::size_t chunk_size, Kernel kernel) {
  GpifImage image;
  SourceWarnings warnings;
  scan_in_chunks(source, chunk_size, kernel, image, warnings);
  return warnings_of(warnings);
}

// What the program prints for the source, read whole, named "gpif.c".
inline std::string printed_warnings(std::string_view source,
                                    Kernel kernel = best_kernel()) {
  GpifImage image;
  SourceWarnings warnings;
  scan_in_chunks(source, source.size() + 1, kernel, image, warnings);
  std::string out;
  report_warnings(TextOut(out), "gpif.c", warnings);
  return out;
}

// count values, eight to a line: "0x01,0x02,...".
inline std::string value_rows(std::size_t count, std::size_t first = 1) {
  std::string rows;
  char text[8];
  for (std::size_t i = 0; i < count; ++i) {
    std::snprintf(text, sizeof text, "0x%02X,",
                  static_cast<unsigned>((first + i) & 0xFF));
    rows += text;
    if (i % 8 == 7 || i + 1 == count) rows += '\n';
  }
  return rows;
}

// Complete tables without a fault, as the design tool writes them: a header
// line, "{", the values, "};".
inline std::string whole_table(std::string_view header, std::size_t count) {
  return std::string(header) + "\n{\n" + value_rows(count) + "};\n";
}
inline std::string init_table() {
  return whole_table("const char xdata InitData[7] =", kInitDataSize);
}
inline std::string wave_table(char selector = '[') {
  std::string header = "const char xdata WaveData";
  if (selector != '[') header += selector;
  return whole_table(header + "[128] =", kWaveBankSize);
}
inline std::string flow_table(char selector = '[') {
  std::string header = "const char xdata FlowStates";
  if (selector != '[') header += selector;
  return whole_table(header + "[36] =", kFlowBankSize);
}
inline const std::string kIfconfigLine = "  IFCONFIG = 0xCE;\n";

// A source that gives no warning, for cases to put their lines in front of.
inline std::string clean_tables() {
  return kIfconfigLine + init_table() + wave_table() + flow_table();
}

// A source as the design tool writes it and nobody edits, in its padded
// layout, with the labels and comments it writes and the firmware code that
// uses the tables.
inline std::string design_tool_source() {
  std::string text =
      "// GPIF waveform descriptors, written by the GPIF design tool.\n"
      "// The tables WaveData, FlowStates and InitData below are loaded\n"
      "// into the GPIF by GpifInit().\n"
      "#include \"fx2.h\"\n"
      "#include \"fx2regs.h\"\n"
      "\n"
      "const char xdata WaveData[128] =   \n"
      "{                                  \n";
  const char* labels[] = {"/* LenBr */ ", "/* Opcode*/ ", "/* Output*/ ",
                          "/* LFun  */ "};
  char value[16];
  for (std::size_t wave = 0; wave < 4; ++wave) {
    text += "// Wave " + std::to_string(wave) + "\n";
    for (std::size_t row = 0; row < 4; ++row) {
      text += labels[row];
      for (std::size_t i = 0; i < 8; ++i) {
        std::snprintf(
            value, sizeof value, "0x%02X,%s",
            static_cast<unsigned>((wave * 32 + row * 8 + i) * 7 & 0xFF),
            i == 7 ? "" : "     ");
        text += value;
      }
      text += '\n';
    }
  }
  text +=
      "};\n"
      "\n"
      "const char xdata FlowStates[36] = \n"
      "{                                 \n";
  for (std::size_t wave = 0; wave < 4; ++wave) {
    text += "/* Wave " + std::to_string(wave) + " FlowStates */ ";
    for (std::size_t i = 0; i < 9; ++i) {
      std::snprintf(value, sizeof value, "0x%02X,",
                    static_cast<unsigned>(wave * 9 + i));
      text += value;
    }
    text += '\n';
  }
  text +=
      "};\n"
      "\n"
      "const char xdata InitData[7] =    \n"
      "{                                 \n"
      "/* Regs  */ 0xA0,0x00,0x00,0x00,0xEE,0x4E,0x00\n"
      "};\n"
      "\n"
      "extern const char xdata WaveData[128];\n"
      "BYTE xdata WaveData_copy[128];\n"
      "\n"
      "void GpifInit( void )\n"
      "{\n"
      "  BYTE i;\n"
      "\n"
      "  // WaveData[128] = the waveform memories, copied below\n"
      "  IFCONFIG = 0xCE;\n"
      "  GPIFABORT = 0xFF;\n"
      "  GPIFREADYCFG = InitData[ 0 ];\n"
      "  GPIFCTLCFG = InitData[ 1 ];\n"
      "  FLOWSTATE = FlowStates[ 0 ];\n"
      "  FLOWLOGIC = FlowStates[ 1 ];\n"
      "  AUTOPTRH1 = MSB( &WaveData );\n"
      "  AUTOPTRL1 = LSB( &WaveData );\n"
      "  for ( i = 0x00; i < 128; i++ )\n"
      "  {\n"
      "    EXTAUTODAT2 = EXTAUTODAT1;\n"
      "  }\n"
      "  // IFCONFIG = 0xCB; for an external clock\n"
      "}\n";
  return text;
}

}  // namespace wfpack::testing_support

// Sources built for the reader's tests, and the image they give.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>
#include <vector>

#include "image/gpif_image.h"
#include "support/chunk_feed.h"
#include "view/view.h"

namespace wfpack::testing_support {

using Bytes = std::vector<std::uint8_t>;

inline const std::string kWave0 = "const char xdata WaveData[128] =\n";
inline const std::string kInit = "const char xdata InitData[7] =\n";

inline GpifImage scanned_in_chunks(std::string_view text,
                                   std::size_t chunk_size, Kernel kernel) {
  GpifImage image;
  SourceWarnings warnings;
  scan_in_chunks(text, chunk_size, kernel, image, warnings);
  return image;
}

// The whole source in one chunk.
inline GpifImage scanned(std::string_view text, Kernel kernel) {
  return scanned_in_chunks(text, text.size() + 1, kernel);
}

inline std::string with_crlf(std::string_view text) {
  std::string out;
  for (const char c : text) {
    if (c == '\n') out += '\r';
    out += c;
  }
  return out;
}

// A file of the project's, by its path from the project's root.
inline std::string project_file(const std::string& path) {
  std::ifstream in(std::string(WFPACK_SOURCE_DIR) + "/" + path,
                   std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

inline std::string example_source() { return project_file("examples/gpif.c"); }

// What --show prints for a source.
inline std::string shown(const std::string& source, ViewFormat format) {
  GpifImage image;
  Descriptions descriptions;
  SourceWarnings warnings;
  scan_in_chunks(source, source.size() + 1, best_kernel(), image, descriptions,
                 warnings);
  adjust_ifconfig(image);
  return render_view(format, image, descriptions.bank_names());
}

// The text with the first "from" after each of "marks", in turn, made "to".
inline std::string edited(std::string text,
                          std::initializer_list<const char*> marks,
                          const std::string& from, const std::string& to) {
  std::size_t at = 0;
  for (const char* mark : marks) at = text.find(mark, at);
  at = text.find(from, at);
  EXPECT_NE(at, std::string::npos) << from;
  return at == std::string::npos ? text : text.replace(at, from.size(), to);
}

// Every line with the trailing blanks some versions of the tool keep.
inline std::string blanks_kept(const std::string& source) {
  std::string text;
  for (std::size_t at = 0; at < source.size();) {
    std::string line = source.substr(at, source.find('\n', at) - at);
    at += line.size() + 1;
    if (line.starts_with("//") && line.size() < 92) line.resize(92, ' ');
    text += line + "\n";
  }
  return text;
}

inline std::string values(std::size_t count, std::size_t first = 1,
                          std::size_t per_line = 8) {
  std::string line;
  char text[8];
  for (std::size_t i = 0; i < count; ++i) {
    std::snprintf(text, sizeof text, "0x%02X,",
                  static_cast<unsigned>((first + i) & 0xFF));
    line += text;
    if (i % per_line == per_line - 1) line += '\n';
  }
  return line + "\n";
}

// One waveform in Tristate mode, CTL0 and CTL1 enabled in turn, its first
// interval a decision point; no names block.
inline const std::string kTristateTables =
    "const char xdata InitData[7] =\n{\n0x00,0x80,0x00,0x13,0x00,0xE4,0x00\n"
    "};\nconst char xdata WaveData[128] =\n{\n"
    "0xAF,0x05,0x01,0x01,0x01,0x01,0x01,0x07,\n"
    "0x19,0x2A,0x00,0x00,0x00,0x00,0x00,0x00,\n"
    "0x11,0x22,0x22,0x00,0x00,0x00,0x00,0x00,\n"
    "0xC7,0x00,0x00,0x00,0x00,0x00,0x00,0x3F,\n" +
    values(96) + "};\n";

inline Bytes counting(std::size_t count, std::size_t first = 1) {
  Bytes out;
  for (std::size_t i = 0; i < count; ++i) {
    out.push_back(static_cast<std::uint8_t>(first + i));
  }
  return out;
}

enum class Table { Init, Wave, Flow };

// Bytes expected in one table from an offset on.
struct Span {
  Table table;
  std::size_t offset;
  Bytes bytes;
};

// The image that holds exactly the given bytes and bank flags, zero
// elsewhere.
inline GpifImage image_of(const std::vector<Span>& spans,
                          const std::vector<std::size_t>& used_banks) {
  GpifImage image;
  for (const Span& span : spans) {
    std::uint8_t* table = span.table == Table::Init   ? image.InitData.data()
                          : span.table == Table::Wave ? image.WaveData.data()
                                                      : image.FlowStates.data();
    std::copy(span.bytes.begin(), span.bytes.end(), table + span.offset);
  }
  for (const std::size_t bank : used_banks) image.BankUsed[bank] = true;
  return image;
}

// The same source with blanks after every line: the values then lie far
// enough from the end of the chunk to be read a whole window at a time.
inline std::string with_trailing_blanks(const std::string& source) {
  std::string out;
  for (const char c : source) {
    if (c == '\n') out += std::string(80, ' ');
    out += c;
  }
  return out;
}

}  // namespace wfpack::testing_support

#include "writers/c_array_file.h"

#include <cstdint>

#include "image/byte_text.h"
#include "writers/storage_class.h"

namespace wfpack {

namespace {

constexpr std::size_t kWaveBytesPerLine = 8;
constexpr std::size_t kFlowBytesPerLine = 9;

bool is_identifier_char(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') ||
         (c >= '0' && c <= '9') || c == '_';
}

// One image byte as "0x%2.2x,".
void append_byte(std::string& out, std::uint8_t byte) {
  append_hex(out, byte);
  out += ',';
}

// Formats are written with "\n"; each becomes CR LF in the file.
void append_text(std::string& out, std::string_view text) {
  for (char c : text) {
    if (c == '\n') {
      out += kCLineEnd;
    } else {
      out += c;
    }
  }
}

void append_table(std::string& out, std::span<const std::uint8_t> bytes,
                  std::size_t per_line) {
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    append_byte(out, bytes[i]);
    if (i % per_line == per_line - 1) append_text(out, "\n\t");
  }
}

void append_bank(std::string& out, const GpifImage& image, std::size_t bank) {
  const char digit = static_cast<char>('0' + bank);
  append_text(out, "// Wave data bank");
  out += digit;
  append_text(out, "\n\t");
  append_table(out, wave_bank(image, bank), kWaveBytesPerLine);
  append_text(out, "// Flow data bank");
  out += digit;
  append_text(out, "\n\t");
  append_table(out, flow_bank(image, bank), kFlowBytesPerLine);
}

// Length of the text: 112 characters, the array name less its "_dat", the
// storage class and its blank, and 900 per used bank, plus one CR for each
// of the 5 + 22 per bank line ends.
std::size_t c_array_size(const GpifImage& image, std::string_view array_name,
                         std::string_view storage) {
  const std::size_t banks = used_bank_count(image);
  const std::size_t characters = 108 + array_name.size() + 900 * banks +
                                 (storage.empty() ? 0 : storage.size() + 1);
  const std::size_t line_ends = 5 + 22 * banks;
  return characters + line_ends;
}

}  // namespace

std::string c_array_file_name(std::string_view base_name) {
  return std::string(base_name) + "_dat.c";
}

std::string c_array_name(std::string_view file_name) {
  std::string name;
  if (!file_name.empty() && file_name.front() >= '0' &&
      file_name.front() <= '9') {
    name += '_';
  }
  for (char c : file_name) name += is_identifier_char(c) ? c : '_';
  return name + "_dat";
}

std::string render_c_array(const GpifImage& image, std::string_view array_name,
                           std::string_view storage) {
  std::string out;
  out.reserve(c_array_size(image, array_name, storage));
  append_text(out, "typedef unsigned char u8;\n");
  out += array_declaration(storage, "u8", array_name);
  append_text(out, "[]={\n\t");
  append_byte(out, image.IfConfig);
  append_text(out, "\t//IFCONFIG\n\t");
  for (std::uint8_t byte : image.InitData) append_byte(out, byte);
  append_text(out, "\t//CTL RDY init\n\t");
  for (std::size_t bank = 0; bank < kBankCount; ++bank) {
    if (image.BankUsed[bank]) append_bank(out, image, bank);
  }
  append_text(out, "};\n");
  return out;
}

OutputStatus write_c_array_file(const GpifImage& image,
                                std::string_view base_name,
                                std::string_view array_name,
                                std::string_view storage,
                                platform::Failure* failure) {
  const std::string text = render_c_array(image, array_name, storage);
  return write_output_file(c_array_file_name(base_name), text, failure);
}

}  // namespace wfpack

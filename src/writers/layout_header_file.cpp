#include "writers/layout_header_file.h"

#include <charconv>
#include <cstdint>
#include <utility>

#include "image/byte_text.h"
#include "writers/c_array_file.h"
#include "writers/loader_file.h"
#include "writers/storage_class.h"

namespace wfpack {

namespace {

// Builds the header line by line, each line ended as in the C array file.
class HeaderText {
 public:
  explicit HeaderText(std::string_view array_name)
      : prefix_(layout_macro_prefix(array_name)) {}

  HeaderText& operator<<(std::string_view text) {
    text_.append(text);
    return *this;
  }
  HeaderText& operator<<(char c) {
    text_ += c;
    return *this;
  }
  HeaderText& operator<<(std::size_t number) {
    char digits[24];
    const auto end = std::to_chars(digits, digits + sizeof digits, number).ptr;
    text_.append(digits, static_cast<std::size_t>(end - digits));
    return *this;
  }
  void end_line() { text_.append(kCLineEnd); }

  // "#define ARRAY_NAME value", the value decimal.
  void define(std::string_view name, std::size_t value) {
    *this << "#define " << prefix_ << '_' << name << ' ' << value;
    end_line();
  }

  // The name of a file inside a comment: a "*" that could end the comment,
  // or a control character that could end its line, becomes "_".
  void comment_name(std::string_view name) {
    for (char c : name) {
      const bool unsafe =
          c == '*' || static_cast<unsigned char>(c) < 0x20 || c == '\x7f';
      text_ += unsafe ? '_' : c;
    }
  }

  const std::string& prefix() const { return prefix_; }
  std::string take() { return std::move(text_); }

 private:
  std::string prefix_;
  std::string text_;
};

}  // namespace

std::string layout_header_file_name(std::string_view base_name) {
  return std::string(base_name) + "_dat.h";
}

std::string layout_macro_prefix(std::string_view array_name) {
  std::string prefix;
  for (char c : array_name) {
    prefix += c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
  }
  return prefix;
}

BankMacros bank_macros(std::size_t bank) {
  const std::string name = "BANK" + std::to_string(bank);
  return {name + "_WAVEDATA", name + "_FLOWSTATES"};
}

std::string render_layout_header(const GpifImage& image,
                                 std::string_view array_name,
                                 std::string_view storage,
                                 std::string_view source_name, bool loader) {
  HeaderText out(array_name);
  const std::size_t size =
      kImageHeadSize + used_bank_count(image) * kBankImageSize;
  out << "/* " << array_name << ": the GPIF image that wfpack made from ";
  out.comment_name(source_name);
  out << ". Do not edit. */";
  out.end_line();
  out << "#ifndef " << out.prefix() << "_H";
  out.end_line();
  out << "#define " << out.prefix() << "_H";
  out.end_line();
  out.end_line();
  out << "extern " << array_declaration(storage, "unsigned char", array_name)
      << "[" << size << "];";
  out.end_line();
  out.end_line();
  out.define("SIZE", size);
  out.define("IFCONFIG", 0);
  out.define("INITDATA", kImageHeadSize - kInitDataSize);
  out.define("WAVEDATA_SIZE", kWaveBankSize);
  out.define("FLOWSTATES_SIZE", kFlowBankSize);
  out.end_line();

  static_assert(kBankCount <= 8, "the banks' mask is one byte");
  std::uint8_t mask = 0;
  for (std::size_t bank = 0; bank < kBankCount; ++bank) {
    if (image.BankUsed[bank]) mask |= static_cast<std::uint8_t>(1u << bank);
  }
  std::string banks;
  append_hex(banks, mask);
  out << "/* Bit k: bank k is in the image, its tables at these offsets. */";
  out.end_line();
  out << "#define " << out.prefix() << "_BANKS " << banks;
  out.end_line();
  const auto offsets = bank_offsets(image);
  for (std::size_t bank = 0; bank < kBankCount; ++bank) {
    if (!image.BankUsed[bank]) continue;
    const BankMacros names = bank_macros(bank);
    out.define(names.wave_data, offsets[bank].wave_data);
    out.define(names.flow_states, offsets[bank].flow_states);
  }
  out.end_line();
  if (loader) {
    out << loader_declarations(array_name);
    out.end_line();
  }
  out << "#endif";
  out.end_line();
  return out.take();
}

OutputStatus write_layout_header_file(const GpifImage& image,
                                      std::string_view base_name,
                                      std::string_view array_name,
                                      std::string_view storage,
                                      std::string_view source_name, bool loader,
                                      platform::Failure* failure) {
  const std::string text =
      render_layout_header(image, array_name, storage, source_name, loader);
  return write_output_file(layout_header_file_name(base_name), text, failure);
}

}  // namespace wfpack

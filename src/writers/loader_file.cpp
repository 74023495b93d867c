#include "writers/loader_file.h"

#include <array>
#include <string>

#include "writers/c_array_file.h"
#include "writers/layout_header_file.h"
#include "writers/loader_template.h"

namespace wfpack {

namespace {

using namespace loader_template;

class LoaderText {
 public:
  LoaderText(const GpifImage& image, std::string_view array_name,
             std::string_view header_name)
      : offsets_(bank_offsets(image)),
        array_(array_name),
        macro_(layout_macro_prefix(array_name)),
        header_(header_name) {}

  // Appends text, its "\n" as the C files' line end and each @NAME@ as put
  // writes it.
  void expand(std::string& out, std::string_view text) const {
    for (std::size_t i = 0; i < text.size(); ++i) {
      if (text[i] == '\n') {
        out += kCLineEnd;
      } else if (text[i] == '@') {
        const std::size_t end = text.find('@', i + 1);
        put(out, text.substr(i + 1, end - i - 1));
        i = end;
      } else {
        out += text[i];
      }
    }
  }

 private:
  void put(std::string& out, std::string_view name) const {
    if (name == "ARRAY") {
      out += array_;
    } else if (name == "MACRO") {
      out += macro_;
    } else if (name == "HEADER") {
      out += header_;
    } else if (name == "LOAD") {
      expand(out, kLoad);
    } else if (name == "LOAD_FLOWSTATE") {
      expand(out, kLoadFlowState);
    } else if (name == "REGISTERS" || name == "WRITES") {
      for (const Register& r : kLoadOrder) {
        if (name == "REGISTERS") {
          out.append("GPIF_REGISTER(").append(r.name).append(", ");
          out.append(r.address).append(");").append(kCLineEnd);
        } else {
          out.append("\t").append(r.name).append(" = ");
          expand(out, r.value);
          out.append(";").append(kCLineEnd);
        }
      }
    } else if (name == "WAVEDATA_CASES" || name == "FLOWSTATES_CASES") {
      // "case 2: return GPIF_DAT_BANK2_WAVEDATA;" for each bank it holds.
      for (std::size_t bank = 0; bank < kBankCount; ++bank) {
        if (offsets_[bank].wave_data == 0) continue;
        const BankMacros macros = bank_macros(bank);
        out.append("\tcase ").append(std::to_string(bank)).append(": return ");
        out.append(macro_).append("_");
        out.append(name == "WAVEDATA_CASES" ? macros.wave_data
                                            : macros.flow_states);
        out.append(";").append(kCLineEnd);
      }
    }
  }

  std::array<BankOffsets, kBankCount> offsets_;
  std::string_view array_;
  std::string macro_;
  std::string_view header_;
};

}  // namespace

std::string loader_file_name(std::string_view base_name) {
  return std::string(base_name) + "_load.c";
}

std::string loader_declarations(std::string_view array_name) {
  std::string out;
  LoaderText(GpifImage{}, array_name, {}).expand(out, kDeclarations);
  return out;
}

std::string render_loader(const GpifImage& image, std::string_view array_name,
                          std::string_view header_name) {
  std::string out;
  LoaderText(image, array_name, header_name).expand(out, kLoader);
  return out;
}

OutputStatus write_loader_file(const GpifImage& image,
                               std::string_view base_name,
                               std::string_view array_name,
                               std::string_view header_name,
                               platform::Failure* failure) {
  const std::string text = render_loader(image, array_name, header_name);
  return write_output_file(loader_file_name(base_name), text, failure);
}

}  // namespace wfpack

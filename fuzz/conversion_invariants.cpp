#include "conversion_invariants.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <span>
#include <string>

#include "app/base_name.h"
#include "engine/value_engine.h"
#include "image/gpif_image.h"
#include "support/chunk_feed.h"
#include "support/reference_scan.h"
#include "update/update.h"
#include "view/view.h"
#include "warnings/source_warnings.h"
#include "writers/c_array_file.h"

namespace wfpack {

namespace {

void require(bool holds, const char* rule) {
  if (holds) return;
  std::fprintf(stderr, "conversion invariant broken: %s\n", rule);
  std::abort();
}

struct Scan {
  // On the heap on its own, so that the address sanitizer notices any byte
  // read or written outside it.
  std::unique_ptr<GpifImage> image = std::make_unique<GpifImage>();
  std::unique_ptr<Descriptions> descriptions = std::make_unique<Descriptions>();
  SourceWarnings warnings;
};

Scan scan_in_chunks(std::string_view input, std::size_t chunk, Kernel kernel) {
  Scan scan;
  testing_support::scan_in_chunks(input, chunk, kernel, *scan.image,
                                  *scan.descriptions, scan.warnings);
  return scan;
}

// What the user is shown: each warning's line and text, and how many more.
bool same_warnings(const SourceWarnings& a, const SourceWarnings& b) {
  if (a.shown().size() != b.shown().size() || a.not_shown() != b.not_shown()) {
    return false;
  }
  for (std::size_t i = 0; i < a.shown().size(); ++i) {
    if (a.shown()[i].line != b.shown()[i].line ||
        describe(a.shown()[i]) != describe(b.shown()[i])) {
      return false;
    }
  }
  return true;
}

void check_warnings(const SourceWarnings& warnings) {
  const auto shown = warnings.shown();
  require(shown.size() <= SourceWarnings::kShown, "at most kShown warnings");
  require(shown.size() == SourceWarnings::kShown || warnings.not_shown() == 0,
          "warnings are held back only when kShown are shown");
  // Source order, those about the whole source (line 0) last.
  for (std::size_t i = 1; i < shown.size(); ++i) {
    const std::size_t before = shown[i - 1].line;
    const std::size_t line = shown[i].line;
    require(line == 0 || (before != 0 && before <= line),
            "warnings in source order");
  }
}

bool is_identifier(std::string_view name) {
  if (name.empty() || (name.front() >= '0' && name.front() <= '9')) {
    return false;
  }
  for (char c : name) {
    const bool fits = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') ||
                      (c >= '0' && c <= '9') || c == '_';
    if (!fits) return false;
  }
  return true;
}

int hex_value(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;  // upper case is never written
}

void check_c_array_text(const GpifImage& image, std::string_view name) {
  const std::string text = render_c_array(image, name);
  const std::size_t banks = used_bank_count(image);
  require(text.size() == 113 + name.size() + 922 * banks, "C array size");

  std::size_t line_ends = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '\n') continue;
    require(i > 0 && text[i - 1] == '\r', "every line ends with CR LF");
    ++line_ends;
  }
  require(line_ends == 5 + 22 * banks, "C array line count");
  require(text.ends_with("\t};\r\n"), "C array closes the array");

  // Every "0x" after the declaration line is one image byte, in order.
  const ImageBytes bytes = image_byte_sequence(image);
  std::size_t count = 0;
  for (std::size_t at = text.find("0x", text.find("[]={"));
       at != std::string::npos; at = text.find("0x", at + 4)) {
    require(at + 4 < text.size() && text[at + 4] == ',', "byte ends in comma");
    const int high = hex_value(text[at + 2]);
    const int low = hex_value(text[at + 3]);
    require(high >= 0 && low >= 0, "two lower-case hexadecimal digits");
    require(count < bytes.size, "no more bytes than the image");
    require(bytes.bytes[count] == high * 16 + low, "byte read back");
    ++count;
  }
  require(count == bytes.size, "every image byte is written");
}

}  // namespace

void check_conversion_invariants(std::string_view input,
                                 std::span<const Kernel> kernels) {
  const GpifImage expected = reference::scan(input);
  // The portable kernel, the whole input in one chunk, is the reference.
  const Scan whole = scan_in_chunks(input, input.size() + 1, Kernel::Portable);
  require(*whole.image == expected, "image equals the model");
  check_warnings(whole.warnings);
  for (const Kernel kernel : kernels) {
    // Chunks of a window and more too, for the kernels to run in.
    for (std::size_t chunk :
         {input.size() + 1, std::size_t{1}, std::size_t{2}, std::size_t{7},
          1 + input.size() % 61, 73 + input.size() % 97}) {
      const Scan part = scan_in_chunks(input, chunk, kernel);
      require(*part.image == expected,
              "image does not depend on kernel or chunk size");
      require(same_warnings(part.warnings, whole.warnings),
              "warnings do not depend on kernel or chunk size");
    }
  }

  GpifImage& image = *whole.image;
  const std::uint8_t before = image.IfConfig;
  adjust_ifconfig(image);
  require(image.IfConfig == ((before & 0x80) ? before : (before & ~0x20)),
          "IFCONFIG adjustment");
  require(image_byte_sequence(image).size == 8 + 164 * used_bank_count(image),
          "image size");

  check_c_array_text(image, "gpif_dat");

  // Every view prints every source, whatever its names hold.
  const BankNames names = whole.descriptions->bank_names();
  for (const ViewFormat format :
       {ViewFormat::Text, ViewFormat::Svg, ViewFormat::WaveJson}) {
    require(!render_view(format, image, names).empty(), "every view prints");
  }

  // The input's first line taken as a source name.
  const std::string_view name = input.substr(0, input.find_first_of("\n"));
  const std::string base = base_name(name.substr(0, name.find('\0')));
  require(name.starts_with(base), "base name is a prefix of the name");
  require(base.find('.', base.rfind('/') + 1) == std::string::npos,
          "no period in the base name's file name");
  const std::string array = c_array_name(file_name_of(base));
  require(is_identifier(array) && array.ends_with("_dat"),
          "array name is a C identifier");
  check_update_invariants(input);
}

namespace {

// The cells the description check counts as differing.
std::size_t described_otherwise(const SourceWarnings& warnings) {
  std::size_t cells = 0;
  for (const Warning& warning : warnings.shown()) {
    if (warning.kind == Warning::Kind::WaveformDescription ||
        warning.kind == Warning::Kind::InitDescription) {
      cells += warning.count + 1;
    }
  }
  return cells;
}

// Whether every line in which the texts differ begins with "//" (or none
// does), the texts having as many lines.
bool differs_only_in(std::string_view a, std::string_view b,
                     bool description_lines) {
  if (std::count(a.begin(), a.end(), '\n') !=
      std::count(b.begin(), b.end(), '\n')) {
    return false;
  }
  while (!a.empty() || !b.empty()) {
    const std::size_t a_end = std::min(a.find('\n'), a.size());
    const std::size_t b_end = std::min(b.find('\n'), b.size());
    const std::string_view line = a.substr(0, a_end);
    if (line != b.substr(0, b_end) &&
        line.starts_with("//") != description_lines) {
      return false;
    }
    a.remove_prefix(std::min(a_end + 1, a.size()));
    b.remove_prefix(std::min(b_end + 1, b.size()));
  }
  return true;
}

}  // namespace

void check_update_invariants(std::string_view input) {
  for (const UpdateKind kind : {UpdateKind::Tables, UpdateKind::Description}) {
    const Scan before = scan_in_chunks(input, input.size() + 1, best_kernel());
    const UpdateResult result =
        update_source(input, *before.image, *before.descriptions, kind);
    require(!result.failed || (!result.changed && result.text.empty()),
            "a failed update changes nothing");
    if (!result.changed) continue;
    const Scan after = scan_in_chunks(result.text, result.text.size() + 1,
                                      best_kernel());
    const std::size_t left = static_cast<std::size_t>(std::count_if(
        result.messages.begin(), result.messages.end(), [](const Message& m) {
          return m.kind == Message::Kind::Warning;
        }));
    require(described_otherwise(after.warnings) <= left,
            "after an update the description check finds only cells left");
    const bool tables = kind == UpdateKind::Tables;
    require(differs_only_in(input, result.text, !tables),
            tables ? "a tables update changes no description line"
                   : "a description update changes only description lines");
    require(tables || *after.image == *before.image,
            "a description update leaves the image as it was");
    const UpdateResult again = update_source(result.text, *after.image,
                                             *after.descriptions, kind);
    require(!again.changed && !again.failed, "a second update changes nothing");
  }
}

}  // namespace wfpack

#include "app/run.h"

#include <cstdio>
#include <filesystem>
#include <string_view>
#include <system_error>

#include "app/base_name.h"
#include "app/command_line.h"
#include "app/warning_report.h"
#include "image/gpif_image.h"
#include "platform/native_file.h"
#include "reader/source_file.h"
#include "view/view.h"
#include "writers/binary_image_file.h"
#include "writers/c_array_file.h"
#include "writers/output_file.h"

namespace wfpack {

namespace {

constexpr std::string_view kBanner =
    "*********** Tabulon V1.0 by ZENOWARE(zenoware.example) **********\n";
constexpr std::string_view kUsage =
    "USAGE: wfpack gpif.c\n"
    "       --> create gpif_dat.c & gpif_dat.bin file.\n";

void report(TextOut& console, std::string_view what, std::string_view name) {
  console << "File " << what << " err (" << name << ").\n";
}

// A directory opens for reading on some systems and then fails at the first
// read; it is no source file, so it is reported as one that cannot be
// opened. Asked only then, so that a run that reads its source makes no
// call more than it needs.
bool is_directory(std::string_view name) {
  std::error_code ignored;
  return std::filesystem::is_directory(platform::native_path(name), ignored);
}

// Reports an output file that was not written. A file that cannot be
// created is named by the base name, as firmware build scripts expect; a
// failed write names the file itself.
bool output_written(OutputStatus status, std::string_view base,
                    std::string_view file_name, TextOut& console) {
  switch (status) {
    case OutputStatus::Written:
      return true;
    case OutputStatus::OpenFailed:
      report(console, "open", base);
      return false;
    case OutputStatus::WriteFailed:
      report(console, "write", file_name);
      return false;
  }
  return false;
}

BankNames bank_names(const SourceWarnings& warnings) {
  BankNames names;
  for (std::size_t bank = 0; bank < kBankCount; ++bank) {
    names[bank] = warnings.descriptions().names(bank);
  }
  return names;
}

// Converts one source, named as given, with the options of the command
// line.
int convert(const CommandLine& line, std::string_view source_name,
            TextOut& console, TextOut& diagnostics) {
  std::FILE* source = platform::open_file(source_name, "rb");
  if (source == nullptr) {
    report(console, "open", source_name);
    return kExitFailure;
  }
  GpifImage image;
  SourceWarnings warnings(line.compare_descriptions);
  const ScanStatus status = scan_source_file(source, image, warnings);
  std::fclose(source);
  if (status == ScanStatus::ReadFailed) {
    report(console, is_directory(source_name) ? "open" : "read", source_name);
    return kExitFailure;
  }
  const std::string base = line.output_dir.empty()
                               ? base_name(source_name)
                               : base_name_in(line.output_dir, source_name);
  const bool failed = line.warnings_as_errors && !warnings.shown().empty();
  report_warnings(diagnostics, source_name, warnings, failed);
  if (line.show) {
    if (failed) return kExitWarningsAsErrors;
    adjust_ifconfig(image);
    console << render_view(line.show_format, image, bank_names(warnings));
    return kExitSuccess;
  }
  if (failed) {
    // As a compiler leaves no object file: not even one an earlier run
    // wrote, which a build would otherwise take for this source's.
    remove_earlier_output(c_array_file_name(base));
    remove_earlier_output(binary_image_file_name(base));
    return kExitWarningsAsErrors;
  }

  adjust_ifconfig(image);
  // The C array file is complete and closed before the binary is created.
  const std::string array_name = c_array_name(file_name_of(base));
  if (!output_written(write_c_array_file(image, base, array_name), base,
                      c_array_file_name(base), console) ||
      !output_written(write_binary_image_file(image, base), base,
                      binary_image_file_name(base), console)) {
    return kExitFailure;
  }
  return kExitSuccess;
}

}  // namespace

int run(std::span<const char* const> args, TextOut console,
        TextOut diagnostics) {
  const CommandLine line = parse_command_line(args);
  if (!line.error.empty()) {
    diagnostics << "wfpack: " << line.error
                << "\nTry 'wfpack --help' for the options.\n";
    return kExitBadOption;
  }
  if (line.version) {
    console << "wfpack " << WFPACK_VERSION << '\n';
    return kExitSuccess;
  }
  // What --show prints is the view alone, for pasting into documents.
  if (!line.quiet && !line.show) console << kBanner;
  if (line.help) {
    console << kUsage << kOptionsHelp;
    return kExitSuccess;
  }
  if (line.names.size() != 1) {
    console << kUsage;
    return kExitSuccess;
  }
  return convert(line, line.names.front(), console, diagnostics);
}

}  // namespace wfpack

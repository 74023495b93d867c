#include "app/run.h"

#include <cstdio>
#include <string_view>

#include "app/base_name.h"
#include "app/command_line.h"
#include "app/file_failure.h"
#include "app/update_run.h"
#include "app/warning_report.h"
#include "image/gpif_image.h"
#include "platform/native_file.h"
#include "reader/source_file.h"
#include "view/view.h"
#include "writers/binary_image_file.h"
#include "writers/c_array_file.h"
#include "writers/layout_header_file.h"
#include "writers/loader_file.h"
#include "writers/output_file.h"

namespace wfpack {

namespace {

constexpr std::string_view kBanner =
    "*********** Tabulon V1.0 by ZENOWARE(zenoware.example) **********\n";
constexpr std::string_view kUsage =
    "USAGE: wfpack gpif.c\n"
    "       --> create gpif_dat.c & gpif_dat.bin file.\n";

// Reports an output file that was not written. A file that cannot be
// created is named by the base name, as firmware build scripts expect; a
// failed write names the file itself.
bool output_written(OutputStatus status, platform::Failure failure,
                    std::string_view base, std::string_view file_name,
                    TextOut& console, TextOut& diagnostics) {
  switch (status) {
    case OutputStatus::Written:
      return true;
    case OutputStatus::OpenFailed:
      report(console, "open", base);
      explain(diagnostics, "create", file_name, failure);
      return false;
    case OutputStatus::WriteFailed:
      report(console, "write", file_name);
      explain(diagnostics, "write", file_name, failure);
      return false;
  }
  return false;
}

// Converts one source, named as given, with the options of the command
// line.
int convert(const CommandLine& line, std::string_view source_name,
            TextOut& console, TextOut& diagnostics) {
  std::FILE* source = platform::open_file(source_name, "rb");
  if (source == nullptr) {
    const platform::Failure failure = platform::last_failure();
    report(console, "open", source_name);
    explain(diagnostics, "open", source_name, failure);
    return kExitFailure;
  }
  GpifImage image;
  Descriptions descriptions;
  SourceWarnings warnings(line.compare_descriptions);
  const ScanStatus status =
      scan_source_file(source, image, descriptions, warnings);
  const platform::Failure failure = status == ScanStatus::ReadFailed
                                        ? platform::last_failure()
                                        : platform::Failure{};
  std::fclose(source);
  if (status == ScanStatus::ReadFailed) {
    const std::string_view action = is_directory(source_name) ? "open" : "read";
    report(console, action, source_name);
    explain(diagnostics, action, source_name, failure);
    return kExitFailure;
  }
  const std::string base = line.output_dir.empty()
                               ? base_name(source_name)
                               : base_name_in(line.output_dir, source_name);
  // As with compilers, -w silences every warning, so -Werror has none to
  // fail on.
  const bool failed =
      line.warnings_as_errors && !line.no_warnings && !warnings.shown().empty();
  if (!line.no_warnings) {
    report_warnings(diagnostics, source_name, warnings, failed);
  }
  if (line.show) {
    if (failed) return kExitWarningsAsErrors;
    adjust_ifconfig(image);
    console << render_view(line.show_format, image, descriptions.bank_names());
    // A view cut short by a full disk is no view: the build that made it
    // must not go on.
    if (!console.flushed()) {
      diagnostics << "wfpack: cannot write standard output: "
                  << platform::failure_text(platform::last_failure()) << '\n';
      return kExitFailure;
    }
    return kExitSuccess;
  }
  if (failed) {
    // As a compiler leaves no object file: not even one an earlier run
    // wrote, which a build would otherwise take for this source's.
    remove_earlier_output(c_array_file_name(base));
    remove_earlier_output(binary_image_file_name(base));
    if (line.header) remove_earlier_output(layout_header_file_name(base));
    if (line.loader) remove_earlier_output(loader_file_name(base));
    return kExitWarningsAsErrors;
  }

  adjust_ifconfig(image);
  // Each file is complete and closed before the next is created: the C
  // array file, the binary, the header, the loader.
  const std::string array_name = c_array_name(file_name_of(base));
  platform::Failure output_failure;
  const auto written = [&](OutputStatus output, const std::string& name) {
    return output_written(output, output_failure, base, name, console,
                          diagnostics);
  };
  if (!written(write_c_array_file(image, base, array_name, line.storage,
                                  &output_failure),
               c_array_file_name(base)) ||
      !written(write_binary_image_file(image, base, &output_failure),
               binary_image_file_name(base)) ||
      (line.header && !written(write_layout_header_file(
                                   image, base, array_name, line.storage,
                                   source_name, line.loader, &output_failure),
                               layout_header_file_name(base))) ||
      (line.loader &&
       !written(write_loader_file(image, base, array_name,
                                  file_name_of(layout_header_file_name(base)),
                                  &output_failure),
                loader_file_name(base)))) {
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
  // What --show prints is the view alone, for pasting into documents; an
  // update's notes are on diagnostics, as a compiler's are.
  if (!line.quiet && !line.show && !line.update) console << kBanner;
  if (line.help) {
    console << kUsage << kOptionsHelp;
    return kExitSuccess;
  }
  if (line.names.size() != 1) {
    console << kUsage;
    return kExitSuccess;
  }
  if (line.update) {
    return update_source_file(line, line.names.front(), console, diagnostics);
  }
  return convert(line, line.names.front(), console, diagnostics);
}

}  // namespace wfpack

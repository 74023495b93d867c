#include "app/run.h"

#include <cstdio>
#include <filesystem>
#include <string_view>
#include <system_error>

#include "app/base_name.h"
#include "app/warning_report.h"
#include "image/gpif_image.h"
#include "platform/native_file.h"
#include "reader/source_file.h"
#include "writers/binary_image_file.h"
#include "writers/c_array_file.h"

namespace wfpack {

namespace {

constexpr std::string_view kBanner =
    "*********** Tabulon V1.0 by ZENOWARE(zenoware.example) **********\n";
constexpr std::string_view kUsage =
    "USAGE: wfpack gpif.c\n"
    "       --> create gpif_dat.c & gpif_dat.bin file.\n";

void report(std::ostream& console, std::string_view what,
            std::string_view name) {
  console << "File " << what << " err (" << name << ").\n";
}

// A directory opens for reading on some systems and then fails at the first
// read; it is no source file, so it is refused up front like any other name
// that cannot be opened.
std::FILE* open_source(const char* name) {
  std::error_code ignored;
  if (std::filesystem::is_directory(platform::native_path(name), ignored)) {
    return nullptr;
  }
  return platform::open_file(name, "rb");
}

// Reports an output file that was not written. A file that cannot be
// created is named by the base name, as firmware build scripts expect; a
// failed write names the file itself.
bool output_written(OutputStatus status, std::string_view base,
                    std::string_view file_name, std::ostream& console) {
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

}  // namespace

int run(std::span<const char* const> args, std::ostream& console,
        std::ostream& diagnostics) {
  GpifImage image;
  console << kBanner;
  if (args.size() != 2) {
    console << kUsage;
    return kExitSuccess;
  }
  const char* source_name = args[1];

  std::FILE* source = open_source(source_name);
  if (source == nullptr) {
    report(console, "open", source_name);
    return kExitFailure;
  }
  SourceWarnings warnings;
  const ScanStatus status = scan_source_file(source, image, warnings);
  std::fclose(source);
  if (status == ScanStatus::ReadFailed) {
    report(console, "read", source_name);
    return kExitFailure;
  }
  report_warnings(diagnostics, source_name, warnings);

  adjust_ifconfig(image);
  const std::string base = base_name(source_name);

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

}  // namespace wfpack

#include "app/command_line.h"

#include <optional>
#include <utility>

#include "warnings/source_warnings.h"

namespace wfpack {

const std::string_view kOptionsHelp =
    "  -o DIR, --output-dir[=]DIR  write both files into DIR, which must "
    "exist\n"
    "  -q, --quiet                 print no banner\n"
    "  -Werror                     make warnings errors: no files, exit 1\n"
    "  -Wno-description            do not compare the tables with their "
    "description\n"
    "  --show[=FORMAT]             print the waveforms, FORMAT text (the "
    "default),\n"
    "                              svg or wavedrom, and write no file\n"
    "  -h, --help                  print this help and exit\n"
    "  --version                   print the version and exit\n"
    "  --                          end the options: names follow\n";

namespace {

constexpr std::string_view kOutputDir = "--output-dir";
constexpr std::string_view kShow = "--show";

// "--show=svg" and the like; nothing for a format wfpack does not know.
std::optional<ViewFormat> show_format(std::string_view argument) {
  if (argument == kShow || argument == "--show=text") return ViewFormat::Text;
  if (argument == "--show=svg") return ViewFormat::Svg;
  if (argument == "--show=wavedrom") return ViewFormat::WaveJson;
  return std::nullopt;
}

CommandLine failure(std::string error) {
  CommandLine line;
  line.error = std::move(error);
  return line;
}

// Any argument that begins with "-" is an option, wherever it stands, so
// that one wfpack does not know fails the run rather than being taken for
// a name; "-" alone is a name.
bool is_option(std::string_view argument) {
  return argument.size() > 1 && argument.front() == '-';
}

// "-Wname" turns a warning on, "-Wno-name" off, as compilers name them.
std::optional<bool> warning_switch(std::string_view argument,
                                   std::string_view name) {
  if (!argument.starts_with("-W")) return std::nullopt;
  argument.remove_prefix(2);
  const bool on = !argument.starts_with("no-");
  if (!on) argument.remove_prefix(3);
  if (argument != name) return std::nullopt;
  return on;
}

}  // namespace

CommandLine parse_command_line(std::span<const char* const> args) {
  CommandLine line;
  bool options = true;
  for (std::size_t i = 1; i < args.size(); ++i) {
    const std::string_view argument = args[i];
    if (!options || !is_option(argument)) {
      line.names.push_back(argument);
    } else if (argument == "--") {
      options = false;
    } else if (argument == "-h" || argument == "--help") {
      line.help = true;
    } else if (argument == "--version") {
      line.version = true;
    } else if (argument == "-q" || argument == "--quiet") {
      line.quiet = true;
    } else if (const std::optional<ViewFormat> format = show_format(argument)) {
      line.show = true;
      line.show_format = *format;
    } else if (argument == "-Werror") {
      line.warnings_as_errors = true;
    } else if (const std::optional<bool> on =
                   warning_switch(argument, kDescriptionWarnings)) {
      line.compare_descriptions = *on;
    } else if (argument == "-o" || argument == kOutputDir ||
               argument.starts_with(std::string(kOutputDir) + "=")) {
      const std::size_t equals = argument.find('=');
      if (equals != std::string_view::npos) {
        line.output_dir = argument.substr(equals + 1);
      } else if (i + 1 < args.size()) {
        line.output_dir = args[++i];
      } else {
        line.output_dir = {};
      }
      if (line.output_dir.empty()) {
        const std::string_view name = argument.substr(0, equals);
        return failure("option '" + std::string(name) + "' needs a directory");
      }
    } else {
      return failure("unknown option '" + std::string(argument) + "'");
    }
  }
  return line;
}

}  // namespace wfpack

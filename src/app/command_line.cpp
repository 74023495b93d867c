#include "app/command_line.h"

#include <optional>
#include <utility>

#include "warnings/source_warnings.h"
#include "writers/storage_class.h"

namespace wfpack {

const std::string_view kOptionsHelp =
    "  -o DIR, --output-dir=DIR    write the files into DIR, which must "
    "exist\n"
    "  --header                    also write a C header with the image's "
    "layout\n"
    "  --loader                    also write the header and a C loader of the "
    "image\n"
    "  --storage=CLASS             array storage: const, __code, code, "
    "__xdata, xdata\n"
    "  -q, --quiet                 print no banner\n"
    "  -Werror                     make warnings errors: no files, exit 1\n"
    "  -w                          print no warnings, and fail on none\n"
    "  -Wno-description            do not compare the tables with their "
    "description\n"
    "  -Wdescription               compare them, as wfpack does by default\n"
    "  --show[=FORMAT]             print the waveforms, FORMAT text (the "
    "default),\n"
    "                              svg or wavedrom, and write no file\n"
    "  --update=tables             rewrite the source's tables as their "
    "description\n"
    "                              says them, and write no file\n"
    "  --update=description        rewrite the description as the tables "
    "say it\n"
    "  -n, --dry-run               with --update: say what would change, "
    "write nothing\n"
    "  -h, --help                  print this help and exit\n"
    "  --version                   print the version and exit\n"
    "  --                          end the options: names follow\n";

namespace {

constexpr std::string_view kOutput = "-o";
constexpr std::string_view kOutputDir = "--output-dir";
constexpr std::string_view kShow = "--show";

// "--show=svg" and the like; nothing for a format wfpack does not know.
std::optional<ViewFormat> show_format(std::string_view argument) {
  if (argument == kShow || argument == "--show=text") return ViewFormat::Text;
  if (argument == "--show=svg") return ViewFormat::Svg;
  if (argument == "--show=wavedrom") return ViewFormat::WaveJson;
  return std::nullopt;
}
constexpr std::string_view kStorage = "--storage";
constexpr std::string_view kUpdate = "--update";

// What --update may bring into line with the other.
std::optional<UpdateKind> update_kind(std::string_view word) {
  if (word == "tables") return UpdateKind::Tables;
  if (word == "description") return UpdateKind::Description;
  return std::nullopt;
}

// An update rewrites the source and nothing else: the options that shape
// output files or a view have nothing to act on.
std::string_view conflicting_option(const CommandLine& line) {
  if (line.update) {
    if (line.show) return "--show";
    if (!line.output_dir.empty()) return "-o";
    if (line.loader) return "--loader";
    if (line.header) return "--header";
    if (!line.storage.empty()) return "--storage";
  }
  return {};
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

// Whether argument is the option name, with or without its value: "-o" and
// "-oDIR", "--storage" and "--storage=CLASS".
bool names_option(std::string_view argument, std::string_view name) {
  if (!argument.starts_with(name)) return false;
  const std::string_view rest = argument.substr(name.size());
  return rest.empty() || !name.starts_with("--") || rest.front() == '=';
}

// The value of an option that takes one, as getopt finds it: after a long
// name's "=", right after a short one's letter, or else the next argument,
// which is then used up. Empty when there is none.
std::string_view option_value(std::string_view argument, std::string_view name,
                              std::span<const char* const> args,
                              std::size_t& i) {
  const std::string_view rest = argument.substr(name.size());
  if (!rest.empty()) return name.starts_with("--") ? rest.substr(1) : rest;
  return i + 1 < args.size() ? std::string_view(args[++i]) : rest;
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
    } else if (argument == "-w") {
      line.no_warnings = true;
    } else if (const std::optional<bool> on =
                   warning_switch(argument, kDescriptionWarnings)) {
      line.compare_descriptions = *on;
    } else if (names_option(argument, kOutput) ||
               names_option(argument, kOutputDir)) {
      const std::string_view name =
          names_option(argument, kOutput) ? kOutput : kOutputDir;
      line.output_dir = option_value(argument, name, args, i);
      if (line.output_dir.empty()) {
        return failure("option '" + std::string(name) + "' needs a directory");
      }
    } else if (argument == "--header") {
      line.header = true;
    } else if (argument == "--loader") {
      line.loader = line.header = true;
    } else if (names_option(argument, kStorage)) {
      line.storage = option_value(argument, kStorage, args, i);
      if (line.storage.empty()) {
        return failure("option '--storage' needs a storage class");
      }
      if (!is_storage_class(line.storage)) {
        return failure("unknown storage class '" + std::string(line.storage) +
                       "'");
      }
    } else if (names_option(argument, kUpdate)) {
      const std::string_view kind = option_value(argument, kUpdate, args, i);
      if (kind.empty()) {
        return failure("option '--update' needs tables or description");
      }
      const std::optional<UpdateKind> known = update_kind(kind);
      if (!known) return failure("unknown update '" + std::string(kind) + "'");
      line.update = true;
      line.update_kind = *known;
    } else if (argument == "-n" || argument == "--dry-run") {
      line.dry_run = true;
    } else {
      return failure("unknown option '" + std::string(argument) + "'");
    }
  }
  if (const std::string_view other = conflicting_option(line); !other.empty()) {
    return failure("option '--update' does not go with '" + std::string(other) +
                   "'");
  }
  if (line.dry_run && !line.update) {
    return failure("option '--dry-run' goes only with '--update'");
  }
  return line;
}

}  // namespace wfpack

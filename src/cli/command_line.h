// Reading the command line: `advise` and its options into a situation request, or the help,
// the version, or a usage error.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "advisory_forecast/forecast_options.h"
#include "server/listen_address.h"
#include "situation/situation.h"

namespace hurricane::cli {

enum class Format { kText, kJson };

struct CommandLine {
  enum class Kind {
    kAdvise,    // `request` and `format` hold what to answer, with `advisory` when given
    kDialogue,  // the classic dialogue, drawing every round into `svg_dir`
    kAdvisory,  // `advisory FILE`: print what `advisory` reads, in `format`
    kServe,     // serve the page and the API on `listen`
    kPrint,     // help or version: `text` goes to standard output, status 0
    kError,     // `text` is the one diagnostic line, `status` the exit status
  };
  Kind kind = Kind::kError;
  situation::Request request;
  Format format = Format::kText;
  std::optional<std::string> advisory;          // --advisory FILE, or the FILE of `advisory`
  std::vector<std::string> more_advisories;     // further --advisory files: judged in [F] only
  advisory_forecast::ForecastOptions forecast;  // advice [F] with --advisory
  std::string storm_id;                         // --storm-id
  std::optional<double> margin;                 // --margin, nm
  std::string svg;                              // advise: the picture's file, empty for none
  std::string svg_dir;                          // dialogue: the directory of the round pictures
  bool night = false;                           // pictures in red on black
  server::ListenAddress listen;                 // serve: where
  std::string text;
  int status = 0;
};

// parse_command_line: argv[1..argc) read as `advise [OPTIONS]`, `advisory FILE [OPTIONS]`,
// `serve [--listen ADDR:PORT]`, `--svg-dir DIR [--night]` (the dialogue with pictures), `--help`
// or `--version`.
// Numbers are read here (an unreadable one is an unusable value, status 1); positions and
// times are left to the situation.
CommandLine parse_command_line(int argc, const char* const* argv, std::string_view version);

}  // namespace hurricane::cli

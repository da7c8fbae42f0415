// Reading the command line: which command, with its own typed request, or the help, the
// version, or a usage error.
#pragma once

#include <string>
#include <string_view>
#include <variant>

#include "cli/advise_options.h"
#include "cli/command_error.h"
#include "cli/fleet_options.h"
#include "cli/hindcast_options.h"
#include "cli/serve_options.h"
#include "cli/summary_options.h"
#include "cli/watch_options.h"

namespace hurricane::cli {

// The classic dialogue, drawing every round into `svg_dir`.
struct DialogueRequest {
  std::string svg_dir;
  bool night = false;  // pictures in red on black
};

using Command = std::variant<AdviseRequest, SummaryRequest, ServeRequest, HindcastRequest,
                             FleetRequest, WatchRequest, DialogueRequest, Printed, Error>;

// parse_command_line: argv[1..argc) read as `advise [OPTIONS]`, `advisory FILE [OPTIONS]`,
// `serve [--listen ADDR:PORT]`, `hindcast [OPTIONS]`, `fleet [OPTIONS]`, `watch [OPTIONS]`,
// `--svg-dir DIR [--night]` (the dialogue with pictures), `--help` or `--version`. Each
// subcommand's options make its own request.
Command parse_command_line(int argc, const char* const* argv, std::string_view version);

}  // namespace hurricane::cli

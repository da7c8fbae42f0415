#include "cli/run.h"

#include "cli/advise.h"
#include "cli/advisory_commands.h"
#include "cli/command_line.h"
#include "cli/exit_status.h"
#include "cli/fleet_command.h"
#include "cli/hindcast_command.h"
#include "cli/input_file.h"
#include "cli/messages.h"
#include "cli/pictures.h"
#include "cli/live_sources.h"
#include "cli/watch_command.h"
#include "cli/write_file.h"
#include "land/find_shoreline.h"
#include "server/serve.h"

namespace hurricane::cli {
namespace {

// One overload per command.
struct Runner {
  std::istream& in;
  std::ostream& out;
  std::ostream& errors;
  const dialogue::SessionOptions& dialogue;

  int operator()(const AdviseRequest& request) const {
    return run_advise(request, HURRICANE_VERSION, out, errors);
  }
  int operator()(const SummaryRequest& request) const {
    return run_advisory_summary(request, HURRICANE_VERSION, out, errors);
  }
  int operator()(const ServeRequest& request) const {
    // The answers hold escapes against land as `advise` does; without the shoreline they
    // could not.
    // A watch's --land is the server's shoreline too: one held for both.
    auto shoreline = land::load_shoreline(request.watch ? request.watch->land_file : "");
    if (!shoreline.ok()) return report_error(shoreline.error(), "", errors);
    std::optional<server::StandingWatch> standing;
    LiveSources sources;
    if (request.watch) {
      standing = server::StandingWatch{watch_run(*request.watch), !request.watch->no_land};
      sources = open_live_sources(*request.watch);
      sources.attach(standing->run);
    }
    return server::serve(request.listen, std::move(shoreline.value()), out, errors,
                         standing ? &*standing : nullptr);
  }
  int operator()(const HindcastRequest& request) const {
    return run_hindcast(request, out, errors);
  }
  int operator()(const FleetRequest& request) const { return run_fleet(request, in, out, errors); }
  int operator()(const WatchRequest& request) const {
    return run_watch_command(request, out, errors);
  }
  int operator()(const DialogueRequest& request) const {
    if (const auto failed = cli::prepare_directory(request.svg_dir)) {
      errors << program_line(*failed) << '\n';
      return kUnusableValue;
    }
    dialogue::SessionOptions options = dialogue;
    options.on_round = round_pictures(request.svg_dir, request.night);
    return dialogue::run_advisor(in, out, errors, options);
  }
  int operator()(const Printed& printed) const { return write_output(printed.text, out, errors); }
  int operator()(const Error& error) const {
    errors << command_error_line(error) << '\n';
    return status_of(error);
  }
};

}  // namespace

int run_command_line(int argc, const char* const* argv, std::istream& in, std::ostream& out,
                     std::ostream& errors, const dialogue::SessionOptions& dialogue) {
  return std::visit(Runner{in, out, errors, dialogue},
                    parse_command_line(argc, argv, HURRICANE_VERSION));
}

}  // namespace hurricane::cli

#include "cli/fleet_options.h"

#include <algorithm>
#include <thread>

#include "cli/forecast_tuning.h"

namespace hurricane::cli {
namespace {

constexpr const char* kFleetFooter =
    "Each line of standard input is one ship: {\"id\": \"A\", \"position\": \"24.0N,88.0W\",\n"
    "\"speed\": 14, \"course\": 300, \"time\": \"2024-10-08T12:00Z\", \"to\": \"29.9N,90.1W\"}\n"
    "(course, time and to optional; time defaults to the first advisory's fix).\n"
    "Each answer's escape plan is bound for its to, else along its course. The\n"
    "classic advice judges the first --advisory's storm; advice [F] and the plan\n"
    "every one; all are held against land. Each answer is one JSON line, in input\n"
    "order; a line that is not a ship, or a ship on land, answers with its error.\n"
    "Exit status: 0 answered (errors of single ships included), 1 an advisory or\n"
    "the shoreline cannot be used, 2 wrong usage.";

}  // namespace

FleetOptions::FleetOptions(CLI::App& app)
    : command_(app.add_subcommand("fleet", "Advise every ship of a fleet at once")) {
  CLI::App& fleet = *command_;
  fleet.footer(kFleetFooter);
  request_.threads = std::max(1u, std::thread::hardware_concurrency());
  fleet
      .add_option("--advisory", request_.advisories, "A storm advisory; repeat for several storms")
      ->required()
      ->type_name("FILE");
  fleet
      .add_option("--storm-id", request_.storm_id,
                  "The classic advice's storm in a file of several")
      ->type_name("ID");
  add_forecast_tuning(fleet, request_.horizon_h, request_.cone_scale, request_.margin_nm);
  fleet.add_option("--land", request_.land_file, "Shoreline file (default: the installed one)")
      ->type_name("FILE");
  fleet.add_flag("--no-land", request_.no_land, "Leave land out (each answer says so)")
      ->excludes("--land");
  fleet.add_option("--threads", request_.threads, "Threads (default: every core)")
      ->check(CLI::Range(1, 256));
}

}  // namespace hurricane::cli

#include "cli/fleet_command.h"

#include <CLI/CLI.hpp>
#include <algorithm>
#include <atomic>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "advisory/read_advisory.h"
#include "advisory_forecast/forecast_options.h"
#include "advisory_forecast/storms_of_input.h"
#include "cli/exit_status.h"
#include "cli/fleet_ship.h"
#include "cli/input_file.h"
#include "cli/messages.h"
#include "land_advice/find_shoreline.h"

namespace hurricane::cli {
namespace {

constexpr const char* kFooter =
    "Each line of standard input is one ship: {\"id\": \"A\", \"position\": \"24.0N,88.0W\",\n"
    "\"speed\": 14, \"course\": 300, \"time\": \"2024-10-08T12:00Z\"} (course and time\n"
    "optional; time defaults to the first advisory's fix). The classic advice judges\n"
    "the first --advisory's storm; advice [F] every one; both are held against land.\n"
    "Each answer is one JSON line, in input order; a line that is not a ship, or a\n"
    "ship on land, answers with its error. Exit status: 0 answered (errors of single\n"
    "ships included), 1 an advisory or the shoreline cannot be used, 2 wrong usage.";

// Longest input line taken, bytes: a ship is a few dozen.
constexpr std::size_t kMaxLineBytes = 4096;

}  // namespace

int run_fleet_command(int argc, const char* const* argv, std::istream& in, std::ostream& out,
                      std::ostream& errors) {
  CLI::App app{"Advise every ship of a fleet at once", "hurricane-escape fleet"};
  app.footer(kFooter);
  std::vector<std::string> advisories;
  FleetStorms storms;
  unsigned threads = std::max(1u, std::thread::hardware_concurrency());
  app.add_option("--advisory", advisories, "A storm advisory; repeat for several storms")
      ->required()
      ->type_name("FILE");
  app.add_option("--storm-id", storms.storm_id, "The classic advice's storm in a multi-storm file")
      ->type_name("ID");
  std::string land_file;
  bool no_land = false;
  app.add_option("--horizon", storms.forecast.horizon_h, "Horizon of advice [F], hours")
      ->check(CLI::Range(advisory_forecast::kMinHorizonH, advisory_forecast::kMaxHorizonH))
      ->default_val(advisory_forecast::kDefaultHorizonH);
  app.add_option("--cone-scale", storms.forecast.error.scale,
                 "Multiplies the two-thirds cone of advice [F]")
      ->check(CLI::Range(0.01, 10.0))
      ->default_val(advisory_forecast::kDefaultConeScale);
  app.add_option("--margin", storms.forecast.margin_nm, "Margin of advice [F], nm")
      ->check(CLI::Range(0.0, 1000.0))
      ->default_val(advisory_forecast::kDefaultMarginNm);
  app.add_option("--land", land_file, "Shoreline file (default: the installed one)")
      ->type_name("FILE");
  app.add_flag("--no-land", no_land, "Leave land out (each answer says so)")->excludes("--land");
  app.add_option("--threads", threads, "Threads (default: every core)")->check(CLI::Range(1, 256));
  try {
    app.parse(argc, argv);
  } catch (const CLI::CallForHelp&) {
    out << app.help();
    return kSuccess;
  } catch (const CLI::ParseError& failure) {
    errors << program_line(std::string("fleet: ") + failure.what()) << '\n';
    return kUsageError;
  }

  // The classic advice's storm from the first file, checked here once; [F] also reads every
  // storm of the further files.
  for (std::size_t i = 0; i < advisories.size(); ++i) {
    const InputFile file = read_input_file(advisories[i], advisory::kMaxInputBytes);
    if (!file.error.empty()) {
      errors << file_error_line(file.name, 0, file.error) << '\n';
      return kUnusableValue;
    }
    if (i == 0) {
      const advisory::Result read =
          advisory::read_advisory(file.bytes, {.storm_id = storms.storm_id});
      if (const auto* failed = std::get_if<advisory::ReadError>(&read)) {
        errors << file_error_line(file.name, failed->line, failed->message) << '\n';
        return kUnusableValue;
      }
      storms.advisory_text = file.bytes;
    } else if (const auto failed =
                   advisory_forecast::add_storms(file.bytes, "", storms.more_storms)) {
      errors << file_error_line(file.name, failed->line, failed->message) << '\n';
      return kUnusableValue;
    }
  }
  // The shoreline, loaded once and shared by every ship and thread.
  std::optional<land::Land> shoreline;
  if (!no_land) {
    auto loaded = land_advice::load_shoreline(land_file);
    if (const auto* problem = std::get_if<std::string>(&loaded)) {
      errors << program_line(*problem) << '\n';
      return kUnusableValue;
    }
    shoreline = std::move(std::get<land::Land>(loaded));
    storms.shoreline = &*shoreline;
  }

  std::vector<std::pair<std::size_t, std::string>> lines;
  std::string line;
  for (std::size_t number = 1; std::getline(in, line); ++number) {
    if (line.find_first_not_of(" \t\r") == std::string::npos) continue;
    if (line.size() > kMaxLineBytes) line = "-";  // answers as not a JSON object
    lines.emplace_back(number, std::move(line));
  }
  std::vector<std::string> answers(lines.size());
  std::atomic<std::size_t> next{0};
  const auto work = [&] {
    for (std::size_t i = next++; i < lines.size(); i = next++) {
      answers[i] = fleet_answer(lines[i].first, lines[i].second, storms, HURRICANE_VERSION);
    }
  };
  {
    std::vector<std::jthread> workers;
    for (unsigned t = 1; t < threads; ++t) workers.emplace_back(work);
    work();
  }
  for (const std::string& answer : answers) out << answer << '\n';
  out.flush();
  if (!out) {
    errors << program_line("cannot write to standard output") << '\n';
    return kUnusableValue;
  }
  return kSuccess;
}

}  // namespace hurricane::cli

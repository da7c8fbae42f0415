#include "cli/fleet_command.h"

#include <CLI/CLI.hpp>
#include <algorithm>
#include <atomic>
#include <string>
#include <thread>
#include <vector>

#include "advisory/read_advisory.h"
#include "advisory/utc_time.h"
#include "advisory_forecast/forecast_options.h"
#include "cli/exit_status.h"
#include "cli/fleet_ship.h"
#include "cli/input_file.h"
#include "cli/messages.h"
#include "forecast/from_advisory.h"

namespace hurricane::cli {
namespace {

constexpr const char* kFooter =
    "Each line of standard input is one ship: {\"id\": \"A\", \"position\": \"24.0N,88.0W\",\n"
    "\"speed\": 14, \"course\": 300, \"time\": \"2024-10-08T12:00Z\"} (course and time optional;\n"
    "time defaults to the first advisory's fix). The classic advice judges the first\n"
    "--advisory's storm; advice [F] every one. Each answer is one JSON line, in input order;\n"
    "a line that is not a ship answers with its error. Exit status: 0 answered (errors of\n"
    "single ships included), 1 an advisory cannot be used, 2 wrong usage.";

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
  app.add_option("--storm-id", storms.storm_id,
                 "The classic advice's storm, when the first file "
                 "holds several")
      ->type_name("ID");
  app.add_option("--horizon", storms.horizon_h, "Horizon of advice [F], hours")
      ->check(CLI::Range(advisory_forecast::kMinHorizonH, advisory_forecast::kMaxHorizonH))
      ->default_val(advisory_forecast::kDefaultHorizonH);
  app.add_option("--cone-scale", storms.cone_scale, "Multiplies the two-thirds cone of advice [F]")
      ->check(CLI::Range(0.01, 10.0))
      ->default_val(advisory_forecast::kDefaultConeScale);
  app.add_option("--margin", storms.margin_nm, "Margin of advice [F], nm")
      ->check(CLI::Range(0.0, 1000.0))
      ->default_val(advisory_forecast::kDefaultMarginNm);
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

  for (std::size_t i = 0; i < advisories.size(); ++i) {
    const InputFile file = read_input_file(advisories[i], advisory::kMaxInputBytes);
    if (!file.error.empty()) {
      errors << file_error_line(file.name, 0, file.error) << '\n';
      return kUnusableValue;
    }
    advisory::Result read =
        advisory::read_advisory(file.bytes, {.storm_id = i == 0 ? storms.storm_id : ""});
    if (const auto* failed = std::get_if<advisory::ReadError>(&read)) {
      errors << file_error_line(file.name, failed->line, failed->message) << '\n';
      return kUnusableValue;
    }
    const advisory::Storm& storm = std::get<advisory::Storm>(read);
    if (i == 0) {
      storms.advisory_text = file.bytes;
      storms.fix_time =
          forecast::Time{std::chrono::seconds{advisory::epoch_seconds(storm.fix.time)}};
    }
    if (auto track = forecast::track_from_advisory(storm))
      storms.tracks.push_back(std::move(*track));
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

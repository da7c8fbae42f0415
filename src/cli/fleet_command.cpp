#include "cli/fleet_command.h"

#include <algorithm>
#include <atomic>
#include <string>
#include <thread>
#include <vector>

#include "advisory/read_advisory.h"
#include "advisory/utc_time.h"
#include "cli/exit_status.h"
#include "cli/fleet_ship.h"
#include "cli/input_file.h"
#include "cli/messages.h"
#include "forecast/from_advisory.h"

namespace hurricane::cli {
namespace {

// Longest input line taken, bytes: a ship is a few dozen.
constexpr std::size_t kMaxLineBytes = 4096;

}  // namespace

int run_fleet(const FleetRequest& request, std::istream& in, std::ostream& out,
              std::ostream& errors) {
  const std::vector<std::string>& advisories = request.advisories;
  FleetStorms storms;
  storms.storm_id = request.storm_id;
  storms.horizon_h = request.horizon_h;
  storms.cone_scale = request.cone_scale;
  storms.margin_nm = request.margin_nm;
  const unsigned threads = request.threads;
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

#include "cli/fleet_command.h"

#include <algorithm>
#include <atomic>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "advisory/read_advisory.h"
#include "advisory/storms_of_input.h"
#include "cli/advise.h"
#include "cli/exit_status.h"
#include "cli/fleet_ship.h"
#include "cli/input_file.h"
#include "cli/messages.h"
#include "land/find_shoreline.h"

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
  storms.forecast.horizon_h = request.horizon_h;
  storms.forecast.error.scale = request.cone_scale;
  storms.forecast.margin_nm = request.margin_nm;
  const unsigned threads = request.threads;

  // The classic advice's storm from the first file, checked here once; [F] also reads every
  // storm of the further files.
  for (std::size_t i = 0; i < advisories.size(); ++i) {
    const std::optional<InputFile> file = read_input(advisories[i], errors);
    if (!file) return kUnusableValue;
    if (i == 0) {
      const Result<advisory::Storm> read =
          advisory::read_advisory(file->bytes, {.storm_id = storms.storm_id});
      if (!read.ok()) {
        errors << file_error_line(file->name, read.error().line, read.error().problem) << '\n';
        return kUnusableValue;
      }
      storms.advisory_text = file->bytes;
    } else if (const auto failed = advisory::add_storms(file->bytes, "", storms.more_storms)) {
      return report_error(*failed, file->name, errors);
    }
  }
  // The shoreline, loaded once and shared by every ship and thread.
  std::optional<land::Land> shoreline;
  if (!request.no_land) {
    auto loaded = land::load_shoreline(request.land_file);
    if (!loaded.ok()) return report_error(loaded.error(), "", errors);
    shoreline = std::move(loaded.value());
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
  std::string text;
  for (const std::string& answer : answers) text += answer + '\n';
  return write_output(text, out, errors);
}

}  // namespace hurricane::cli

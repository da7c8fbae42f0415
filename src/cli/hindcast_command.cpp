#include "cli/hindcast_command.h"

#include <unistd.h>

#include <CLI/CLI.hpp>
#include <algorithm>
#include <filesystem>
#include <optional>
#include <thread>

#include "advisory/read_advisory.h"
#include "advisory_forecast/forecast_options.h"
#include "cli/exit_status.h"
#include "cli/hindcast_output.h"
#include "cli/input_file.h"
#include "cli/messages.h"
#include "files/write_file.h"
#include "hindcast/best_track.h"
#include "land_advice/find_shoreline.h"

namespace hurricane::cli {
namespace {

constexpr const char* kFooter =
    "--advisories takes files, or a directory whose *.xml, *.txt and *.tcm files are the\n"
    "advisories (RSS feeds or forecast/advisory texts); --best-track the ATCF b-deck whose\n"
    "34-kt radii are the truth. Exit status: 0 scored, 1 an input cannot be used, 2 wrong usage.";

bool is_advisory_name(const std::filesystem::path& path) {
  const std::string ext = path.extension().string();
  return ext == ".xml" || ext == ".txt" || ext == ".tcm";
}

// The files of --advisories: each named file, and a directory's advisory files by name.
std::vector<std::string> advisory_paths(const std::vector<std::string>& given) {
  std::vector<std::string> paths;
  for (const std::string& entry : given) {
    std::error_code failed;
    if (!std::filesystem::is_directory(entry, failed)) {
      paths.push_back(entry);
      continue;
    }
    std::vector<std::string> inside;
    for (const auto& file : std::filesystem::directory_iterator(entry, failed)) {
      if (file.is_regular_file(failed) && is_advisory_name(file.path())) {
        inside.push_back(file.path().string());
      }
    }
    std::sort(inside.begin(), inside.end());
    paths.insert(paths.end(), inside.begin(), inside.end());
  }
  return paths;
}

class ProgressBar {
 public:
  explicit ProgressBar(std::ostream& errors) : errors_(errors) {}
  void operator()(std::size_t done, std::size_t total) {
    constexpr std::size_t kWidth = 40;
    const std::size_t filled = total == 0 ? kWidth : done * kWidth / total;
    errors_ << "\rhindcast [" << std::string(filled, '#') << std::string(kWidth - filled, ' ')
            << "] " << done << '/' << total << (done == total ? "\n" : "") << std::flush;
  }

 private:
  std::ostream& errors_;
};

}  // namespace

int run_hindcast_command(int argc, const char* const* argv, std::ostream& out,
                         std::ostream& errors) {
  CLI::App app{"Score the advice against what a storm really did", "hurricane-escape hindcast"};
  app.footer(kFooter);
  std::vector<std::string> advisories;
  std::string best_track, storm_id, format = "text", csv;
  hindcast::HindcastOptions options;
  unsigned threads = std::max(1u, std::thread::hardware_concurrency());
  app.add_option("--advisories", advisories, "The storm's advisories: files or a directory")
      ->required()
      ->type_name("DIR|FILES");
  app.add_option("--best-track", best_track, "The storm's ATCF best track (b-deck)")
      ->required()
      ->type_name("FILE");
  app.add_option("--storm-id", storm_id, "The storm, when a file holds several")->type_name("ID");
  app.add_option("--rings", options.rings_nm, "Ship distances from each advisory's centre, nm")
      ->delimiter(',')
      ->type_name("NM,...")
      ->check(CLI::Range(1.0, 3000.0))
      ->default_str("200,300,450");
  app.add_option("--bearings", options.bearings, "Ships per ring")
      ->check(CLI::Range(1, 360))
      ->default_val(12);
  app.add_option("--ship-speed", options.ship_speed_kn, "Ship speed, knots")
      ->check(CLI::Range(1.0, 60.0))
      ->default_val(12.0);
  app.add_option("--hours", options.hours, "How long each ship is followed, hours")
      ->check(CLI::Range(12.0, 120.0))
      ->default_val(72.0);
  app.add_option("--horizon", options.forecast.horizon_h, "Horizon of the forecast advice, hours")
      ->check(CLI::Range(advisory_forecast::kMinHorizonH, advisory_forecast::kMaxHorizonH))
      ->default_val(advisory_forecast::kDefaultHorizonH);
  app.add_option("--cone-scale", options.forecast.cone_scale,
                 "Multiplies the two-thirds cone of the forecast advice")
      ->check(CLI::Range(0.01, 10.0))
      ->default_val(advisory_forecast::kDefaultConeScale);
  app.add_option("--margin", options.forecast.margin_nm, "Margin of the forecast advice, nm")
      ->check(CLI::Range(0.0, 1000.0))
      ->default_val(advisory_forecast::kDefaultMarginNm);
  app.add_option("--threads", threads, "Threads (default: every core)")->check(CLI::Range(1, 256));
  app.add_option("--format", format, "Output: text (the default) or json")
      ->check(CLI::IsMember({"text", "json"}));
  app.add_option("--csv", csv, "Also write every encounter here")->type_name("FILE");
  std::string land_file;
  app.add_option("--land", land_file, "Shoreline for [F]; drops starts on land")->type_name("FILE");
  try {
    app.parse(argc, argv);
  } catch (const CLI::CallForHelp&) {
    out << app.help();
    return kSuccess;
  } catch (const CLI::ParseError& failure) {
    errors << program_line(std::string("hindcast: ") + failure.what()) << '\n';
    return kUsageError;
  }

  const InputFile truth_file = read_input_file(best_track, advisory::kMaxInputBytes);
  if (!truth_file.error.empty()) {
    errors << file_error_line(truth_file.name, 0, truth_file.error) << '\n';
    return kUnusableValue;
  }
  auto truth = hindcast::read_best_track(truth_file.bytes);
  if (const auto* failed = std::get_if<std::string>(&truth)) {
    errors << file_error_line(truth_file.name, 0, *failed) << '\n';
    return kUnusableValue;
  }
  std::vector<hindcast::AdvisoryText> texts;
  for (const std::string& path : advisory_paths(advisories)) {
    InputFile file = read_input_file(path, advisory::kMaxInputBytes);
    if (!file.error.empty()) {
      errors << file_error_line(file.name, 0, file.error) << '\n';
      return kUnusableValue;
    }
    texts.push_back({file.name, std::move(file.bytes)});
  }
  if (texts.empty()) {
    errors << program_line("hindcast: --advisories names no advisory") << '\n';
    return kUnusableValue;
  }
  auto series = hindcast::read_series(texts, storm_id);
  if (const auto* failed = std::get_if<std::string>(&series)) {
    errors << program_line(*failed) << '\n';
    return kUnusableValue;
  }
  const auto& issued = std::get<std::vector<hindcast::IssuedAdvisory>>(series);

  std::optional<land::Land> shoreline;
  if (!land_file.empty()) {
    auto loaded = land_advice::load_shoreline(land_file);
    if (const auto* problem = std::get_if<std::string>(&loaded)) {
      errors << program_line(*problem) << '\n';
      return kUnusableValue;
    }
    shoreline = std::move(std::get<land::Land>(loaded));
    options.forecast.shoreline = &*shoreline;
  }
  options.threads = threads;
  ProgressBar bar(errors);
  if (isatty(STDERR_FILENO) == 1) options.progress = std::ref(bar);
  const hindcast::HindcastResult result =
      hindcast::run_hindcast(issued, std::get<forecast::StormTrack>(truth), options);

  HindcastSetting setting;
  setting.storm_id = issued.front().storm.id;
  setting.storm_name = issued.front().storm.name;
  setting.advisories = issued.size();
  setting.options = options;
  if (!csv.empty()) {
    if (const auto failed = files::write_file(csv, hindcast_csv(issued, result))) {
      errors << program_line(*failed) << '\n';
      return kUnusableValue;
    }
  }
  if (format == "json") {
    out << hindcast_json(setting, issued, result).dump(2) << '\n';
  } else {
    out << hindcast_text(setting, issued, result);
  }
  out.flush();
  if (!out) {
    errors << program_line("cannot write to standard output") << '\n';
    return kUnusableValue;
  }
  return kSuccess;
}

}  // namespace hurricane::cli

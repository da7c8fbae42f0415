#include "cli/hindcast_command.h"

#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <optional>
#include <thread>

#include "advisory/read_advisory.h"
#include "cli/advise.h"
#include "cli/exit_status.h"
#include "cli/hindcast_output.h"
#include "cli/input_file.h"
#include "cli/messages.h"
#include "cli/write_file.h"
#include "hindcast/best_track.h"
#include "land/find_shoreline.h"

namespace hurricane::cli {
namespace {

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
    constexpr std::size_t kBarWidth = 40;
    const std::size_t filled = total == 0 ? kBarWidth : done * kBarWidth / total;
    errors_ << "\rhindcast [" << std::string(filled, '#') << std::string(kBarWidth - filled, ' ')
            << "] " << done << '/' << total << (done == total ? "\n" : "") << std::flush;
  }

 private:
  std::ostream& errors_;
};

// "best track line 12: unreadable wind", or the problem of the track as a whole.
std::string best_track_problem(const Error& error) {
  if (error.line == 0) return "best track: " + error.problem;
  return "best track line " + std::to_string(error.line) + ": " + error.problem;
}

}  // namespace

int run_hindcast(const HindcastRequest& request, std::ostream& out, std::ostream& errors) {
  hindcast::HindcastOptions options = request.options;
  const std::optional<InputFile> truth_file = read_input(request.best_track, errors);
  if (!truth_file) return kUnusableValue;
  const Result<forecast::StormTrack> truth = hindcast::read_best_track(truth_file->bytes);
  if (!truth.ok()) {
    errors << file_error_line(truth_file->name, 0, best_track_problem(truth.error())) << '\n';
    return kUnusableValue;
  }
  std::vector<hindcast::AdvisoryText> texts;
  for (const std::string& path : advisory_paths(request.advisories)) {
    std::optional<InputFile> file = read_input(path, errors);
    if (!file) return kUnusableValue;
    texts.push_back({file->name, std::move(file->bytes)});
  }
  if (texts.empty()) {
    errors << program_line("hindcast: --advisories names no advisory") << '\n';
    return kUnusableValue;
  }
  const Result<hindcast::Series> series = hindcast::read_series(texts, request.storm_id);
  if (!series.ok()) {
    errors << program_line(series.error().problem) << '\n';
    return kUnusableValue;
  }
  for (const std::string& skipped : series.value().skipped) {
    errors << program_line("warning: skipped " + skipped) << '\n';
  }
  const auto& issued = series.value().advisories;

  std::optional<land::Land> shoreline;
  if (!request.land_file.empty()) {
    auto loaded = land::load_shoreline(request.land_file);
    if (!loaded.ok()) return report_error(loaded.error(), "", errors);
    shoreline = std::move(loaded.value());
    options.forecast.shoreline = &*shoreline;
  }
  ProgressBar bar(errors);
  if (isatty(STDERR_FILENO) == 1) options.progress = std::ref(bar);
  const hindcast::HindcastResult result = hindcast::run_hindcast(issued, truth.value(), options);

  HindcastSetting setting;
  setting.storm_id = issued.front().storm.id;
  setting.storm_name = issued.front().storm.name;
  setting.advisories = issued.size();
  setting.options = options;
  if (!request.csv.empty()) {
    if (const auto failed = cli::write_file(request.csv, hindcast_csv(issued, result))) {
      errors << program_line(*failed) << '\n';
      return kUnusableValue;
    }
  }
  return write_output(request.format == Format::kJson
                          ? hindcast_json(setting, issued, result).dump(2) + '\n'
                          : hindcast_text(setting, issued, result),
                      out, errors);
}

}  // namespace hurricane::cli

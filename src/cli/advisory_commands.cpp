#include "cli/advisory_commands.h"

#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "advisory/read_advisory.h"
#include "advisory_forecast/forecast_for.h"
#include "advisory_situation/situation_from_advisory.h"
#include "cli/advise.h"
#include "cli/advisory_lines.h"
#include "cli/exit_status.h"
#include "cli/input_file.h"
#include "cli/messages.h"
#include "forecast_report/forecast_lines.h"
#include "json/advisory_json.h"
#include "json/forecast_json.h"

namespace hurricane::cli {
namespace {

using advisory_situation::Failure;

// One line for `failure`: the advisory's faults as "FILE:LINE: ...", the others by option.
int report(const Failure& failure, std::string_view file, std::ostream& errors) {
  if (failure.error.field == situation::Field::kAdvisory) {
    errors << file_error_line(file, failure.line, failure.error.problem) << '\n';
    return kUnusableValue;
  }
  errors << error_line(failure.error) << '\n';
  return status_of(failure.error);
}

// The storms of [F]: the classic one, then every other storm of its file (a feed may hold
// several) and of the further files. Gives the first unreadable file's error line.
std::optional<std::string> forecast_storms(const CommandLine& command, const InputFile& first,
                                           const advisory::Storm& classic,
                                           std::vector<advisory::Storm>& storms) {
  storms.push_back(classic);
  // Every storm of `file` but `skip`: each of a feed's or text's several forecast/advisories,
  // else the file's only storm.
  auto add_all = [&](const InputFile& file, const std::string& skip) -> std::optional<std::string> {
    std::vector<std::string> ids = advisory::tcm_storm_ids(file.bytes);
    if (ids.size() < 2) ids = {skip.empty() ? std::string() : skip};
    for (const std::string& id : ids) {
      if (!skip.empty() && id == skip) continue;
      const advisory::Result read = advisory::read_advisory(file.bytes, {id});
      if (const auto* error = std::get_if<advisory::ReadError>(&read)) {
        return file_error_line(file.name, error->line, error->message);
      }
      storms.push_back(std::get<advisory::Storm>(read));
    }
    return std::nullopt;
  };
  if (auto failed = add_all(first, classic.id)) return failed;
  for (const std::string& name : command.more_advisories) {
    const InputFile file = read_input_file(name, advisory::kMaxInputBytes);
    if (!file.error.empty()) return file_error_line(file.name, 0, file.error);
    if (auto failed = add_all(file, "")) return failed;
  }
  return std::nullopt;
}

int write(const std::string& text, std::ostream& out, std::ostream& errors) {
  out << text;
  out.flush();
  if (!out) {
    errors << program_line("cannot write to standard output") << '\n';
    return kUnusableValue;
  }
  return kSuccess;
}

}  // namespace

int run_advise_advisory(const CommandLine& command, std::string_view version, std::ostream& out,
                        std::ostream& errors) {
  const InputFile file = read_input_file(*command.advisory, advisory::kMaxInputBytes);
  if (!file.error.empty()) {
    errors << file_error_line(file.name, 0, file.error) << '\n';
    return kUnusableValue;
  }
  const auto formed = advisory_situation::situation_from_advisory(
      {file.bytes, command.storm_id, command.margin}, command.request);
  if (const auto* failure = std::get_if<Failure>(&formed))
    return report(*failure, file.name, errors);
  const advisory_situation::AdvisedSituation& advised =
      std::get<advisory_situation::AdvisedSituation>(formed);
  AnswerAdditions additions = picture_additions(command);
  if (command.format == Format::kJson) {
    additions.json["advisory"] = json::advisory_json(advised.advised, advised.keep_source);
  } else {
    additions.head = advisory_provenance_lines(advised, file.name);
    additions.motion_from = "from the advisory";
  }
  if (command.forecast.enabled) {
    std::vector<advisory::Storm> storms;
    if (const auto failed = forecast_storms(command, file, advised.advised.storm, storms)) {
      errors << *failed << '\n';
      return kUnusableValue;
    }
    const advisory_forecast::ForecastOutcome outcome =
        advisory_forecast::forecast_for(storms, advised.situation, command.forecast);
    if (command.format == Format::kJson) {
      additions.json["forecast"] = outcome.advice
                                       ? json::forecast_json(*outcome.advice)
                                       : json::forecast_json_without(outcome.no_forecast);
    } else {
      additions.tail = outcome.advice ? forecast_report::forecast_lines(*outcome.advice)
                                      : forecast_report::no_forecast_lines(outcome.no_forecast);
    }
  }
  return write_advice(advised.situation, command.format, version, additions, out, errors);
}

int run_advisory_summary(const CommandLine& command, std::string_view version, std::ostream& out,
                         std::ostream& errors) {
  const InputFile file = read_input_file(*command.advisory, advisory::kMaxInputBytes);
  if (!file.error.empty()) {
    errors << file_error_line(file.name, 0, file.error) << '\n';
    return kUnusableValue;
  }
  const auto read = advisory_situation::read_advised_storm(file.bytes, command.storm_id, {});
  if (const auto* failure = std::get_if<Failure>(&read)) return report(*failure, file.name, errors);
  const advisory_situation::AdvisedStorm& advised =
      std::get<advisory_situation::AdvisedStorm>(read);
  const std::string keep_source =
      advised.keep ? advised.keep->source
                   : "no 34-kt winds, as in a depression: give the distance to keep";
  if (command.format == Format::kJson) {
    const nlohmann::ordered_json object = {{"version", std::string(version)},
                                           {"advisory", json::advisory_json(advised, keep_source)}};
    return write(object.dump(2) + '\n', out, errors);
  }
  std::string text;
  for (const std::string& line : advisory_summary_lines(advised, file.name, keep_source)) {
    text += line + '\n';
  }
  return write(text, out, errors);
}

}  // namespace hurricane::cli

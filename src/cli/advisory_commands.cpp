#include "cli/advisory_commands.h"

#include <variant>

#include "advisory/read_advisory.h"
#include "advisory_chart/advisory_chart.h"
#include "advisory_situation/situation_from_advisory.h"
#include "cli/advise.h"
#include "cli/advisory_lines.h"
#include "cli/exit_status.h"
#include "cli/input_file.h"
#include "cli/messages.h"
#include "files/write_file.h"
#include "json/advisory_json.h"

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

int write(const std::string& text, std::ostream& out, std::ostream& errors) {
  out << text;
  out.flush();
  if (!out) {
    errors << program_line("cannot write to standard output") << '\n';
    return kUnusableValue;
  }
  return kSuccess;
}

// Draws the forecast chart of `advised` with the classic advice it is given into --chart's file.
std::function<std::optional<std::string>(const analysis::Advice&)> chart_writer(
    const CommandLine& command, const advisory_situation::AdvisedSituation& advised) {
  return [&command, &advised](const analysis::Advice& classic) -> std::optional<std::string> {
    const auto drawn =
        advisory_chart::advisory_chart({.advised = advised,
                                        .classic = classic,
                                        .margin_nm = command.margin,
                                        .shoreline = advisory_chart::default_shoreline(),
                                        .night = command.night});
    if (const auto* svg = std::get_if<0>(&drawn)) return files::write_file(command.chart, *svg);
    return "--chart: " + std::get<1>(drawn);
  };
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
  if (!command.chart.empty()) additions.chart = chart_writer(command, advised);
  if (command.format == Format::kJson) {
    additions.json["advisory"] = json::advisory_json(advised.advised, advised.keep_source);
  } else {
    additions.head = advisory_provenance_lines(advised, file.name);
    additions.motion_from = "from the advisory";
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

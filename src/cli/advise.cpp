#include "cli/advise.h"

#include <optional>
#include <string>
#include <utility>
#include <variant>
#include <vector>

#include "advisory/read_advisory.h"
#include "advisory/storms_of_input.h"
#include "answer/advisory_chart.h"
#include "answer/answer.h"
#include "answer/board_plan.h"
#include "cli/advisory_lines.h"
#include "cli/exit_status.h"
#include "cli/input_file.h"
#include "cli/messages.h"
#include "cli/pictures.h"
#include "cli/plan_files.h"
#include "cli/provenance_lines.h"
#include "cli/wrapped.h"
#include "cli/write_file.h"
#include "json/answer_json.h"
#include "land/find_shoreline.h"
#include "report/forecast_lines.h"
#include "report/plan_lines.h"
#include "report/report.h"
#include "route/read_route.h"

namespace hurricane::cli {
namespace {

// Every line within the terminal's width.
void append(const std::vector<std::string>& lines, std::string& text) {
  for (const std::string& line : lines) {
    for (const std::string& piece : wrapped(line)) text += piece + '\n';
  }
}

// In place of the classic report when it cannot be given: what it needs, by its option.
std::string classic_needs_line(const Error& needs) {
  return "Classic advice [A]/[B] left out: " + worded(needs.problem, option_name) + " with " +
         option_name(needs.field) + ".";
}

// The text answer: what the advisory gave, what positions and fixes gave, then the classic
// round's block from the echo to the verdict.
std::string text_answer(const answer::Answer& a, std::string_view advisory_file) {
  std::string text;
  if (a.advisory && a.advisory->stale) append({*a.advisory->stale, ""}, text);
  if (a.plan) {
    const std::optional<navigation::UtcTime> next =
        a.advisory ? a.advisory->storm.storm.next_advisory : std::nullopt;
    append(report::plan_lines(*a.plan, next), text);
  }
  if (a.advisory) append(advisory_provenance_lines(*a.advisory, a.situation, advisory_file), text);
  if (a.situation.derived) {
    const bool on_track =
        a.advisory && a.advisory->centre.source == answer::CentreSource::kForecastTrack;
    append(provenance_lines(
               *a.situation.derived, a.situation.answers,
               on_track ? "from the forecast track" : (a.advisory ? "from the advisory" : "given"),
               on_track ? "the forecast track" : "its track"),
           text);
  }
  if (a.advice) {
    // Below a plan the classic advice is the board's answer to the storm's present motion.
    if (a.plan) text += " Maneuvering-board solution on the present motion, [A] and [B]:\n";
    append(report::echo_lines(a.advice->values), text);
    text += "\n          ==> Result:\n";
    append(report::result_lines(*a.advice), text);
    append(report::notes_lines(*a.advice), text);
  } else if (a.classic_needs) {
    text += classic_needs_line(*a.classic_needs) + '\n';
  }
  if (a.forecast) {
    append(a.forecast->advice ? report::forecast_lines(*a.forecast->advice)
                              : report::no_forecast_lines(a.forecast->no_forecast),
           text);
  }
  return text;
}

// The forecast chart of the answer's [F] advice, over the shoreline its escapes were held
// against; a message when there is none to draw or it cannot be written.
std::optional<std::string> write_chart(const answer::Answer& a, const AdviseRequest& command,
                                       const land::Land* shoreline) {
  const auto drawn = answer::advisory_chart(a, shoreline, command.night);
  if (!drawn.ok()) return "--chart: " + drawn.error().problem;
  return cli::write_file(command.chart, drawn.value());
}

int write_answer(const answer::Answer& a, const AdviseRequest& command, std::string_view version,
                 std::string_view advisory_file, const land::Land* shoreline, std::ostream& out,
                 std::ostream& errors) {
  for (const std::string& warning : a.situation.warnings) {
    errors << program_line("warning: " + worded(warning, option_name)) << '\n';
  }
  // Every exported file is formed first: when one cannot be, none is written.
  const Exports exports = export_files(a, command.gpx, command.rtz, command.geojson);
  if (exports.failed) {
    errors << program_line(*exports.failed) << '\n';
    return kUnusableValue;
  }
  if (!command.svg.empty()) {
    if (!a.advice) {
      errors << program_line("--svg: the maneuvering board draws the classic advice. " +
                             classic_needs_line(a.classic_needs.value_or(Error{})))
             << '\n';
      return kUnusableValue;
    }
    if (const auto failed =
            write_picture(command.svg, answer::board_advice(a, shoreline), command.night)) {
      errors << program_line(*failed) << '\n';
      return kUnusableValue;
    }
  }
  if (!command.chart.empty()) {
    if (const auto failed = write_chart(a, command, shoreline)) {
      errors << program_line(*failed) << '\n';
      return kUnusableValue;
    }
  }
  for (const ExportFile& file : exports.files) {
    if (const auto failed = cli::write_file(file.path, file.text)) {
      errors << program_line(*failed) << '\n';
      return kUnusableValue;
    }
  }
  const std::string text = command.format == Format::kJson
                               ? json::answer_json(a, version).dump(2) + '\n'
                               : text_answer(a, advisory_file);
  return write_output(text, out, errors);
}

// The route of --route FILE; nothing when it cannot be read, after saying why on `errors`.
std::optional<answer::VoyageRoute> read_voyage_route(const std::string& path,
                                                     std::ostream& errors) {
  const std::optional<InputFile> file = read_input(path, errors);
  if (!file) return std::nullopt;
  Result<route::Route> read = route::read_route(file->bytes, file->name);
  if (!read.ok()) {
    const Error& failed = read.error();
    errors << file_error_line(failed.value, failed.line, failed.problem) << '\n';
    return std::nullopt;
  }
  return answer::VoyageRoute{std::move(read.value()), file->name};
}

}  // namespace

int status_of(const Error& error) {
  return error.kind == ErrorKind::kUnusable ? kUnusableValue : kUsageError;
}

int report_error(const Error& error, std::string_view advisory_file, std::ostream& errors) {
  if (error.field == Field::kAdvisory) {
    errors << file_error_line(advisory_file, error.line, worded(error.problem, option_name))
           << '\n';
    return kUnusableValue;
  }
  errors << error_line(error) << '\n';
  return status_of(error);
}

int run_advise(const AdviseRequest& command, std::string_view version, std::ostream& out,
               std::ostream& errors) {
  answer::Request request{command.request, std::nullopt, nullptr};
  // The shoreline, only when there is a ship's position to hold against it.
  std::optional<land::Land> shoreline;
  if (command.request.ship && !command.no_land) {
    auto loaded = land::load_shoreline(command.land_file);
    if (!loaded.ok()) return report_error(loaded.error(), "", errors);
    shoreline = std::move(loaded.value());
    request.shoreline = &*shoreline;
  }
  InputFile file;
  if (command.advisory) {
    std::optional<InputFile> read = read_input(*command.advisory, errors);
    if (!read) return kUnusableValue;
    file = std::move(*read);
    request.advisory = answer::AdvisoryInput{file.bytes, command.storm_id, command.margin};
    request.forecast = command.forecast;
    if (!command.route.empty() && command.forecast.enabled) {
      request.route = read_voyage_route(command.route, errors);
      if (!request.route) return kUnusableValue;
    }
    if (command.forecast.enabled) {
      // Further storms for [F]: every storm of each further file.
      for (const std::string& name : command.more_advisories) {
        const std::optional<InputFile> more = read_input(name, errors);
        if (!more) return kUnusableValue;
        if (const auto error = advisory::add_storms(more->bytes, "", request.more_storms)) {
          return report_error(*error, more->name, errors);
        }
      }
    }
  }
  const Result<answer::Answer> answered = answer::answer(request);
  if (!answered.ok()) return report_error(answered.error(), file.name, errors);
  return write_answer(answered.value(), command, version, file.name, request.shoreline, out,
                      errors);
}

}  // namespace hurricane::cli

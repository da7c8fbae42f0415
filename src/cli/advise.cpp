#include "cli/advise.h"

#include <string>

#include "analysis/advice.h"
#include "cli/exit_status.h"
#include "cli/messages.h"
#include "cli/pictures.h"
#include "cli/provenance_lines.h"
#include "json/advice_json.h"
#include "report/report.h"

namespace hurricane::cli {
namespace {

void append(const std::vector<std::string>& lines, std::string& text) {
  for (const std::string& line : lines) text += line + '\n';
}

// The classic round's block from the echo to the verdict, with positions and fixes first.
std::string text_answer(const situation::Situation& situation, const analysis::Advice& advice,
                        std::string_view motion_from) {
  std::string text;
  if (situation.derived) {
    append(provenance_lines(*situation.derived, situation.answers, motion_from), text);
  }
  append(report::echo_lines(advice.values), text);
  text += "\n          ==> Result:\n";
  append(report::result_lines(advice), text);
  return text;
}

}  // namespace

int status_of(const situation::Error& error) {
  return error.kind == situation::ErrorKind::kUnusable ? kUnusableValue : kUsageError;
}

AnswerAdditions picture_additions(const CommandLine& command) {
  AnswerAdditions additions;
  additions.svg = command.svg;
  additions.night = command.night;
  return additions;
}

int run_advise(const CommandLine& command, std::string_view version, std::ostream& out,
               std::ostream& errors) {
  const situation::Result<situation::Situation> formed = situation::form_situation(command.request);
  if (!formed.ok()) {
    errors << error_line(formed.error()) << '\n';
    return status_of(formed.error());
  }
  return write_advice(formed.value(), command.format, version, picture_additions(command), out,
                      errors);
}

int write_advice(const situation::Situation& situation, Format format, std::string_view version,
                 const AnswerAdditions& additions, std::ostream& out, std::ostream& errors) {
  const analysis::Advice advice =
      analysis::advise(analysis::round_values(situation.answers), situation.hemisphere);
  for (const std::string& warning : situation.warnings) {
    errors << program_line("warning: " + warning) << '\n';
  }
  if (!additions.svg.empty()) {
    if (const auto failed = write_picture(additions.svg, advice, additions.night)) {
      errors << program_line(*failed) << '\n';
      return kUnusableValue;
    }
  }
  std::string answer;
  if (format == Format::kJson) {
    nlohmann::ordered_json object = json::advice_json(situation, advice, version);
    for (const auto& [key, value] : additions.json.items()) object[key] = value;
    answer = object.dump(2) + '\n';
  } else {
    append(additions.head, answer);
    answer += text_answer(situation, advice, additions.motion_from);
    append(additions.tail, answer);
  }
  out << answer;
  out.flush();
  if (!out) {
    errors << program_line("cannot write to standard output") << '\n';
    return kUnusableValue;
  }
  return kSuccess;
}

}  // namespace hurricane::cli

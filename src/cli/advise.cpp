#include "cli/advise.h"

#include <string>
#include <vector>

#include "advisory/read_advisory.h"
#include "answer/answer.h"
#include "cli/advisory_lines.h"
#include "cli/exit_status.h"
#include "cli/input_file.h"
#include "cli/messages.h"
#include "cli/pictures.h"
#include "cli/provenance_lines.h"
#include "json/answer_json.h"
#include "report/report.h"

namespace hurricane::cli {
namespace {

void append(const std::vector<std::string>& lines, std::string& text) {
  for (const std::string& line : lines) text += line + '\n';
}

// The text answer: what the advisory gave, what positions and fixes gave, then the classic
// round's block from the echo to the verdict.
std::string text_answer(const answer::Answer& a, std::string_view advisory_file) {
  std::string text;
  if (a.advisory) append(advisory_provenance_lines(*a.advisory, a.situation, advisory_file), text);
  if (a.situation.derived) {
    append(provenance_lines(*a.situation.derived, a.situation.answers,
                            a.advisory ? "from the advisory" : "given"),
           text);
  }
  append(report::echo_lines(a.advice.values), text);
  text += "\n          ==> Result:\n";
  append(report::result_lines(a.advice), text);
  return text;
}

int write_answer(const answer::Answer& a, const AdviseRequest& command, std::string_view version,
                 std::string_view advisory_file, std::ostream& out, std::ostream& errors) {
  for (const std::string& warning : a.situation.warnings) {
    errors << program_line("warning: " + situation::worded(warning, option_name)) << '\n';
  }
  if (!command.svg.empty()) {
    if (const auto failed = write_picture(command.svg, a.advice, command.night)) {
      errors << program_line(*failed) << '\n';
      return kUnusableValue;
    }
  }
  const std::string text = command.format == Format::kJson
                               ? json::answer_json(a, version).dump(2) + '\n'
                               : text_answer(a, advisory_file);
  out << text;
  out.flush();
  if (!out) {
    errors << program_line("cannot write to standard output") << '\n';
    return kUnusableValue;
  }
  return kSuccess;
}

}  // namespace

int status_of(const situation::Error& error) {
  return error.kind == situation::ErrorKind::kUnusable ? kUnusableValue : kUsageError;
}

int report_error(const situation::Error& error, std::string_view advisory_file,
                 std::ostream& errors) {
  if (error.field == situation::Field::kAdvisory) {
    errors << file_error_line(advisory_file, error.line,
                              situation::worded(error.problem, option_name))
           << '\n';
    return kUnusableValue;
  }
  errors << error_line(error) << '\n';
  return status_of(error);
}

int run_advise(const AdviseRequest& command, std::string_view version, std::ostream& out,
               std::ostream& errors) {
  answer::Request request{command.request, std::nullopt};
  InputFile file;
  if (command.advisory) {
    file = read_input_file(*command.advisory, advisory::kMaxInputBytes);
    if (!file.error.empty()) {
      errors << file_error_line(file.name, 0, file.error) << '\n';
      return kUnusableValue;
    }
    request.advisory =
        advisory_situation::AdvisoryInput{file.bytes, command.storm_id, command.margin};
  }
  const situation::Result<answer::Answer> answered = answer::answer(request);
  if (!answered.ok()) return report_error(answered.error(), file.name, errors);
  return write_answer(answered.value(), command, version, file.name, out, errors);
}

}  // namespace hurricane::cli

#include "cli/advise.h"

#include <string>

#include "analysis/advice.h"
#include "cli/exit_status.h"
#include "cli/messages.h"
#include "cli/provenance_lines.h"
#include "json/advice_json.h"
#include "report/report.h"

namespace hurricane::cli {
namespace {

void append(const std::vector<std::string>& lines, std::string& text) {
  for (const std::string& line : lines) text += line + '\n';
}

// The classic round's block from the echo to the verdict, with positions and fixes first.
std::string text_answer(const situation::Situation& situation, const analysis::Advice& advice) {
  std::string text;
  if (situation.derived) append(provenance_lines(*situation.derived, situation.answers), text);
  append(report::echo_lines(advice.values), text);
  text += "\n          ==> Result:\n";
  append(report::result_lines(advice), text);
  return text;
}

}  // namespace

int run_advise(const situation::Request& request, Format format, std::string_view version,
               std::ostream& out, std::ostream& errors) {
  const situation::Result<situation::Situation> formed = situation::form_situation(request);
  if (!formed.ok()) {
    errors << error_line(formed.error()) << '\n';
    return formed.error().kind == situation::ErrorKind::kUnusable ? kUnusableValue : kUsageError;
  }
  const situation::Situation& situation = formed.value();
  const analysis::Advice advice =
      analysis::advise(analysis::round_values(situation.answers), situation.hemisphere);
  for (const std::string& warning : situation.warnings) {
    errors << program_line("warning: " + warning) << '\n';
  }
  const std::string answer = format == Format::kJson
                                 ? json::advice_json(situation, advice, version).dump(2) + '\n'
                                 : text_answer(situation, advice);
  out << answer;
  out.flush();
  if (!out) {
    errors << program_line("cannot write to standard output") << '\n';
    return kUnusableValue;
  }
  return kSuccess;
}

}  // namespace hurricane::cli

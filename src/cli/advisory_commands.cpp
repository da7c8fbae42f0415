#include "cli/advisory_commands.h"

#include "advisory/read_advisory.h"
#include "answer/situation_from_advisory.h"
#include "cli/advise.h"
#include "cli/advisory_lines.h"
#include "cli/exit_status.h"
#include "cli/input_file.h"
#include "cli/messages.h"
#include "cli/wrapped.h"
#include "json/advisory_json.h"

namespace hurricane::cli {

int run_advisory_summary(const SummaryRequest& command, std::string_view version, std::ostream& out,
                         std::ostream& errors) {
  const std::optional<InputFile> read_file = read_input(command.file, errors);
  if (!read_file) return kUnusableValue;
  const InputFile& file = *read_file;
  const Result<answer::AdvisedStorm> read =
      answer::read_advised_storm(file.bytes, command.storm_id, {});
  if (!read.ok()) return report_error(read.error(), file.name, errors);
  const answer::AdvisedStorm& advised = read.value();
  const std::string keep_source =
      advised.keep ? advised.keep->source
                   : "no 34-kt winds, as in a depression: give the distance to keep";
  if (command.format == Format::kJson) {
    const nlohmann::ordered_json object = {{"version", std::string(version)},
                                           {"advisory", json::advisory_json(advised, keep_source)}};
    return write_output(object.dump(2) + '\n', out, errors);
  }
  std::string text;
  for (const std::string& line : advisory_summary_lines(advised, file.name, keep_source)) {
    for (const std::string& piece : wrapped(line)) text += piece + '\n';
  }
  return write_output(text, out, errors);
}

}  // namespace hurricane::cli

#include "cli/run.h"

#include "cli/advise.h"
#include "cli/advisory_commands.h"
#include "cli/command_line.h"
#include "cli/exit_status.h"
#include "cli/fleet_command.h"
#include "cli/hindcast_command.h"
#include "cli/messages.h"
#include "cli/pictures.h"
#include "files/write_file.h"
#include "land_advice/find_shoreline.h"
#include "server/serve.h"

namespace hurricane::cli {

int run_command_line(int argc, const char* const* argv, std::istream& in, std::ostream& out,
                     std::ostream& errors, const dialogue::SessionOptions& dialogue) {
  if (argc > 1 && std::string_view(argv[1]) == "hindcast") {
    return run_hindcast_command(argc - 1, argv + 1, out, errors);
  }
  if (argc > 1 && std::string_view(argv[1]) == "fleet") {
    return run_fleet_command(argc - 1, argv + 1, in, out, errors);
  }
  const CommandLine command = parse_command_line(argc, argv, HURRICANE_VERSION);
  switch (command.kind) {
    case CommandLine::Kind::kAdvise:
      return run_advise(command, HURRICANE_VERSION, out, errors);
    case CommandLine::Kind::kDialogue: {
      if (const auto failed = files::prepare_directory(command.svg_dir)) {
        errors << program_line(*failed) << '\n';
        return kUnusableValue;
      }
      dialogue::SessionOptions options = dialogue;
      options.on_round = round_pictures(command.svg_dir, command.night);
      return dialogue::run_advisor(in, out, errors, options);
    }
    case CommandLine::Kind::kServe: {
      // The answers hold escapes against land as `advise` does; without the shoreline they
      // could not.
      auto shoreline = land_advice::load_shoreline("");
      if (!shoreline.ok()) return report_error(shoreline.error(), "", errors);
      return server::serve(command.listen, std::move(shoreline.value()), out, errors);
    }
    case CommandLine::Kind::kAdvisory:
      return run_advisory_summary(command, HURRICANE_VERSION, out, errors);
    case CommandLine::Kind::kPrint:
      out << command.text;
      out.flush();
      if (!out) {
        errors << program_line("cannot write to standard output") << '\n';
        return kUnusableValue;
      }
      return kSuccess;
    case CommandLine::Kind::kError:
      errors << command.text << '\n';
      return command.status;
  }
  return kUsageError;
}

}  // namespace hurricane::cli

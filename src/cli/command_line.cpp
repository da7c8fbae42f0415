#include "cli/command_line.h"

#include <CLI/CLI.hpp>
#include <utility>

#include "cli/exit_status.h"
#include "cli/messages.h"

namespace hurricane::cli {
namespace {

constexpr const char* kProgramFooter =
    "Without arguments the program holds the classic dialogue on the console;\n"
    "with --svg-dir it also draws every round into DIR/round-001.svg, ...\n"
    "hindcast scores the advice against a storm's best track; fleet advises many\n"
    "ships; watch stands watch over a folder of advisories. See\n"
    "'hurricane-escape COMMAND --help' for advise, advisory, serve, hindcast, fleet\n"
    "and watch, and the manual page hurricane-escape(1).";

// A request of a subcommand, or its error, as a Command.
template <class Request>
Command command_of(Result<Request> made) {
  if (!made.ok()) return made.error();
  return std::move(made.value());
}

}  // namespace

Error usage(std::string_view text) {
  return Error{ErrorKind::kUsage, Field::kCommand, "", std::string(text)};
}

std::string command_error_line(const Error& error) {
  if (error.field == Field::kCommand) return program_line(error.problem);
  // The address is quoted as the server's own messages quote it.
  if (error.field == Field::kListen) {
    return program_line(option_name(error.field) + " '" + error.value + "': " + error.problem);
  }
  return error_line(error);
}

Command parse_command_line(int argc, const char* const* argv, std::string_view version) {
  // CLI11 would only say that a command is required.
  if (argc > 1) {
    const std::string_view first = argv[1];
    if (first != "advise" && first != "advisory" && first != "serve" && first != "hindcast" &&
        first != "fleet" && first != "watch" && first != "--help" && first != "-h" &&
        first != "--version" && first != "--night" && !first.starts_with("--svg-dir")) {
      return usage("unknown command " + cli::quoted(first) +
                   ": expected advise, advisory, serve, hindcast, fleet, watch, --svg-dir, --help "
                   "or --version");
    }
  }
  CLI::App app{"Escape courses from an approaching hurricane.", "hurricane-escape"};
  app.footer(kProgramFooter);
  app.set_version_flag("--version", "hurricane-escape " + std::string(version),
                       "Print the version and exit");
  app.require_subcommand(0, 1);
  std::string svg_dir;
  bool night = false;
  CLI::Option* svg_dir_option =
      app.add_option("--svg-dir", svg_dir, "With the dialogue: a picture of every round here")
          ->type_name("DIR")
          ->multi_option_policy(CLI::MultiOptionPolicy::Throw);
  CLI::Option* night_option = app.add_flag("--night", night, "Pictures in red on black");
  const AdviseOptions advise(app);
  const SummaryOptions summary(app);
  const ServeOptions serve(app);
  const HindcastOptions hindcast(app);
  const FleetOptions fleet(app);
  const WatchOptions watch(app);

  try {
    app.parse(argc, argv);
  } catch (const CLI::CallForHelp&) {
    return Printed{app.help()};  // the help of the subcommand when one was named
  } catch (const CLI::CallForVersion& printed) {
    return Printed{std::string(printed.what()) + "\n"};
  } catch (const CLI::ParseError& failure) {
    // The commands that read many files say which command a usage error is of.
    const bool named = hindcast.parsed() || fleet.parsed();
    return usage(named ? std::string(hindcast.parsed() ? "hindcast: " : "fleet: ") + failure.what()
                       : std::string(failure.what()));
  }

  const bool for_dialogue = svg_dir_option->count() > 0 || night_option->count() > 0;
  if (serve.parsed() && !for_dialogue) return command_of(serve.request());
  if (!advise.parsed() && !summary.parsed() && !serve.parsed() && !hindcast.parsed() &&
      !fleet.parsed() && !watch.parsed()) {
    if (svg_dir_option->count() == 0) return usage("--night: draws the pictures of --svg-dir DIR");
    if (svg_dir.empty()) return usage("--svg-dir: needs a directory");
    return DialogueRequest{svg_dir, night};
  }
  if (for_dialogue) {
    return usage(
        "--svg-dir and --night before a command are for the dialogue; advise takes --svg FILE "
        "and --night after it");
  }
  if (summary.parsed()) return summary.request();
  if (hindcast.parsed()) return hindcast.request();
  if (fleet.parsed()) return fleet.request();
  if (watch.parsed()) return command_of(watch.request());
  return command_of(advise.request());
}

}  // namespace hurricane::cli

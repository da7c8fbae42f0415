#include "cli/command_line.h"

#include <charconv>
#include <cmath>

#include <CLI/CLI.hpp>
#include <array>
#include <utility>
#include <variant>

#include "cli/exit_status.h"
#include "cli/messages.h"
#include "server/limits.h"
#include "situation/number.h"

namespace hurricane::cli {
namespace {

using situation::Field;

constexpr const char* kProgramFooter =
    "Without arguments the program holds the classic dialogue on the console;\n"
    "with --svg-dir it also draws every round into DIR/round-001.svg, ...\n"
    "hindcast scores the advice against a storm's best track; fleet advises many ships.\n"
    "See 'hurricane-escape COMMAND --help' for advise, advisory, serve, hindcast and fleet,\n"
    "and the manual page hurricane-escape(1).";

constexpr const char* kAdviseFooter =
    "Give the storm by --distance and --bearing, or by --ship and --storm (or two\n"
    "--storm-fix); its motion by --track and --speed, or by two --storm-fix; or\n"
    "all of it, and the distance to keep, by --advisory with --ship.\n"
    "POS is LAT,LON in decimal degrees (24.7,-66.4) or 24.7N,66.4W.\n"
    "TIME is ISO 8601 UTC: 2023-09-12T18:00Z.\n"
    "Exit status: 0 advice given, 1 a value cannot be used, 2 wrong usage.";

constexpr const char* kAdvisoryFooter =
    "FILE is a forecast/advisory text, a JTWC warning, an NHC RSS feed or ATCF\n"
    "records; - is standard input. Exit status: 0 read, 1 the file cannot be read\n"
    "or used, 2 wrong usage.";

constexpr const char* kServeFooter =
    "Serves the page at / and the JSON API at /api/advice and /api/health until SIGINT or\n"
    "SIGTERM. The default address is this machine only; --listen 0.0.0.0:8080 serves every\n"
    "network the machine is on. Port 0 picks a free port; the first line printed names it.\n"
    "Exit status: 0 stopped by a signal, 1 cannot listen there, 2 wrong usage.";

// The texts of the options, before they are read.
struct Texts {
  std::array<std::string, 6> numbers;  // in the order of kNumberFields
  std::string ship, storm, at, format = "text", svg, svg_dir, chart;
  std::string margin, storm_id, summary_file, summary_format = "text", summary_storm_id;
  std::vector<std::string> advisories;
  std::string course, horizon, error_model;
  bool no_forecast = false;
  std::string land;
  std::vector<std::string> fixes;
  bool north = false, south = false, night = false, advise_night = false, no_land = false;
};

constexpr std::array<Field, 6> kNumberFields = {Field::kDistance, Field::kBearing,
                                                Field::kTrack,    Field::kSpeed,
                                                Field::kKeep,     Field::kShipSpeed};

struct NumberOption {
  const char* type;
  const char* help;
};
constexpr std::array<NumberOption, 6> kNumberOptions = {{
    {"NM", "Distance of the storm's centre from the ship, nm"},
    {"DEG", "Bearing of the storm from the ship, degrees true"},
    {"DEG", "Direction of the storm's advance, degrees true"},
    {"KN", "Speed of the storm, knots"},
    {"NM", "Distance to keep from the storm's centre, nm"},
    {"KN", "Maximum speed of the ship, knots"},
}};

// A number of an option of [F]: all of `text`, finite.
std::optional<double> option_number(const std::string& text) {
  double value = 0.0;
  const char* end = text.data() + text.size();
  const auto [stop, failed] = std::from_chars(text.data(), end, value);
  if (failed != std::errc{} || stop != end || !std::isfinite(value)) return std::nullopt;
  return value;
}

// The options of [F] read into `options`; the problem when one is unusable.
std::optional<std::string> read_forecast_options(const Texts& texts, bool course, bool horizon,
                                                 bool error_model,
                                                 advisory_forecast::ForecastOptions& options) {
  if (course) {
    const auto value = option_number(texts.course);
    if (!value || *value < 0.0 || *value > 360.0) {
      return "--course: expected degrees true from 0 to 360, such as 045";
    }
    options.voyage_course_deg = *value == 360.0 ? 0.0 : *value;
  }
  if (horizon) {
    const auto value = option_number(texts.horizon);
    if (!value || *value < advisory_forecast::kMinHorizonH ||
        *value > advisory_forecast::kMaxHorizonH) {
      return "--horizon: expected hours from 12 to 120";
    }
    options.horizon_h = *value;
  }
  if (error_model) {
    const auto choice = advisory_forecast::parse_error_choice(texts.error_model);
    if (!choice) {
      return "--error: expected cone, cone:SCALE (SCALE above 0, at most 10), 1-2-3 or none";
    }
    options.error = *choice;
  }
  return std::nullopt;
}

CommandLine error(int status, std::string line) {
  CommandLine result;
  result.kind = CommandLine::Kind::kError;
  result.status = status;
  result.text = std::move(line);
  return result;
}

}  // namespace

CommandLine parse_command_line(int argc, const char* const* argv, std::string_view version) {
  // CLI11 would only say that a command is required.
  if (argc > 1) {
    const std::string_view first = argv[1];
    if (first != "advise" && first != "advisory" && first != "serve" && first != "--help" &&
        first != "-h" && first != "--version" && first != "--night" &&
        !first.starts_with("--svg-dir")) {
      return error(kUsageError, program_line("unknown command " + quoted(first) +
                                             ": expected advise, advisory, serve, --svg-dir, "
                                             "--help or --version"));
    }
  }
  CLI::App app{"Escape courses from an approaching hurricane.", "hurricane-escape"};
  app.footer(kProgramFooter);
  app.set_version_flag("--version", "hurricane-escape " + std::string(version),
                       "Print the version and exit");
  Texts texts;
  app.require_subcommand(0, 1);
  CLI::Option* svg_dir =
      app.add_option("--svg-dir", texts.svg_dir, "With the dialogue: a picture of every round here")
          ->type_name("DIR");
  CLI::Option* night = app.add_flag("--night", texts.night, "Pictures in red on black");
  CLI::App* advise = app.add_subcommand("advise", "Answer one situation and exit");
  advise->footer(kAdviseFooter);

  std::array<CLI::Option*, 6> numbers{};
  for (std::size_t i = 0; i < kNumberFields.size(); ++i) {
    numbers[i] =
        advise->add_option(option_name(kNumberFields[i]), texts.numbers[i], kNumberOptions[i].help)
            ->type_name(kNumberOptions[i].type);
  }
  CLI::Option* ship =
      advise->add_option("--ship", texts.ship, "Position of the ship")->type_name("POS");
  CLI::Option* storm = advise->add_option("--storm", texts.storm, "Position of the storm's centre")
                           ->type_name("POS");
  CLI::Option* fixes =
      advise->add_option("--storm-fix", texts.fixes, "A fix of the centre; give two, earlier first")
          ->type_name("TIME,POS")
          ->expected(1)
          ->multi_option_policy(CLI::MultiOptionPolicy::TakeAll);
  CLI::Option* at =
      advise->add_option("--at", texts.at, "Move the storm along its track to this time")
          ->type_name("TIME");
  CLI::Option* north =
      advise->add_flag("--north", texts.north, "Northern hemisphere (default: from --ship)");
  CLI::Option* south = advise->add_flag("--south", texts.south, "Southern hemisphere");
  advise->add_option("--format", texts.format, "Output: text (the default) or json")
      ->type_name("FORMAT")
      ->check(CLI::IsMember({"text", "json"}));
  CLI::Option* advisory =
      advise->add_option("--advisory", texts.advisories, "Storm advisory, - for stdin; repeatable")
          ->type_name("FILE")
          ->expected(1)
          ->multi_option_policy(CLI::MultiOptionPolicy::TakeAll);
  CLI::Option* margin =
      advise->add_option("--margin", texts.margin, "Beyond the 34-kt winds; [F]: 100")
          ->type_name("NM");
  CLI::Option* no_forecast = advise->add_flag("--no-forecast", texts.no_forecast,
                                              "Leave out the advice along the forecast [F]");
  CLI::Option* course =
      advise->add_option("--course", texts.course, "[F]: the voyage's course, degrees true")
          ->type_name("DEG");
  CLI::Option* horizon =
      advise->add_option("--horizon", texts.horizon, "[F]: hours judged, 12 to 120 (default 72)")
          ->type_name("H");
  CLI::Option* error_model = advise
                                 ->add_option("--error", texts.error_model,
                                              "[F]: cone[:SCALE] (default cone:2), 1-2-3 or none")
                                 ->type_name("MODEL");
  CLI::Option* storm_id =
      advise->add_option("--storm-id", texts.storm_id, "The storm of --advisory, e.g. AL132023")
          ->type_name("ID");
  CLI::Option* svg =
      advise->add_option("--svg", texts.svg, "Also draw the advice as an SVG picture here")
          ->type_name("FILE");
  CLI::Option* chart =
      advise->add_option("--chart", texts.chart, "With --advisory: a chart of the forecast here")
          ->type_name("FILE");
  advise->add_flag("--night", texts.advise_night, "The picture and the chart in red on black");
  CLI::Option* land =
      advise->add_option("--land", texts.land, "Shoreline file (default: the installed one)")
          ->type_name("FILE");
  CLI::Option* no_land =
      advise->add_flag("--no-land", texts.no_land, "Leave land out (the answer says so)");
  for (CLI::Option* option :
       {numbers[0], numbers[1], numbers[2], numbers[3], numbers[4], numbers[5], ship, storm, at,
        margin, storm_id, svg, chart, svg_dir, land, course, horizon, error_model}) {
    option->multi_option_policy(CLI::MultiOptionPolicy::Throw);
  }

  CLI::App* summary = app.add_subcommand("advisory", "Print what a storm advisory holds");
  summary->footer(kAdvisoryFooter);
  summary->add_option("FILE", texts.summary_file, "The advisory")->required();
  summary->add_option("--format", texts.summary_format, "Output: text (the default) or json")
      ->type_name("FORMAT")
      ->check(CLI::IsMember({"text", "json"}));
  summary
      ->add_option("--storm-id", texts.summary_storm_id, "The storm, when the file holds several")
      ->type_name("ID")
      ->multi_option_policy(CLI::MultiOptionPolicy::Throw);

  CLI::App* serve =
      app.add_subcommand("serve", "Serve the advisor as a web page and a JSON API over HTTP");
  serve->footer(kServeFooter);
  std::string listen = server::kDefaultListen;
  serve->add_option("--listen", listen, "Address and port to listen on")
      ->type_name("ADDR:PORT")
      ->default_str(server::kDefaultListen)
      ->multi_option_policy(CLI::MultiOptionPolicy::Throw);

  try {
    app.parse(argc, argv);
  } catch (const CLI::CallForHelp&) {
    CommandLine help;
    help.kind = CommandLine::Kind::kPrint;
    help.text = app.help();  // the help of `advise` when it was named
    return help;
  } catch (const CLI::CallForVersion& printed) {
    CommandLine shown;
    shown.kind = CommandLine::Kind::kPrint;
    shown.text = std::string(printed.what()) + "\n";
    return shown;
  } catch (const CLI::ParseError& failure) {
    return error(kUsageError, program_line(failure.what()));
  }

  if (serve->parsed() && svg_dir->count() == 0 && night->count() == 0) {
    const auto address = server::parse_listen_address(listen);
    if (const auto* problem = std::get_if<std::string>(&address)) {
      return error(kUsageError, program_line(*problem));
    }
    CommandLine command;
    command.kind = CommandLine::Kind::kServe;
    command.listen = std::get<server::ListenAddress>(address);
    return command;
  }
  if (!advise->parsed() && !summary->parsed() && !serve->parsed()) {
    if (svg_dir->count() == 0) {
      return error(kUsageError, program_line("--night: draws the pictures of --svg-dir DIR"));
    }
    if (texts.svg_dir.empty()) {
      return error(kUsageError, program_line("--svg-dir: needs a directory"));
    }
    CommandLine dialogue;
    dialogue.kind = CommandLine::Kind::kDialogue;
    dialogue.svg_dir = texts.svg_dir;
    dialogue.night = texts.night;
    return dialogue;
  }
  if (svg_dir->count() > 0 || night->count() > 0) {
    return error(kUsageError,
                 program_line("--svg-dir and --night before a command are for the dialogue; "
                              "advise takes --svg FILE and --night after it"));
  }
  if (summary->parsed()) {
    CommandLine command;
    command.kind = CommandLine::Kind::kAdvisory;
    command.advisory = texts.summary_file;
    command.storm_id = texts.summary_storm_id;
    command.format = texts.summary_format == "json" ? Format::kJson : Format::kText;
    return command;
  }
  if (texts.north && texts.south) {
    return error(kUsageError, program_line("--north and --south exclude each other"));
  }
  CommandLine command;
  command.kind = CommandLine::Kind::kAdvise;
  situation::Request& request = command.request;
  std::array<std::optional<double>*, 6> targets = {&request.distance, &request.bearing,
                                                   &request.track,    &request.speed,
                                                   &request.keep,     &request.ship_speed};
  for (std::size_t i = 0; i < numbers.size(); ++i) {
    if (numbers[i]->count() == 0) continue;
    const situation::Result<double> number =
        situation::parse_number(kNumberFields[i], texts.numbers[i]);
    if (!number.ok()) return error(kUnusableValue, error_line(number.error()));
    *targets[i] = number.value();
  }
  if (ship->count() > 0) request.ship = texts.ship;
  if (storm->count() > 0) request.storm = texts.storm;
  if (at->count() > 0) request.at = texts.at;
  request.storm_fixes = texts.fixes;
  if (fixes->count() == 0) request.storm_fixes.clear();
  if (north->count() > 0) request.hemisphere = analysis::Hemisphere::kNorth;
  if (south->count() > 0) request.hemisphere = analysis::Hemisphere::kSouth;
  command.format = texts.format == "json" ? Format::kJson : Format::kText;
  if (svg->count() > 0 && texts.svg.empty()) {
    return error(kUsageError, program_line("--svg: needs a file"));
  }
  if (chart->count() > 0 && texts.chart.empty()) {
    return error(kUsageError, program_line("--chart: needs a file"));
  }
  if (chart->count() > 0 && (advisory->count() == 0 || texts.no_forecast)) {
    return error(kUsageError, program_line(advisory->count() == 0
                                               ? "--chart needs --advisory"
                                               : "--chart draws the forecast: drop --no-forecast"));
  }
  if (texts.advise_night && svg->count() == 0 && chart->count() == 0) {
    return error(
        kUsageError,
        program_line("--night: draws the picture of --svg FILE or the chart of --chart FILE"));
  }
  command.svg = texts.svg;
  command.chart = texts.chart;
  command.night = texts.advise_night;
  if (land->count() > 0 && no_land->count() > 0) {
    return error(kUsageError, program_line("--land and --no-land exclude each other"));
  }
  if (land->count() > 0 && texts.land.empty()) {
    return error(kUsageError, program_line("--land: needs a file"));
  }
  command.land_file = texts.land;
  command.no_land = texts.no_land;
  if (advisory->count() > 0) {
    command.advisory = texts.advisories.front();
    command.more_advisories.assign(texts.advisories.begin() + 1, texts.advisories.end());
    command.storm_id = texts.storm_id;
  } else {
    for (const CLI::Option* option :
         {margin, storm_id, no_forecast, course, horizon, error_model}) {
      if (option->count() > 0) {
        return error(kUsageError, program_line(option->get_name() + " needs --advisory"));
      }
    }
  }
  if (margin->count() > 0) {
    const situation::Result<double> number = situation::parse_number(Field::kMargin, texts.margin);
    if (!number.ok()) return error(kUnusableValue, error_line(number.error()));
    command.margin = number.value();
    command.forecast.margin_nm = number.value();
    command.forecast.margin_given = true;
  }
  if (const auto failed = read_forecast_options(texts, course->count() > 0, horizon->count() > 0,
                                                error_model->count() > 0, command.forecast)) {
    return error(kUnusableValue, program_line(*failed));
  }
  command.forecast.enabled = !texts.no_forecast;
  return command;
}

}  // namespace hurricane::cli

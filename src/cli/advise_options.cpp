#include "cli/advise_options.h"

#include "cli/exit_status.h"
#include "cli/messages.h"
#include "situation/number.h"

namespace hurricane::cli {
namespace {

using situation::Field;

constexpr const char* kFooter =
    "Give the storm by --distance and --bearing, or by --ship and --storm (or two\n"
    "--storm-fix); its motion by --track and --speed, or by two --storm-fix; or\n"
    "all of it, and the distance to keep, by --advisory with --ship.\n"
    "POS is LAT,LON in decimal degrees (24.7,-66.4) or 24.7N,66.4W.\n"
    "TIME is ISO 8601 UTC: 2023-09-12T18:00Z.\n"
    "Exit status: 0 advice given, 1 a value cannot be used, 2 wrong usage.";

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

CommandError usage(std::string text) {
  return CommandError{kUsageError, program_line(text)};
}

}  // namespace

AdviseOptions::AdviseOptions(CLI::App& app)
    : command_(app.add_subcommand("advise", "Answer one situation and exit")) {
  CLI::App& advise = *command_;
  advise.footer(kFooter);
  for (std::size_t i = 0; i < kNumberFields.size(); ++i) {
    number_options_[i] =
        advise.add_option(option_name(kNumberFields[i]), numbers_[i], kNumberOptions[i].help)
            ->type_name(kNumberOptions[i].type);
  }
  ship_option_ = advise.add_option("--ship", ship_, "Position of the ship")->type_name("POS");
  storm_option_ =
      advise.add_option("--storm", storm_, "Position of the storm's centre")->type_name("POS");
  fix_option_ =
      advise.add_option("--storm-fix", fixes_, "A fix of the centre; give two, earlier first")
          ->type_name("TIME,POS")
          ->expected(1)
          ->multi_option_policy(CLI::MultiOptionPolicy::TakeAll);
  at_option_ = advise.add_option("--at", at_, "Move the storm along its track to this time")
                   ->type_name("TIME");
  north_option_ = advise.add_flag("--north", north_, "Northern hemisphere (default: from --ship)");
  south_option_ = advise.add_flag("--south", south_, "Southern hemisphere");
  advise.add_option("--format", format_, "Output: text (the default) or json")
      ->type_name("FORMAT")
      ->check(CLI::IsMember({"text", "json"}));
  advisory_option_ =
      advise.add_option("--advisory", advisory_, "Storm advisory; - for standard input")
          ->type_name("FILE");
  margin_option_ =
      advise.add_option("--margin", margin_, "Added to the distance to keep from --advisory")
          ->type_name("NM");
  storm_id_option_ =
      advise.add_option("--storm-id", storm_id_, "The storm of --advisory, e.g. AL132023")
          ->type_name("ID");
  svg_option_ = advise.add_option("--svg", svg_, "Also draw the advice as an SVG picture here")
                    ->type_name("FILE");
  advise.add_flag("--night", night_, "The picture in red on black");
  for (CLI::Option* option : number_options_) {
    option->multi_option_policy(CLI::MultiOptionPolicy::Throw);
  }
  for (CLI::Option* option : {ship_option_, storm_option_, at_option_, advisory_option_,
                              margin_option_, storm_id_option_, svg_option_}) {
    option->multi_option_policy(CLI::MultiOptionPolicy::Throw);
  }
}

std::variant<AdviseRequest, CommandError> AdviseOptions::request() const {
  if (north_ && south_) return usage("--north and --south exclude each other");
  AdviseRequest command;
  situation::Request& request = command.request;
  const std::array<std::optional<double>*, 6> targets = {&request.distance, &request.bearing,
                                                         &request.track,    &request.speed,
                                                         &request.keep,     &request.ship_speed};
  for (std::size_t i = 0; i < number_options_.size(); ++i) {
    if (number_options_[i]->count() == 0) continue;
    const situation::Result<double> number = situation::parse_number(kNumberFields[i], numbers_[i]);
    if (!number.ok()) return CommandError{kUnusableValue, error_line(number.error())};
    *targets[i] = number.value();
  }
  if (ship_option_->count() > 0) request.ship = ship_;
  if (storm_option_->count() > 0) request.storm = storm_;
  if (at_option_->count() > 0) request.at = at_;
  if (fix_option_->count() > 0) request.storm_fixes = fixes_;
  if (north_option_->count() > 0) request.hemisphere = analysis::Hemisphere::kNorth;
  if (south_option_->count() > 0) request.hemisphere = analysis::Hemisphere::kSouth;
  command.format = format_ == "json" ? Format::kJson : Format::kText;
  if (svg_option_->count() > 0 && svg_.empty()) return usage("--svg: needs a file");
  if (night_ && svg_option_->count() == 0) {
    return usage("--night: draws the picture of --svg FILE");
  }
  command.svg = svg_;
  command.night = night_;
  if (advisory_option_->count() > 0) {
    command.advisory = advisory_;
    command.storm_id = storm_id_;
  } else if (margin_option_->count() > 0 || storm_id_option_->count() > 0) {
    return usage(std::string(margin_option_->count() > 0 ? "--margin" : "--storm-id") +
                 " needs --advisory");
  }
  if (margin_option_->count() > 0) {
    const situation::Result<double> number = situation::parse_number(Field::kMargin, margin_);
    if (!number.ok()) return CommandError{kUnusableValue, error_line(number.error())};
    command.margin = number.value();
  }
  return command;
}

}  // namespace hurricane::cli

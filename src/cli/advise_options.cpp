#include "cli/advise_options.h"

#include <tuple>

#include "cli/exit_status.h"
#include "cli/messages.h"
#include "cli/plan_choices.h"
#include "situation/number.h"

namespace hurricane::cli {
namespace {

constexpr const char* kAdviseFooter =
    "Give the storm by --distance and --bearing, or by --ship and --storm (or two\n"
    "--storm-fix); its motion by --track and --speed, or by two --storm-fix; or\n"
    "all of it, and the distance to keep, by --advisory with --ship.\n"
    "POS is a latitude then a longitude, by a comma or blanks: decimal degrees\n"
    "(24.7,-66.4 or 24.7N,66.4W), degrees and minutes (24 42.0N 066 24.0W,\n"
    "24-42.0N, 24\u00b042.0'N) or packed (2430N 08630W).\n"
    "TIME is ISO 8601 UTC (2023-09-12T18:00Z), now, or a date-time group 071800Z\n"
    "or 07/1800Z (the day nearest the advisory's time, else now). With --advisory\n"
    "TIME is 6 h before its analysis at the earliest; an analysis more than 12 h\n"
    "old at TIME is STALE, more than 48 h old refused.\n"
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

}  // namespace

AdviseOptions::AdviseOptions(CLI::App& app)
    : command_(app.add_subcommand("advise", "Answer one situation and exit")) {
  CLI::App& advise = *command_;
  advise.footer(kAdviseFooter);
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
  north_option_ = advise.add_flag("--north", north_, "Northern hemisphere (default: the storm's)");
  south_option_ = advise.add_flag("--south", south_, "Southern hemisphere");
  advise.add_option("--format", format_, "Output: text (the default) or json")
      ->type_name("FORMAT")
      ->check(CLI::IsMember({"text", "json"}));
  advisory_option_ =
      advise.add_option("--advisory", advisories_, "Storm advisory, - for stdin; repeatable")
          ->type_name("FILE")
          ->expected(1)
          ->multi_option_policy(CLI::MultiOptionPolicy::TakeAll);
  margin_option_ =
      advise.add_option("--margin", margin_, "Beyond the 34-kt winds; [F]: 100")->type_name("NM");
  no_forecast_option_ =
      advise.add_flag("--no-forecast", no_forecast_, "Leave out the advice along the forecast [F]");
  course_option_ = advise.add_option("--course", course_, "[F]: the voyage's course, degrees true")
                       ->type_name("DEG");
  route_option_ = advise.add_option("--route", route_, "[F]: the voyage's route file, GPX or RTZ")
                      ->type_name("FILE");
  horizon_option_ =
      advise.add_option("--horizon", horizon_, "[F]: hours judged, 12 to 120 (default 72)")
          ->type_name("H");
  error_option_ =
      advise
          .add_option("--error", error_model_, "[F]: cone[:SCALE] (default cone:2), 1-2-3 or none")
          ->type_name("MODEL");
  to_option_ = advise.add_option("--to", to_, "Plan: the voyage's destination")->type_name("POS");
  sea_room_option_ =
      advise.add_option("--sea-room", sea_room_, "Plan: nm kept off the shore (default 10)")
          ->type_name("NM");
  avoid_option_ =
      advise.add_option("--avoid", avoid_, "Plan: the winds avoided, 34 (default), 50 or 64")
          ->type_name("KT");
  storm_id_option_ =
      advise.add_option("--storm-id", storm_id_, "The storm of --advisory, e.g. AL132023")
          ->type_name("ID");
  svg_option_ = advise.add_option("--svg", svg_, "Also draw the advice as an SVG picture here")
                    ->type_name("FILE");
  chart_option_ =
      advise.add_option("--chart", chart_, "With --advisory: a chart of the forecast here")
          ->type_name("FILE");
  gpx_option_ =
      advise.add_option("--gpx", gpx_, "With --ship: the escape plan as a GPX route here")
          ->type_name("FILE");
  rtz_option_ =
      advise.add_option("--rtz", rtz_, "With --ship: the escape plan as an RTZ route here")
          ->type_name("FILE");
  geojson_option_ =
      advise.add_option("--geojson", geojson_, "With --advisory: the storms' areas and plan here")
          ->type_name("FILE");
  advise.add_flag("--night", night_, "The picture and the chart in red on black");
  land_option_ = advise.add_option("--land", land_, "Shoreline file (default: the installed one)")
                     ->type_name("FILE");
  no_land_option_ = advise.add_flag("--no-land", no_land_, "Leave land out (the answer says so)");
  for (CLI::Option* option : number_options_) {
    option->multi_option_policy(CLI::MultiOptionPolicy::Throw);
  }
  for (CLI::Option* option :
       {ship_option_, storm_option_, at_option_, margin_option_, storm_id_option_, svg_option_,
        chart_option_, land_option_, course_option_, route_option_, horizon_option_, error_option_,
        to_option_, sea_room_option_, avoid_option_, gpx_option_, rtz_option_, geojson_option_}) {
    option->multi_option_policy(CLI::MultiOptionPolicy::Throw);
  }
}

Result<AdviseRequest> AdviseOptions::request() const {
  if (north_ && south_) return usage("--north and --south exclude each other");
  AdviseRequest command;
  situation::Request& request = command.request;
  const std::array<std::optional<double>*, 6> targets = {&request.distance, &request.bearing,
                                                         &request.track,    &request.speed,
                                                         &request.keep,     &request.ship_speed};
  for (std::size_t i = 0; i < number_options_.size(); ++i) {
    if (number_options_[i]->count() == 0) continue;
    const Result<double> number = situation::parse_number(kNumberFields[i], numbers_[i]);
    if (!number.ok()) return number.error();
    *targets[i] = number.value();
  }
  if (ship_option_->count() > 0) request.ship = ship_;
  if (storm_option_->count() > 0) request.storm = storm_;
  if (at_option_->count() > 0) request.at = at_;
  if (fix_option_->count() > 0) request.storm_fixes = fixes_;
  if (north_option_->count() > 0) request.hemisphere = analysis::Hemisphere::kNorth;
  if (south_option_->count() > 0) request.hemisphere = analysis::Hemisphere::kSouth;
  command.format = format_ == "json" ? Format::kJson : Format::kText;
  if (auto failed = read_outputs(command)) return std::move(*failed);
  if (auto failed = read_exports(command)) return std::move(*failed);
  if (advisory_option_->count() > 0) {
    command.advisory = advisories_.front();
    command.more_advisories.assign(advisories_.begin() + 1, advisories_.end());
    command.storm_id = storm_id_;
  } else {
    for (const CLI::Option* option :
         {margin_option_, storm_id_option_, no_forecast_option_, course_option_, route_option_,
          horizon_option_, error_option_, to_option_, sea_room_option_, avoid_option_}) {
      if (option->count() > 0) return usage(option->get_name() + " needs --advisory");
    }
  }
  if (margin_option_->count() > 0) {
    const Result<double> number = situation::parse_number(Field::kMargin, margin_);
    if (!number.ok()) return number.error();
    command.margin = number.value();
    command.forecast.margin_nm = number.value();
    command.forecast.margin_given = true;
  }
  if (auto failed = read_forecast(command)) return std::move(*failed);
  command.forecast.enabled = !no_forecast_;
  return command;
}

std::optional<Error> AdviseOptions::read_outputs(AdviseRequest& command) const {
  const bool svg = svg_option_->count() > 0;
  const bool chart = chart_option_->count() > 0;
  if (svg && svg_.empty()) return usage("--svg: needs a file");
  if (chart && chart_.empty()) return usage("--chart: needs a file");
  if (chart && (advisory_option_->count() == 0 || no_forecast_)) {
    return usage(advisory_option_->count() == 0 ? "--chart needs --advisory"
                                                : "--chart draws the forecast: drop --no-forecast");
  }
  if (night_ && !svg && !chart) {
    return usage("--night: draws the picture of --svg FILE or the chart of --chart FILE");
  }
  command.svg = svg_;
  command.chart = chart_;
  command.night = night_;
  if (land_option_->count() > 0 && no_land_option_->count() > 0) {
    return usage("--land and --no-land exclude each other");
  }
  if (land_option_->count() > 0 && land_.empty()) return usage("--land: needs a file");
  command.land_file = land_;
  command.no_land = no_land_;
  return std::nullopt;
}

std::optional<Error> AdviseOptions::read_exports(AdviseRequest& command) const {
  // The route files hold the escape plan, made along the forecast from the ship's position;
  // GeoJSON the forecast's areas (and the plan when there is one).
  for (const auto& [option, file, plan] :
       {std::tuple{gpx_option_, &gpx_, true}, std::tuple{rtz_option_, &rtz_, true},
        std::tuple{geojson_option_, &geojson_, false}}) {
    if (option->count() == 0) continue;
    const std::string& name = option->get_name();
    if (file->empty()) return usage(name + ": needs a file");
    if (advisory_option_->count() == 0) return usage(name + " needs --advisory");
    if (no_forecast_) return usage(name + " is made along the forecast: drop --no-forecast");
    if (plan && ship_option_->count() == 0) return usage(name + " needs --ship");
  }
  command.gpx = gpx_;
  command.rtz = rtz_;
  command.geojson = geojson_;
  return std::nullopt;
}

std::optional<Error> AdviseOptions::read_forecast(AdviseRequest& command) const {
  answer::ForecastOptions& options = command.forecast;
  if (route_option_->count() > 0) {
    if (course_option_->count() > 0) return usage("--route and --course exclude each other");
    if (route_.empty()) return usage("--route: needs a file");
    if (ship_option_->count() == 0) return usage("--route needs --ship");
    command.route = route_;
  }
  if (to_option_->count() > 0 && ship_option_->count() == 0) return usage("--to needs --ship");
  auto given = [](const CLI::Option* option, const std::string& text) {
    return option->count() > 0 ? &text : nullptr;
  };
  if (auto failed =
          read_plan_choices({given(course_option_, course_), given(to_option_, to_),
                             given(sea_room_option_, sea_room_), given(avoid_option_, avoid_)},
                            options)) {
    return failed;
  }
  if (horizon_option_->count() > 0) {
    const auto value = option_number(horizon_);
    if (!value || *value < answer::kMinHorizonH || *value > answer::kMaxHorizonH) {
      return unusable_option("--horizon: expected hours from 12 to 120");
    }
    options.horizon_h = *value;
  }
  if (error_option_->count() > 0) {
    const auto choice = answer::parse_error_choice(error_model_);
    if (!choice) {
      return unusable_option(
          "--error: expected cone, cone:SCALE (SCALE above 0, at most 10), 1-2-3 or none");
    }
    options.error = *choice;
  }
  return std::nullopt;
}

}  // namespace hurricane::cli

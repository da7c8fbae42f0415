// The options of `advise`, and the typed request they make.
#pragma once

#include <CLI/CLI.hpp>
#include <array>
#include <optional>
#include <string>
#include <vector>

#include "answer/forecast_options.h"
#include "cli/command_error.h"
#include "situation/situation.h"

namespace hurricane::cli {

enum class Format { kText, kJson };

// `advise`: the situation's inputs (the storm from an advisory file instead, when given), what
// the escapes are held against, advice [F]'s choices and how to write the answer.
struct AdviseRequest {
  situation::Request request;
  Format format = Format::kText;
  std::optional<std::string> advisory;       // --advisory FILE (the first)
  std::vector<std::string> more_advisories;  // further --advisory files: judged in [F] only
  answer::ForecastOptions forecast;          // advice [F] with --advisory
  std::string route;     // --route FILE: [F]'s voyage course toward its next waypoint; empty none
  std::string storm_id;  // --storm-id
  std::optional<double> margin;  // --margin, nm
  std::string land_file;         // --land FILE, empty for the installed shoreline
  bool no_land = false;          // --no-land: escapes not held against land
  std::string svg;               // the picture's file, empty for none
  std::string chart;             // with --advisory: the forecast chart's file, empty for none
  bool night = false;            // the picture and the chart in red on black
  std::string gpx, rtz;          // the escape plan as a route file, empty for none
  std::string geojson;           // the forecast's areas and the plan as GeoJSON, empty for none
};

// The `advise` subcommand: declares its options on construction; request() reads what was
// given once the command line is parsed. Numbers are read here (an unreadable one is an
// unusable value, status 1); positions and times are left to the situation.
class AdviseOptions {
 public:
  explicit AdviseOptions(CLI::App& app);
  AdviseOptions(const AdviseOptions&) = delete;
  AdviseOptions& operator=(const AdviseOptions&) = delete;

  bool parsed() const { return command_->parsed(); }
  Result<AdviseRequest> request() const;

 private:
  // The options of advice [F] into `command`, once --advisory is known to be given.
  std::optional<Error> read_forecast(AdviseRequest& command) const;
  // --svg, --chart, --night, --land and --no-land into `command`.
  std::optional<Error> read_outputs(AdviseRequest& command) const;
  // --gpx, --rtz and --geojson into `command`.
  std::optional<Error> read_exports(AdviseRequest& command) const;

  CLI::App* command_;
  std::array<std::string, 6> numbers_;  // the six values' texts
  std::array<CLI::Option*, 6> number_options_{};
  std::string ship_, storm_, at_, format_ = "text", margin_, storm_id_, svg_, chart_, land_;
  std::string course_, route_, horizon_, error_model_, to_, sea_room_, avoid_;
  std::string gpx_, rtz_, geojson_;
  std::vector<std::string> advisories_, fixes_;
  bool north_ = false, south_ = false, night_ = false, no_land_ = false, no_forecast_ = false;
  CLI::Option *ship_option_, *storm_option_, *fix_option_, *at_option_, *north_option_,
      *south_option_, *advisory_option_, *margin_option_, *storm_id_option_, *svg_option_,
      *chart_option_, *land_option_, *no_land_option_, *no_forecast_option_, *course_option_,
      *route_option_, *horizon_option_, *error_option_, *to_option_, *sea_room_option_,
      *avoid_option_, *gpx_option_, *rtz_option_, *geojson_option_;
};

}  // namespace hurricane::cli

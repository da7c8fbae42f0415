#include "advisory_chart/advisory_chart.h"

#include <cstdlib>

#include "advisory/utc_time.h"
#include "chart/chart.h"
#include "forecast/advice.h"
#include "forecast/from_advisory.h"

namespace hurricane::advisory_chart {
namespace {

// The classic advice's first escape course, when it recommends one.
std::optional<int> classic_course(const analysis::Advice& advice) {
  if (advice.escapes.empty()) return std::nullopt;
  return advice.escapes.front().course;
}

std::string storm_name(const advisory::Storm& storm) {
  if (storm.name.empty()) return {};
  return storm.kind.empty() ? storm.name : storm.kind + ' ' + storm.name;
}

}  // namespace

std::variant<std::string, std::string> advisory_chart(const ChartRequest& request) {
  const advisory::Storm& storm = request.advised.advised.storm;
  const std::optional<forecast::StormTrack> track = forecast::track_from_advisory(storm);
  if (!track)
    return std::variant<std::string, std::string>(std::in_place_index<1>,
                                                  "the advisory holds no forecast track");
  const auto& derived = request.advised.situation.derived;
  if (!derived || !derived->ship) {
    return std::variant<std::string, std::string>(std::in_place_index<1>,
                                                  "the ship's position is not known");
  }
  forecast::SweepRequest sweep;
  sweep.at = derived->storm_time.value_or(track->points.front().time);
  sweep.ship = {derived->ship->lat, derived->ship->lon};
  sweep.speed_kn = request.advised.situation.answers.vship0;
  sweep.error.kind = forecast::ErrorModel::Kind::kCone;
  sweep.error.table = forecast::cone_table(track->basin, track->season);
  sweep.error.margin_nm = request.margin_nm.value_or(0.0);
  const std::vector<forecast::StormTrack> storms = {*track};
  const forecast::ForecastAdvice advice = forecast::advise_forecast(storms, sweep, std::nullopt);

  chart::ChartInput input{.advice = advice,
                          .storms = storms,
                          .ship = sweep.ship,
                          .past_fixes = {},
                          .classic_course_deg = classic_course(request.classic),
                          .storm_name = storm_name(storm),
                          .shoreline = request.shoreline};
  if (storm.previous) {
    input.past_fixes.push_back(
        {0,
         forecast::Time{std::chrono::seconds{advisory::epoch_seconds(storm.previous->time)}},
         {storm.previous->centre.lat_deg, storm.previous->centre.lon_deg}});
  }
  return std::variant<std::string, std::string>(
      std::in_place_index<0>, chart::forecast_chart(input, {.night = request.night}));
}

const land::Shoreline* default_shoreline() {
  static const std::optional<land::Shoreline> shoreline = []() -> std::optional<land::Shoreline> {
    const char* named = std::getenv("HURRICANE_SHORELINE");
    auto read = land::read_shoreline(
        named != nullptr && *named != '\0' ? named : HURRICANE_SHORELINE_DEFAULT);
    if (auto* found = std::get_if<land::Shoreline>(&read)) return std::move(*found);
    return std::nullopt;
  }();
  return shoreline ? &*shoreline : nullptr;
}

}  // namespace hurricane::advisory_chart

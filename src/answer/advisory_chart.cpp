#include "answer/advisory_chart.h"

#include <utility>

#include "advisory/utc_time.h"
#include "chart/chart.h"

namespace hurricane::answer {
namespace {

using Drawn = std::variant<std::string, std::string>;

std::string storm_name(const advisory::Storm& storm) {
  if (storm.name.empty()) return {};
  return storm.kind.empty() ? storm.name : storm.kind + ' ' + storm.name;
}

// The previous fix of each judged storm that has one.
std::vector<chart::PastFix> past_fixes(const std::vector<forecast::StormTrack>& tracks,
                                       const std::vector<advisory::Storm>& storms) {
  std::vector<chart::PastFix> fixes;
  for (std::size_t i = 0; i < tracks.size(); ++i) {
    for (const advisory::Storm& storm : storms) {
      if (storm.id != tracks[i].storm_id || !storm.previous) continue;
      fixes.push_back({i, storm.previous->time, storm.previous->centre});
      break;
    }
  }
  return fixes;
}

}  // namespace

Drawn advisory_chart(const ChartRequest& request) {
  const auto& derived = request.situation.derived;
  if (!request.forecast.advice) return Drawn(std::in_place_index<1>, request.forecast.no_forecast);
  if (!derived || !derived->ship) {
    return Drawn(std::in_place_index<1>, "the ship's position is needed");
  }
  const chart::ChartInput input{
      .advice = *request.forecast.advice,
      .storms = request.forecast.tracks,
      .ship = {derived->ship->lat, derived->ship->lon},
      .past_fixes = past_fixes(request.forecast.tracks, request.storms),
      .classic_course_deg = request.forecast.advice->classic_course,
      .storm_name = request.storms.empty() ? std::string() : storm_name(request.storms.front()),
      .shoreline = request.shoreline};
  return Drawn(std::in_place_index<0>, chart::forecast_chart(input, {.night = request.night}));
}

}  // namespace hurricane::answer

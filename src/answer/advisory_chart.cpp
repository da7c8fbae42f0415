#include "answer/advisory_chart.h"

#include <utility>

#include "advisory/utc_time.h"
#include "chart/chart.h"

namespace hurricane::answer {
namespace {

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

Error no_chart(std::string problem) {
  return {ErrorKind::kUnusable, Field::kAdvisory, {}, std::move(problem)};
}

}  // namespace

Result<std::string> advisory_chart(const Answer& answer, const land::Land* land, bool night) {
  if (!answer.forecast) return no_chart("advice [F] was left out");
  const ForecastOutcome& forecast = *answer.forecast;
  const auto& derived = answer.situation.derived;
  if (!forecast.advice) return no_chart(forecast.no_forecast);
  if (!derived || !derived->ship) return no_chart("the ship's position is needed");
  const std::vector<advisory::Storm>& storms = answer.forecast_storms;
  const chart::ChartInput input{
      .advice = *forecast.advice,
      .storms = forecast.tracks,
      .ship = {derived->ship->lat, derived->ship->lon},
      .past_fixes = past_fixes(forecast.tracks, storms),
      .classic_course_deg = forecast.advice->classic_course,
      .storm_name = storms.empty() ? std::string() : storm_name(storms.front()),
      .shoreline = land ? &land->shoreline() : nullptr,
      .plan = answer.plan ? &*answer.plan : nullptr};
  return chart::forecast_chart(input, {.night = night});
}

}  // namespace hurricane::answer

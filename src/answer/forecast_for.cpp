#include "answer/forecast_for.h"

#include <array>
#include <utility>

#include "forecast/from_advisory.h"
#include "land/sweep.h"

namespace hurricane::answer {

forecast::LandHours land_hours(const land::Land& shoreline, const forecast::SweepRequest& request) {
  std::array<double, forecast::kSpeedFractions.size()> speeds{};
  for (std::size_t v = 0; v < speeds.size(); ++v) {
    speeds[v] = request.speed_kn * forecast::kSpeedFractions[v];
  }
  const land::LandSweep sweep =
      land::sweep_land(shoreline, request.ship.lat, request.ship.lon, speeds, request.horizon_h);
  forecast::LandHours hours;
  for (std::size_t v = 0; v < speeds.size(); ++v) {
    for (std::size_t c = 0; c < forecast::kCourses; ++c) {
      hours[v][c] = sweep.hour(static_cast<int>(c), v);
    }
  }
  return hours;
}

ForecastOutcome forecast_for(const std::vector<advisory::Storm>& storms,
                             const situation::Situation& situation, const ForecastOptions& options,
                             const land::Land* shoreline) {
  std::vector<forecast::StormTrack> tracks;
  for (const advisory::Storm& storm : storms) {
    if (auto track = forecast::track_from_advisory(storm)) tracks.push_back(std::move(*track));
  }
  if (tracks.empty()) {
    return {std::nullopt, "the input holds no forecast points (a best track has none)", {}};
  }
  if (!situation.derived || !situation.derived->ship || !situation.derived->storm_time) {
    return {std::nullopt, "the ship's position is needed", {}};
  }
  forecast::SweepRequest request;
  request.at = *situation.derived->storm_time;
  request.ship = {situation.derived->ship->lat, situation.derived->ship->lon};
  request.speed_kn = situation.answers.vship0;
  request.horizon_h = options.horizon_h;
  request.error.kind = options.error.kind;
  request.error.scale = options.error.scale;
  request.error.table = forecast::cone_table(tracks.front().basin, tracks.front().season);
  for (const forecast::StormTrack& track : tracks) {
    request.storm_tables.push_back(forecast::cone_table(track.basin, track.season));
  }
  request.error.margin_nm = options.margin_nm;
  ForecastOutcome outcome;
  if (shoreline) {
    const forecast::LandHours land = land_hours(*shoreline, request);
    outcome.advice = forecast::advise_forecast(tracks, request, options.voyage_course_deg, &land);
  } else {
    outcome.advice = forecast::advise_forecast(tracks, request, options.voyage_course_deg);
  }
  outcome.advice->voyage_toward = options.voyage_toward;
  outcome.tracks = std::move(tracks);
  return outcome;
}

}  // namespace hurricane::answer

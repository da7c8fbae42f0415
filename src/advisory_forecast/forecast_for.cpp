#include "advisory_forecast/forecast_for.h"

#include "forecast/from_advisory.h"

namespace hurricane::advisory_forecast {

ForecastOutcome forecast_for(const std::vector<advisory::Storm>& storms,
                             const situation::Situation& situation,
                             const ForecastOptions& options) {
  std::vector<forecast::StormTrack> tracks;
  for (const advisory::Storm& storm : storms) {
    if (auto track = forecast::track_from_advisory(storm)) tracks.push_back(std::move(*track));
  }
  if (tracks.empty()) {
    return {std::nullopt, "the input holds no forecast points (a best track has none)"};
  }
  if (!situation.derived || !situation.derived->ship || !situation.derived->storm_time) {
    return {std::nullopt, "the ship's position is needed"};
  }
  forecast::SweepRequest request;
  request.at = *situation.derived->storm_time;
  request.ship = {situation.derived->ship->lat, situation.derived->ship->lon};
  request.speed_kn = situation.answers.vship0;
  request.horizon_h = options.horizon_h;
  request.error.kind = options.error.kind;
  request.error.scale = options.error.scale;
  request.error.table = forecast::cone_table(tracks.front().basin, tracks.front().season);
  request.error.margin_nm = options.margin_nm;
  return {forecast::advise_forecast(tracks, request, options.voyage_course_deg), {}};
}

}  // namespace hurricane::advisory_forecast

#include "answer/board_forecast.h"

#include <cmath>

#include "forecast/centre_in_time.h"
#include "forecast/earth.h"
#include "forecast/from_advisory.h"
#include "forecast/radii_in_time.h"
#include "navigation/geodesic.h"

namespace hurricane::answer {
analysis::Offset board_offset(const navigation::LatLon& ship, const navigation::LatLon& at) {
  const navigation::Leg leg = navigation::inverse(ship, at);
  const double rad = leg.azimuth_from * kRadiansPerDegree;
  return {leg.distance_nm * std::cos(rad), leg.distance_nm * std::sin(rad)};
}

std::optional<analysis::ForecastTrack> board_forecast(const advisory::Storm& storm,
                                                      const situation::Situation& situation) {
  if (!situation.derived || !situation.derived->ship || !situation.derived->storm_time) {
    return std::nullopt;
  }
  const std::optional<forecast::StormTrack> track = forecast::track_from_advisory(storm);
  if (!track) return std::nullopt;
  const situation::LatLon& ship = *situation.derived->ship;
  const forecast::Time now = *situation.derived->storm_time;
  // A time the track cannot place (before its hindcast start or after its end) shows nothing.
  if (now < forecast::track_start(*track) || now > forecast::track_end(*track)) return std::nullopt;
  const double reach_h = forecast::hours_between(now, forecast::track_end(*track));
  const forecast::CentreInTime centre(*track);
  const forecast::RadiiInTime radii(*track);

  analysis::ForecastTrack board;
  const auto add_position = [&](double hours) {
    const forecast::Time time = forecast::add_hours(now, hours);
    const navigation::LatLon at = centre.at(time);
    analysis::ForecastPosition p;
    p.hours = hours;
    p.time = navigation::format_utc_time(time);
    p.lat = at.lat;
    p.lon = at.lon;
    p.centre = board_offset(ship, at);
    for (std::size_t k = 0; k < p.radii_nm.size(); ++k) {
      p.radii_nm[k] = radii.at(time, static_cast<forecast::Threshold>(k));
    }
    board.positions.push_back(p);
  };
  add_position(0.0);
  for (const double hours : kBoardHoursAhead) {
    if (hours <= reach_h) add_position(hours);
  }
  const double last_h = board.positions.back().hours;
  for (double h = 0.0; h < last_h; h += 1.0) {
    board.path.push_back(board_offset(ship, centre.at(forecast::add_hours(now, h))));
  }
  board.path.push_back(board.positions.back().centre);
  return board;
}

}  // namespace hurricane::answer

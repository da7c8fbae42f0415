#include "forecast/from_advisory.h"

#include <GeographicLib/Geodesic.hpp>

#include "advisory/utc_time.h"

namespace hurricane::forecast {
namespace {

std::array<std::optional<QuadrantNm>, 3> radii_of(const advisory::WindRadii& radii) {
  std::array<std::optional<QuadrantNm>, 3> out;
  const std::array<const std::optional<advisory::QuadrantRadii>*, 3> given = {
      &radii.kt34, &radii.kt50, &radii.kt64};
  for (std::size_t k = 0; k < 3; ++k) {
    if (!*given[k]) continue;
    QuadrantNm nm{};
    for (std::size_t q = 0; q < 4; ++q) nm[q] = (**given[k]).nm[q];
    out[k] = nm;
  }
  return out;
}

bool ends_track(const std::string& stage) {
  return stage.find("DISSIPATED") != std::string::npos ||
         stage.find("ABSORBED") != std::string::npos;
}

// The present motion; from the previous fix when the source states none.
void set_motion(const advisory::Storm& storm, StormTrack& track) {
  using Kind = advisory::Motion::Kind;
  if (storm.motion.kind == Kind::kMoving) {
    track.motion = storm.motion.velocity;
    return;
  }
  if (storm.motion.kind == Kind::kStationary || !storm.previous) return;
  const double hours = hours_between(storm.previous->time, storm.fix.time);
  if (hours <= 0.0) return;
  double distance_m = 0.0;
  double azimuth_from = 0.0;
  double azimuth_to = 0.0;
  GeographicLib::Geodesic::WGS84().Inverse(storm.previous->centre.lat, storm.previous->centre.lon,
                                           storm.fix.centre.lat, storm.fix.centre.lon, distance_m,
                                           azimuth_from, azimuth_to);
  track.motion.track = azimuth_to < 0.0 ? azimuth_to + 360.0 : azimuth_to;
  track.motion.speed = distance_m / 1852.0 / hours;
}

}  // namespace

std::optional<StormTrack> track_from_advisory(const advisory::Storm& storm) {
  StormTrack track;
  track.storm_id = storm.id;
  if (storm.number) track.advisory = std::to_string(*storm.number);
  track.basin = storm.id.substr(0, 2);
  track.season = navigation::civil_fields(storm.fix.time).year;
  track.accuracy_nm = storm.accuracy_nm.value_or(0);
  set_motion(storm, track);

  TrackPoint analysis;
  analysis.time = storm.fix.time;
  analysis.centre = storm.fix.centre;
  analysis.max_wind_kt = storm.max_wind_kt;
  analysis.radii = radii_of(storm.radii);
  analysis.stage = storm.kind;
  track.points.push_back(analysis);

  for (const advisory::ForecastPoint& given : storm.forecast) {
    const Time time = given.time;
    const bool last = ends_track(given.stage);
    if (last) track.dissipated_at = time;
    if (given.centre && time > track.points.back().time) {
      TrackPoint point;
      point.time = time;
      point.centre = *given.centre;
      point.max_wind_kt = given.max_wind_kt;
      point.radii = radii_of(given.radii);
      point.stage = given.stage;
      track.points.push_back(point);
    }
    if (last) break;
  }
  if (track.points.size() < 2) return std::nullopt;
  return track;
}

}  // namespace hurricane::forecast

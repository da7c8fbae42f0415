#include "forecast/from_advisory.h"

#include <chrono>
#include <cmath>

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
  } else if (storm.motion.kind == Kind::kNotGiven && storm.previous) {
    track.motion =
        navigation::motion_between(*storm.previous, storm.fix).value_or(navigation::Motion{});
  }
}

// Hours since the synoptic hour at or before `time`: the forecast hours of an advisory issued
// between synoptic hours (NHC's at 03, 09, 15 and 21 UTC) count from the one before.
double synoptic_lag_h(Time time) {
  const auto since_day = time - std::chrono::floor<std::chrono::days>(time);
  const double hours = std::chrono::duration<double, std::ratio<3600>>(since_day).count();
  return std::fmod(hours, 6.0);
}

}  // namespace

std::optional<StormTrack> track_from_advisory(const advisory::Storm& storm) {
  StormTrack track;
  track.storm_id = storm.id;
  if (storm.number) track.advisory = std::to_string(*storm.number);
  track.basin = storm.id.substr(0, 2);
  track.season = navigation::civil_fields(storm.fix.time).year;
  track.accuracy_nm = storm.accuracy_nm.value_or(0);
  track.synoptic_lag_h = synoptic_lag_h(storm.fix.time);
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

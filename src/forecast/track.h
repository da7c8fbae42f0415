// A storm's official forecast as the escape sweep reads it: the analysis and every forecast point,
// in small types of this area (UTC times as sys_seconds, positions in degrees, radii in nm).
#pragma once

#include <array>
#include <chrono>
#include <optional>
#include <string>
#include <vector>

namespace hurricane::forecast {

using Time = std::chrono::sys_seconds;

// Latitude in degrees [-90, 90], north positive; longitude in degrees, east positive (any value,
// 179.3E is 179.3, 179.8W is -179.8).
struct LatLon {
  double lat_deg = 0.0;
  double lon_deg = 0.0;
};

// Wind thresholds in the order advisories list radii for them.
enum class Threshold { k34, k50, k64 };
inline constexpr std::array<int, 3> kThresholdKt = {34, 50, 64};

// Radii in nm per compass quadrant, indexed NE, SE, SW, NW (never mirrored in the south).
using QuadrantNm = std::array<double, 4>;

// One point of the track. Radii per threshold are absent where the advisory lists none.
struct TrackPoint {
  Time time{};
  LatLon centre;
  std::optional<int> max_wind_kt;
  std::array<std::optional<QuadrantNm>, 3> radii;
  std::string stage;  // e.g. "POST-TROP/EXTRATROP", "INLAND"; empty when none is stated
};

// The track of one storm: points[0] is the analysis, the rest forecast and outlook points in
// time order. The track ends at its last point.
struct StormTrack {
  std::string storm_id;               // e.g. "AL132023"
  std::string advisory;               // the advisory's number as text, or empty
  std::string basin;                  // "AL", "EP", "CP", ... from the id
  int season = 0;                     // year of the analysis
  double accuracy_nm = 0.0;           // position accuracy of the analysis, nm, >= 0
  double motion_deg = 0.0;            // present motion toward, degrees true [0, 360)
  double motion_kn = 0.0;             // present speed, knots, >= 0
  std::vector<TrackPoint> points;     // at least the analysis
  std::optional<Time> dissipated_at;  // when a DISSIPATED/ABSORBED point ends it
};

// Hours from `from` to `to`, negative when `to` is earlier.
double hours_between(Time from, Time to);

// `from` plus `hours` (any sign), to the second.
Time add_hours(Time from, double hours);

// How far back the centre is moved along its present motion before the analysis, hours.
inline constexpr double kHindcastHours = 6.0;

// Earliest time the track places a centre: the analysis less kHindcastHours.
Time track_start(const StormTrack& track);

// Latest time the track places a centre: its last point's time.
Time track_end(const StormTrack& track);

}  // namespace hurricane::forecast

namespace hurricane::forecast {

// "2023-09-12T21:00:00Z".
std::string to_iso8601(Time time);

// "12/2100Z": day of month, hours and minutes, as advisories write times.
std::string to_day_time(Time time);

}  // namespace hurricane::forecast

// A storm's official forecast as the escape sweep reads it: the analysis and every forecast point,
// in the shared words of navigation (UTC times, positions, motion) and radii in nm.
#pragma once

#include <array>
#include <chrono>
#include <optional>
#include <string>
#include <vector>

#include "navigation/motion.h"
#include "navigation/position.h"
#include "navigation/utc_time.h"

namespace hurricane::forecast {

using Time = navigation::UtcTime;
using navigation::add_hours;
using navigation::hours_between;

// Positions as every area states them; a forecast's longitudes may run past 180 either way.
using navigation::LatLon;

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
  std::string storm_id;      // e.g. "AL132023"
  std::string advisory;      // the advisory's number as text, or empty
  std::string basin;         // "AL", "EP", "CP", ... from the id
  int season = 0;            // year of the analysis
  double accuracy_nm = 0.0;  // position accuracy of the analysis, nm, >= 0
  // Hours the analysis follows the synoptic hour (00, 06, 12 or 18 UTC) its forecast hours
  // count from: 3 for an NHC forecast/advisory at 21Z, 0 for an ATCF or JTWC analysis.
  double synoptic_lag_h = 0.0;
  navigation::Motion motion;          // present motion of the centre
  std::vector<TrackPoint> points;     // at least the analysis
  std::optional<Time> dissipated_at;  // when a DISSIPATED/ABSORBED point ends it
};

// How far back the centre is moved along its present motion before the analysis, hours.
inline constexpr double kHindcastHours = 6.0;

// Earliest time the track places a centre: the analysis less kHindcastHours.
Time track_start(const StormTrack& track);

// Latest time the track places a centre: its last point's time.
Time track_end(const StormTrack& track);

}  // namespace hurricane::forecast

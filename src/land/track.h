// A ship's rhumb-line track as a straight segment of the Mercator plane, and the point and
// distance at a fraction of it.
#pragma once

#include <optional>

#include "land/mercator.h"

namespace hurricane::land {

// Tracks are cut where they would pass this latitude (degrees, either hemisphere): rhumb lines
// spiral into the poles, and no shoreline a ship meets lies nearer them.
inline constexpr double kTrackLatitudeLimit = 89.5;

// Longest track followed, nautical miles: once around the world.
inline constexpr double kMaxTrackNm = 21600.0;

struct Track {
  MercatorPoint from, to;    // `to` unreduced: x may pass -180 or 180
  double distance_nm = 0.0;  // length, after any cut at kTrackLatitudeLimit
  double mu_from = 0.0;      // rectifying latitudes of the ends, degrees
  double mu_to = 0.0;
};

struct Landfall {
  double distance_nm = 0.0;  // along the track from its start
  double lat = 0.0;          // degrees north, -90..90
  double lon = 0.0;          // degrees east, -180..180
};

// The track from `lat` (degrees north), `lon` (degrees east, any value) on true `course`
// (degrees clockwise from north, any value) over `distance_nm` (nautical miles, >= 0). None when
// an input is not finite, the start lies beyond kTrackLatitudeLimit or the distance is not
// positive: such a track meets nothing. Longer tracks than kMaxTrackNm are cut there.
std::optional<Track> make_track(double lat, double lon, double course, double distance_nm);

// The point at fraction `t` (0..1) of `track` and its distance from the start.
Landfall point_at(const Track& track, double t);

// The whole turns k for which the track shifted by -360k degrees of longitude reaches into
// -180..180: first..last, inclusive.
struct Shifts {
  int first = 0;
  int last = 0;
};
Shifts shifts_into_range(const Track& track);

}  // namespace hurricane::land

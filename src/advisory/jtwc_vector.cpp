#include "advisory/jtwc_vector.h"

#include <cmath>
#include <cstdio>
#include <numbers>

#include "navigation/units.h"

namespace hurricane::advisory {
namespace {

// Isometric latitude (the Mercator ordinate) of `lat_deg` in degrees (-90, 90), in radians.
double isometric(double lat_deg) {
  return std::log(std::tan(std::numbers::pi / 4.0 + lat_deg * kRadiansPerDegree / 2.0));
}

// The stated values may differ from the true ones by half the rounding step.
constexpr double kTrackSlackDeg = 2.5;
constexpr double kSpeedSlackKn = 0.5;
// Computation noise allowed on top, so a value exactly half a step off is not flagged.
constexpr double kNoise = 1e-6;

}  // namespace

navigation::Motion rhumb_motion(const LatLon& from, const LatLon& to, double hours) {
  double dlon = to.lon - from.lon;
  if (dlon > 180.0) dlon -= 360.0;
  if (dlon < -180.0) dlon += 360.0;
  const double dlat = to.lat - from.lat;
  // Positions stop short of the poles so the isometric latitude stays finite.
  const double lat1 = std::fmax(-89.9, std::fmin(89.9, from.lat));
  const double lat2 = std::fmax(-89.9, std::fmin(89.9, to.lat));
  const double dpsi = isometric(lat2) - isometric(lat1);
  double track = std::atan2(dlon * kRadiansPerDegree, dpsi) / kRadiansPerDegree;
  if (track < 0.0) track += 360.0;
  if (track >= 360.0) track -= 360.0;
  // Along a rhumb line distance = dlat / cos(track); east-west, the parallel's length.
  const double q = std::fabs(dpsi) > 1e-12 ? dlat * kRadiansPerDegree / dpsi
                                           : std::cos(lat1 * kRadiansPerDegree);
  const double distance_nm = std::hypot(dlat, q * dlon) * 60.0;
  return {track, hours > 0.0 ? distance_nm / hours : 0.0};
}

std::optional<std::string> vector_disagreement(int track_deg, int speed_kn,
                                               const navigation::Motion& actual) {
  double track_off = std::fabs(track_deg - actual.track);
  if (track_off > 180.0) track_off = 360.0 - track_off;
  const bool track_bad = speed_kn > 0 && track_off > kTrackSlackDeg + kNoise;
  const bool speed_bad = std::fabs(speed_kn - actual.speed) > kSpeedSlackKn + kNoise;
  if (!track_bad && !speed_bad) return std::nullopt;
  char text[160];
  std::snprintf(text, sizeof text,
                "states %03d deg at %d kn, but the positions give %.1f deg at %.1f kn "
                "(rhumb line); the positions are used",
                track_deg, speed_kn, actual.track, actual.speed);
  return std::string(text);
}

}  // namespace hurricane::advisory

#include "navigation/geodesic.h"

#include <GeographicLib/Geodesic.hpp>
#include <cmath>

namespace hurricane::navigation {

double to_bearing(double azimuth) {
  double bearing = std::fmod(azimuth, 360.0);
  if (bearing < 0.0) bearing += 360.0;
  // -1e-17 + 360 rounds to 360 itself.
  return bearing >= 360.0 ? 0.0 : bearing;
}

Leg inverse(LatLon from, LatLon to) {
  double metres = 0.0, azimuth_from = 0.0, azimuth_to = 0.0;
  GeographicLib::Geodesic::WGS84().Inverse(from.lat, from.lon, to.lat, to.lon, metres, azimuth_from,
                                           azimuth_to);
  return {metres / kMetresPerNm, to_bearing(azimuth_from), to_bearing(azimuth_to)};
}

Destination direct(LatLon from, double azimuth, double distance_nm) {
  Destination end;
  double onward = 0.0;
  GeographicLib::Geodesic::WGS84().Direct(from.lat, from.lon, azimuth, distance_nm * kMetresPerNm,
                                          end.position.lat, end.position.lon, onward);
  end.azimuth = to_bearing(onward);
  return end;
}

}  // namespace hurricane::navigation

// A position on the earth, as every area states it.
#pragma once

namespace hurricane::navigation {

// Geographic position on the WGS84 ellipsoid, degrees: latitude in [-90, 90], north positive;
// longitude in [-180, 180], east positive.
struct LatLon {
  double lat = 0.0;
  double lon = 0.0;

  friend bool operator==(const LatLon&, const LatLon&) = default;
};

}  // namespace hurricane::navigation

// Where a ship on a constant true course (a rhumb line) is after a distance: exactly through
// GeographicLib, and fast in earth-centred coordinates through a table of the meridian.
#pragma once

#include <GeographicLib/Rhumb.hpp>

#include "forecast/track.h"

namespace hurricane::forecast {

// Earth-centred, earth-fixed coordinates on the WGS84 ellipsoid's surface, nm.
struct Ecef {
  double x = 0.0;
  double y = 0.0;
  double z = 0.0;
};

// The surface point at `at` (degrees).
Ecef to_ecef(LatLon at);

// The exact position after `distance_nm` (>= 0) from `start` on course `course_deg` (degrees
// true, [0, 360)); a rhumb line that would pass a pole ends at it.
LatLon rhumb_position(LatLon start, double course_deg, double distance_nm);

// The exact rhumb line from one start on one course, for many distances: rhumb_position
// without setting the line up again each time.
class ExactRhumb {
 public:
  // `course_deg` degrees true, [0, 360).
  ExactRhumb(LatLon start, double course_deg);

  // The same as rhumb_position(start, course_deg, distance_nm), distance_nm >= 0.
  LatLon at(double distance_nm) const;

 private:
  GeographicLib::RhumbLine line_;
  LatLon start_;
  double course_deg_ = 0.0;
};

// What every rhumb line from one start shares: worked out once for all its courses.
struct RhumbStart {
  explicit RhumbStart(LatLon start);

  LatLon start;
  double mu_deg = 0.0;       // rectifying latitude, degrees
  double psi = 0.0;          // isometric latitude, radians
  double parallel_nm = 0.0;  // radius of the parallel, nm
};

// A rhumb line from one start on one course, for many distances.
class FastRhumb {
 public:
  // `course_deg` degrees true, [0, 360).
  FastRhumb(LatLon start, double course_deg);
  FastRhumb(const RhumbStart& start, double course_deg);

  // The point `distance_nm` (>= 0) along it, within a few metres of rhumb_position.
  Ecef at(double distance_nm) const;

 private:
  double mu_deg_ = 0.0;            // rectifying latitude of the start, degrees
  double psi_ = 0.0;               // isometric latitude of the start, radians
  double lon_rad_ = 0.0;           // longitude of the start, radians
  double north_deg_per_nm_ = 0.0;  // change of rectifying latitude per nm run
  double tan_course_ = 0.0;
  double east_rad_per_nm_ = 0.0;  // on an east-west course: longitude per nm run
  bool east_west_ = false;
};

}  // namespace hurricane::forecast

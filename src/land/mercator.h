// The Mercator plane of the WGS84 ellipsoid, where every rhumb line is a straight line: x is the
// longitude and y the isometric latitude, both in degrees.
#pragma once

#include "navigation/units.h"

namespace hurricane::land {

struct MercatorPoint {
  double x = 0.0;  // longitude, degrees east (not reduced: a track may run past 180)
  double y = 0.0;  // isometric latitude, degrees north
};

// Isometric latitude in degrees of the geodetic latitude `lat` (degrees north, -90..90; the
// poles give infinities).
double isometric_latitude(double lat);

// Geodetic latitude in degrees north (-90..90) of the isometric latitude `psi` (degrees north).
double geodetic_latitude(double psi);

// Rectifying latitude in degrees (-90..90), proportional to the meridian distance from the
// equator, of the geodetic latitude `lat` (degrees north, -90..90).
double rectifying_latitude(double lat);

// Length in nautical miles of a quarter meridian, equator to pole.
double quarter_meridian_nm();

}  // namespace hurricane::land

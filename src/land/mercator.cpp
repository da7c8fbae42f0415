#include "land/mercator.h"

#include <GeographicLib/Constants.hpp>
#include <GeographicLib/Ellipsoid.hpp>

namespace hurricane::land {
namespace {

const GeographicLib::Ellipsoid& wgs84() {
  return GeographicLib::Ellipsoid::WGS84();
}

}  // namespace

double isometric_latitude(double lat) {
  return wgs84().IsometricLatitude(lat);
}

double geodetic_latitude(double psi) {
  return wgs84().InverseIsometricLatitude(psi);
}

double rectifying_latitude(double lat) {
  return wgs84().RectifyingLatitude(lat);
}

double quarter_meridian_nm() {
  return wgs84().QuarterMeridian() / kMetresPerNm;
}

}  // namespace hurricane::land

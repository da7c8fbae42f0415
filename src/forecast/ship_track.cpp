#include "forecast/ship_track.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

#include <GeographicLib/Ellipsoid.hpp>
#include <GeographicLib/Rhumb.hpp>

#include "forecast/earth.h"

namespace hurricane::forecast {
namespace {

// Per rectifying latitude, at kStepDeg spacing from -90: the parallel's radius N cos(lat), the
// axial coordinate N (1 - e2) sin(lat), both nm, and the isometric latitude (radians). Linear
// interpolation between entries 0.6 nm apart errs by far less than a metre.
constexpr double kStepDeg = 0.01;
constexpr std::size_t kEntries = 18001;
// The isometric latitude is infinite at the poles: held at this rectifying latitude.
constexpr double kPolarLimitDeg = 89.9;

struct MeridianEntry {
  double parallel_nm;
  double axial_nm;
  double psi;
};

const std::vector<MeridianEntry>& meridian_table() {
  static const std::vector<MeridianEntry> table = [] {
    const GeographicLib::Ellipsoid& earth = GeographicLib::Ellipsoid::WGS84();
    std::vector<MeridianEntry> entries(kEntries);
    for (std::size_t i = 0; i < kEntries; ++i) {
      const double mu = -90.0 + kStepDeg * static_cast<double>(i);
      const double lat = earth.InverseRectifyingLatitude(mu) * kRadiansPerDegree;
      const double n =
          kEquatorialRadiusNm / std::sqrt(1.0 - kEccentricity2 * std::sin(lat) * std::sin(lat));
      const double held = std::clamp(mu, -kPolarLimitDeg, kPolarLimitDeg);
      const double psi =
          earth.IsometricLatitude(earth.InverseRectifyingLatitude(held)) * kRadiansPerDegree;
      entries[i] = {n * std::cos(lat), n * (1.0 - kEccentricity2) * std::sin(lat), psi};
    }
    return entries;
  }();
  return table;
}

MeridianEntry entry_at(double mu_deg) {
  const auto& table = meridian_table();
  const double index = (std::clamp(mu_deg, -90.0, 90.0) + 90.0) / kStepDeg;
  const auto below = std::min(static_cast<std::size_t>(index), kEntries - 2);
  const double w = index - static_cast<double>(below);
  const MeridianEntry& a = table[below];
  const MeridianEntry& b = table[below + 1];
  return {a.parallel_nm + w * (b.parallel_nm - a.parallel_nm),
          a.axial_nm + w * (b.axial_nm - a.axial_nm), a.psi + w * (b.psi - a.psi)};
}

}  // namespace

Ecef to_ecef(LatLon at) {
  const double lat = at.lat * kRadiansPerDegree;
  const double lon = at.lon * kRadiansPerDegree;
  const double n =
      kEquatorialRadiusNm / std::sqrt(1.0 - kEccentricity2 * std::sin(lat) * std::sin(lat));
  return {n * std::cos(lat) * std::cos(lon), n * std::cos(lat) * std::sin(lon),
          n * (1.0 - kEccentricity2) * std::sin(lat)};
}

LatLon rhumb_position(LatLon start, double course_deg, double distance_nm) {
  double lat = 0.0;
  double lon = 0.0;
  GeographicLib::Rhumb::WGS84().Direct(start.lat, start.lon, course_deg, distance_nm * kMetresPerNm,
                                       lat, lon);
  // Past a pole the longitude is indeterminate.
  if (!std::isfinite(lon))
    return {std::cos(course_deg * kRadiansPerDegree) > 0.0 ? 90.0 : -90.0, start.lon};
  return {lat, lon};
}

ExactRhumb::ExactRhumb(LatLon start, double course_deg)
    : line_(GeographicLib::Rhumb::WGS84().Line(start.lat, start.lon, course_deg)),
      start_(start),
      course_deg_(course_deg) {}

LatLon ExactRhumb::at(double distance_nm) const {
  double lat = 0.0;
  double lon = 0.0;
  line_.Position(distance_nm * kMetresPerNm, lat, lon);
  if (!std::isfinite(lon))
    return {std::cos(course_deg_ * kRadiansPerDegree) > 0.0 ? 90.0 : -90.0, start_.lon};
  return {lat, lon};
}

RhumbStart::RhumbStart(LatLon at) : start(at) {
  mu_deg = GeographicLib::Ellipsoid::WGS84().RectifyingLatitude(at.lat);
  const MeridianEntry entry = entry_at(mu_deg);
  psi = entry.psi;
  parallel_nm = entry.parallel_nm;
}

FastRhumb::FastRhumb(LatLon start, double course_deg) : FastRhumb(RhumbStart(start), course_deg) {}

FastRhumb::FastRhumb(const RhumbStart& start, double course_deg) {
  const GeographicLib::Ellipsoid& earth = GeographicLib::Ellipsoid::WGS84();
  mu_deg_ = start.mu_deg;
  psi_ = start.psi;
  lon_rad_ = start.start.lon * kRadiansPerDegree;
  const double course = course_deg * kRadiansPerDegree;
  north_deg_per_nm_ = 90.0 * std::cos(course) / (earth.QuarterMeridian() / kMetresPerNm);
  // Whole-degree courses other than 90 and 270 have |cos| >= sin(1 degree).
  east_west_ = std::abs(std::cos(course)) < 1e-9;
  tan_course_ = east_west_ ? 0.0 : std::tan(course);
  east_rad_per_nm_ = std::sin(course) / std::max(start.parallel_nm, 1e-9);
}

Ecef FastRhumb::at(double distance_nm) const {
  const double mu = mu_deg_ + north_deg_per_nm_ * distance_nm;
  if (std::abs(mu) >= 90.0) {
    const MeridianEntry pole = entry_at(mu);
    return {0.0, 0.0, pole.axial_nm};
  }
  const MeridianEntry here = entry_at(mu);
  const double lon = east_west_ ? lon_rad_ + east_rad_per_nm_ * distance_nm
                                : lon_rad_ + tan_course_ * (here.psi - psi_);
  return {here.parallel_nm * std::cos(lon), here.parallel_nm * std::sin(lon), here.axial_nm};
}

}  // namespace hurricane::forecast

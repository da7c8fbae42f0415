#include "chart/projection.h"

#include <algorithm>
#include <cmath>

#include "forecast/earth.h"
#include "land/mercator.h"
#include "navigation/units.h"

namespace hurricane::chart {
namespace {

// Charts end short of the poles, where the isometric latitude grows without bound.
constexpr double kLatitudeLimit = 85.0;

double wrap_near(double lon_deg, double reference_deg) {
  return lon_deg - 360.0 * std::round((lon_deg - reference_deg) / 360.0);
}

}  // namespace

Projection::Projection(const std::vector<navigation::LatLon>& points, PlotArea area,
                       double margin_fraction, double min_span_deg)
    : area_(area) {
  const double reference = points.front().lon;
  double west = reference, east = reference;
  double south =
      land::isometric_latitude(std::clamp(points.front().lat, -kLatitudeLimit, kLatitudeLimit));
  double north = south;
  for (const navigation::LatLon& point : points) {
    const double lon = wrap_near(point.lon, reference);
    const double psi =
        land::isometric_latitude(std::clamp(point.lat, -kLatitudeLimit, kLatitudeLimit));
    west = std::min(west, lon);
    east = std::max(east, lon);
    south = std::min(south, psi);
    north = std::max(north, psi);
  }
  const double margin = std::max(margin_fraction, 0.0);
  double span_x = std::max(east - west, min_span_deg) * (1.0 + 2.0 * margin);
  double span_y = std::max(north - south, min_span_deg) * (1.0 + 2.0 * margin);
  // One scale for both axes; the looser axis widens to fill the area.
  scale_ = std::min(area.width / span_x, area.height / span_y);
  span_x = area.width / scale_;
  span_y = area.height / scale_;
  const double mid_x = 0.5 * (west + east);
  double mid_y = 0.5 * (south + north);
  const double psi_limit = land::isometric_latitude(kLatitudeLimit);
  mid_y = std::clamp(mid_y, -psi_limit + 0.5 * span_y, psi_limit - 0.5 * span_y);
  west_ = mid_x - 0.5 * span_x;
  east_ = mid_x + 0.5 * span_x;
  psi_south_ = mid_y - 0.5 * span_y;
  psi_north_ = mid_y + 0.5 * span_y;
}

double Projection::unwrap(double lon_deg) const {
  return wrap_near(lon_deg, 0.5 * (west_ + east_));
}

double Projection::x_of(double lon_deg) const {
  return area_.left + (lon_deg - west_) * scale_;
}

double Projection::y_of_isometric(double psi_deg) const {
  return area_.top + (psi_north_ - psi_deg) * scale_;
}

Pixel Projection::at(navigation::LatLon point) const {
  const double lat = std::clamp(point.lat, -89.9, 89.9);
  return {x_of(unwrap(point.lon)), y_of_isometric(land::isometric_latitude(lat))};
}

double Projection::south_deg() const {
  return land::geodetic_latitude(psi_south_);
}

double Projection::north_deg() const {
  return land::geodetic_latitude(psi_north_);
}

double Projection::centre_lat_deg() const {
  return land::geodetic_latitude(0.5 * (psi_south_ + psi_north_));
}

double Projection::pixels_per_nm(double lat_deg) const {
  // A degree of longitude at `lat` on the ellipsoid: the parallel's radius, a cos(lat) over
  // sqrt(1 - e2 sin2(lat)), times a degree in radians.
  const double lat = std::clamp(lat_deg, -kLatitudeLimit, kLatitudeLimit) * kRadiansPerDegree;
  const double sin_lat = std::sin(lat);
  const double parallel_nm = forecast::kEquatorialRadiusNm * std::cos(lat) /
                             std::sqrt(1.0 - forecast::kEccentricity2 * sin_lat * sin_lat);
  return scale_ / (parallel_nm * kRadiansPerDegree);
}

}  // namespace hurricane::chart

#include "forecast/danger_outline.h"

#include <GeographicLib/Geodesic.hpp>
#include <algorithm>

#include "forecast/earth.h"
#include "forecast/quarter_discs.h"

namespace hurricane::forecast {
namespace {

LatLon destination(LatLon centre, double azimuth_deg, double distance_nm) {
  LatLon out;
  GeographicLib::Geodesic::WGS84().Direct(centre.lat, centre.lon, azimuth_deg,
                                          distance_nm * kMetresPerNm, out.lat, out.lon);
  return out;
}

// Distance along azimuth `azimuth_deg` to where the danger edge lies: the area is star-shaped
// about the centre (quarter-discs grown by a disc), so the depth falls monotonically inward and
// bisection finds the one crossing.
double edge_distance_nm(const StormSample& sample, double azimuth_deg) {
  const double allowance = sample.allowance_nm;
  const auto outside = [&](double r) {
    return signed_distance_nm(plane_point(r, azimuth_deg), sample.radii[0]) > allowance;
  };
  double inner = 0.0;
  double outer = sample.reach_nm[0] + allowance + 1.0;
  if (outside(inner)) return 0.0;
  while (outer - inner > 0.005) {
    const double middle = 0.5 * (inner + outer);
    (outside(middle) ? outer : inner) = middle;
  }
  return inner;
}

}  // namespace

std::vector<LatLon> danger_outline(const StormSample& sample, int steps) {
  const int count = std::max(steps, 4);
  std::vector<LatLon> outline;
  outline.reserve(static_cast<std::size_t>(count));
  for (int i = 0; i < count; ++i) {
    const double azimuth = 360.0 * i / count;
    outline.push_back(destination(sample.centre, azimuth, edge_distance_nm(sample, azimuth)));
  }
  return outline;
}

std::vector<LatLon> wind_area_outline(LatLon centre, const QuadrantNm& radii, int per_quadrant) {
  const int steps = std::max(per_quadrant, 1);
  std::vector<LatLon> outline;
  outline.reserve(static_cast<std::size_t>(4 * (steps + 1)));
  for (std::size_t quadrant = 0; quadrant < 4; ++quadrant) {
    const double radius = std::max(radii[quadrant], 0.0);
    for (int i = 0; i <= steps; ++i) {
      const double azimuth = 90.0 * static_cast<double>(quadrant) + 90.0 * i / steps;
      outline.push_back(destination(centre, azimuth, radius));
    }
  }
  return outline;
}

}  // namespace hurricane::forecast

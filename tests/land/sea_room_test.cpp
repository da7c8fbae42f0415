// Sea room against a brute force on the ellipsoid: geodesic distances from points every 0.05 nm
// of the track to points along every shoreline edge within a degree or so.
#include <gtest/gtest.h>

#include <GeographicLib/Geodesic.hpp>
#include <GeographicLib/Rhumb.hpp>
#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>
#include <random>
#include <vector>

#include "land/sea_room.h"
#include "shared_land.h"

namespace hurricane::land {
namespace {

struct LatLonPoint {
  double lat, lon;
};

// Every shoreline point (vertices and points along each edge, at most ~0.05 nm apart) within
// `pad` degrees of the box around the two ends.
std::vector<LatLonPoint> shore_points_near(const Shoreline& s, LatLonPoint a, LatLonPoint b,
                                           double pad) {
  const double lat0 = std::min(a.lat, b.lat) - pad, lat1 = std::max(a.lat, b.lat) + pad;
  const double lon0 = std::min(a.lon, b.lon) - pad, lon1 = std::max(a.lon, b.lon) + pad;
  const double psi0 = isometric_latitude(lat0), psi1 = isometric_latitude(lat1);
  std::vector<LatLonPoint> points;
  for (std::size_t line = 0; line < s.line_count(); ++line) {
    for (std::uint32_t i = s.line_start[line]; i + 1 < s.line_start[line + 1]; ++i) {
      const MercatorPoint p = s.vertex(i), q = s.vertex(i + 1);
      if (std::max(p.x, q.x) < lon0 || std::min(p.x, q.x) > lon1) continue;
      if (std::max(p.y, q.y) < psi0 || std::min(p.y, q.y) > psi1) continue;
      const double span = std::hypot(q.x - p.x, q.y - p.y) * 60.0;  // nm, roughly
      const int steps = 1 + static_cast<int>(span / 0.05);
      for (int k = 0; k <= steps; ++k) {
        const double t = static_cast<double>(k) / steps;
        points.push_back({geodetic_latitude(p.y + t * (q.y - p.y)), p.x + t * (q.x - p.x)});
      }
    }
  }
  return points;
}

double brute_distance_nm(const Shoreline& s, LatLonPoint a, LatLonPoint b) {
  const auto& rhumb = GeographicLib::Rhumb::WGS84();
  const auto& geodesic = GeographicLib::Geodesic::WGS84();
  double length_m = 0, azimuth = 0;
  rhumb.Inverse(a.lat, a.lon, b.lat, b.lon, length_m, azimuth);
  const std::vector<LatLonPoint> shore = shore_points_near(s, a, b, 0.45);
  double best = std::numeric_limits<double>::infinity();
  const int steps = 1 + static_cast<int>(length_m / kMetresPerNm / 0.05);
  for (int k = 0; k <= steps; ++k) {
    double lat = 0, lon = 0;
    rhumb.Direct(a.lat, a.lon, azimuth, length_m * k / steps, lat, lon);
    const double coslat = std::cos(lat * std::numbers::pi / 180.0);
    for (const LatLonPoint& p : shore) {
      // Only points that could be nearest (within a few per cent) go to the geodesic.
      const double rough = 60.0 * std::hypot(p.lat - lat, (p.lon - lon) * coslat);
      if (rough > 1.05 * best + 0.1) continue;
      double d = 0;
      geodesic.Inverse(lat, lon, p.lat, p.lon, d);
      best = std::min(best, d / kMetresPerNm);
    }
  }
  return best;
}

// Short stretches (up to 15 nm) among the islands and capes: Florida Straits, the Bahamas,
// the Yucatan Channel, the Lesser Antilles; within 0.15 nm of the brute force (its own sampling
// accounts for about 0.05), and none exactly where the brute force finds nothing within the cap.
TEST(SeaRoom, NearestShoreAgreesWithGeodesicBruteForce) {
  const Land& land = testing::shared_land();
  std::mt19937 random(31);
  std::uniform_real_distribution<double> unit(0.0, 1.0);
  const std::array<LatLonPoint, 4> areas = {
      {{24.3, -81.0}, {25.0, -77.5}, {21.7, -85.5}, {15.5, -61.5}}};
  constexpr double kCap = 20.0;
  int near = 0, crossing = 0;
  for (int i = 0; i < 48; ++i) {
    const LatLonPoint centre = areas[static_cast<std::size_t>(i) % areas.size()];
    const LatLonPoint a{centre.lat + 1.2 * (unit(random) - 0.5),
                        centre.lon + 1.2 * (unit(random) - 0.5)};
    double lat = 0, lon = 0;
    GeographicLib::Rhumb::WGS84().Direct(a.lat, a.lon, 360.0 * unit(random),
                                         15.0 * unit(random) * kMetresPerNm, lat, lon);
    const LatLonPoint b{lat, lon};
    const double brute = brute_distance_nm(land.shoreline(), a, b);
    const auto found = shore_within(land, a.lat, a.lon, b.lat, b.lon, kCap);
    if (brute >= kCap + 0.15) {
      EXPECT_FALSE(found) << i;
      continue;
    }
    if (brute > kCap - 0.15) continue;  // at the cap either answer is right
    ASSERT_TRUE(found) << i << " brute " << brute;
    EXPECT_NEAR(found->distance_nm, brute, 0.15) << i;
    ++near;
    if (found->distance_nm == 0.0) ++crossing;
  }
  EXPECT_GE(near, 20);     // most stretches have shoreline within the cap
  EXPECT_GE(crossing, 2);  // and some cross it
}

}  // namespace
}  // namespace hurricane::land

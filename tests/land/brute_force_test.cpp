// The index against a brute force over every shoreline edge: the same answers to the last bit,
// for random tracks and points, and for tracks on the data's bin edges and cardinal courses,
// where a track runs through vertices.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <optional>
#include <random>

#include "land/crossing.h"
#include "land/land.h"
#include "land/track.h"
#include "shared_land.h"

namespace hurricane::land {
namespace {

using testing::shared_land;

std::optional<Landfall> brute_landfall(const Shoreline& s, const Track& track) {
  double best = std::numeric_limits<double>::infinity();
  const Shifts shifts = shifts_into_range(track);
  for (int k = shifts.first; k <= shifts.last; ++k) {
    const MercatorPoint from{track.from.x - 360.0 * k, track.from.y};
    const MercatorPoint to{track.to.x - 360.0 * k, track.to.y};
    for (std::size_t line = 0; line < s.line_count(); ++line) {
      for (std::uint32_t i = s.line_start[line]; i + 1 < s.line_start[line + 1]; ++i) {
        if (const auto t = first_touch(from, to, s.vertex(i), s.vertex(i + 1)); t && *t < best) {
          best = *t;
        }
      }
    }
  }
  if (!std::isfinite(best)) return std::nullopt;
  return point_at(track, best);
}

bool brute_on_land(const Shoreline& s, double lat, double lon) {
  const MercatorPoint p{std::remainder(lon, 360.0), isometric_latitude(lat)};
  bool inside = false;
  for (std::size_t line = 0; line < s.line_count(); ++line) {
    for (std::uint32_t i = s.line_start[line]; i + 1 < s.line_start[line + 1]; ++i) {
      if (crosses_north_ray(p, s.vertex(i), s.vertex(i + 1))) inside = !inside;
    }
  }
  return inside;
}

struct Start {
  double lat, lon, course, distance_nm;
};

// A third in the Gulf of Mexico and the Caribbean, a third anywhere, a third on the 5-degree
// bin edges of the data on cardinal courses.
Start random_start(std::mt19937& random, int i) {
  std::uniform_real_distribution<double> unit(0.0, 1.0);
  const double distance = 1500.0 * unit(random);
  switch (i % 3) {
    case 0:
      return {8.0 + 24.0 * unit(random), -98.0 + 40.0 * unit(random), 360.0 * unit(random),
              distance};
    case 1:
      return {-75.0 + 150.0 * unit(random), -180.0 + 360.0 * unit(random), 360.0 * unit(random),
              distance};
    default: {
      std::uniform_int_distribution<int> edge(-36, 35), lat(-14, 14), quadrant(0, 3);
      return {5.0 * lat(random), 5.0 * edge(random), 90.0 * quadrant(random), distance};
    }
  }
}

TEST(BruteForce, IndexFindsExactlyTheFirstEdgeEveryEdgeWouldGive) {
  const Land& land = shared_land();
  std::mt19937 random(20);
  int met = 0;
  for (int i = 0; i < 240; ++i) {
    const Start s = random_start(random, i);
    const auto track = make_track(s.lat, s.lon, s.course, s.distance_nm);
    ASSERT_TRUE(track);
    const auto indexed = land.first_landfall(*track);
    const auto brute = brute_landfall(land.shoreline(), *track);
    ASSERT_EQ(indexed.has_value(), brute.has_value())
        << s.lat << " " << s.lon << " " << s.course << " " << s.distance_nm;
    if (!indexed) continue;
    ++met;
    EXPECT_EQ(indexed->distance_nm, brute->distance_nm) << s.lat << " " << s.lon;
    EXPECT_EQ(indexed->lat, brute->lat);
    EXPECT_EQ(indexed->lon, brute->lon);
  }
  EXPECT_GT(met, 60);  // the sample reaches land often enough to mean something
}

TEST(BruteForce, OnLandAgreesWithCountingEveryEdge) {
  const Land& land = shared_land();
  std::mt19937 random(21);
  int on_land = 0;
  for (int i = 0; i < 200; ++i) {
    const Start s = random_start(random, i);
    const bool indexed = land.on_land(s.lat, s.lon);
    EXPECT_EQ(indexed, brute_on_land(land.shoreline(), s.lat, s.lon)) << s.lat << " " << s.lon;
    on_land += indexed;
  }
  EXPECT_GT(on_land, 20);
}

}  // namespace
}  // namespace hurricane::land

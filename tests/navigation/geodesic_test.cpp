// Geodesics on WGS84 in a navigator's units, against GeographicLib's published example.
#include "navigation/geodesic.h"

#include <gtest/gtest.h>

namespace hurricane::navigation {
namespace {

TEST(Geodesic, PublishedExampleNewYorkToLondon) {
  // GeographicLib's own example: 40.6N 73.8W to 51.6N 0.5W.
  const Leg leg = inverse({40.6, -73.8}, {51.6, -0.5});
  EXPECT_NEAR(leg.distance_nm * 1852.0, 5551759.4, 0.05);
  EXPECT_NEAR(leg.distance_nm, 2997.71, 0.005);
  EXPECT_NEAR(leg.azimuth_from, 51.198883, 1e-6);
  const Destination end = direct({40.6, -73.8}, leg.azimuth_from, leg.distance_nm);
  EXPECT_NEAR(end.position.lat, 51.6, 1e-9);
  EXPECT_NEAR(end.position.lon, -0.5, 1e-9);
  EXPECT_NEAR(end.azimuth, leg.azimuth_to, 1e-9);
}

TEST(Geodesic, BearingsInZeroTo360) {
  EXPECT_NEAR(inverse({0, 0}, {0, -1}).azimuth_from, 270.0, 1e-9);  // west, not -90
  EXPECT_NEAR(inverse({0, 0}, {-1, 0}).azimuth_from, 180.0, 1e-9);
  EXPECT_EQ(inverse({10, 10}, {10, 10}).distance_nm, 0.0);
  EXPECT_EQ(to_bearing(-1e-17), 0.0);  // rounds to 360 before the fold
  EXPECT_EQ(to_bearing(-90.0), 270.0);
  EXPECT_EQ(to_bearing(720.5), 0.5);
}

}  // namespace
}  // namespace hurricane::navigation

// The sweep's hours against single tracks at each speed.
#include <gtest/gtest.h>

#include <array>
#include <cmath>

#include "land/sweep.h"
#include "shared_land.h"

namespace hurricane::land {
namespace {

using testing::shared_land;

TEST(Sweep, HoursMatchEachSpeedsOwnTrack) {
  const Land& land = shared_land();
  const std::array<double, 5> speeds = {20.0, 15.0, 10.0, 5.0, 0.0};
  const LandSweep sweep = sweep_land(land, 23.5, -81.0, speeds, 72.0);
  int met = 0;
  for (int course = 0; course < 360; ++course) {
    for (std::size_t i = 0; i < speeds.size(); ++i) {
      const auto hour = sweep.hour(course, i);
      const auto single = land.first_landfall(23.5, -81.0, course, speeds[i] * 72.0);
      ASSERT_EQ(hour.has_value(), single.has_value()) << course << " at " << speeds[i];
      if (!hour) continue;
      ++met;
      EXPECT_NEAR(*hour * speeds[i], single->distance_nm, 1e-6);
      EXPECT_LE(*hour, 72.0);
    }
  }
  EXPECT_GT(met, 900);  // between Florida and Cuba most courses meet land
  // South at 20 kn: the cays off Varadero, 15 nm away, at +0.75 h.
  ASSERT_TRUE(sweep.hour(180, 0));
  EXPECT_NEAR(*sweep.hour(180, 0), 0.75, 0.05);
  EXPECT_FALSE(sweep.hour(180, 4));  // staying put meets nothing
  EXPECT_FALSE(sweep.hour(360, 0));
  EXPECT_FALSE(sweep.hour(0, 5));
}

TEST(Sweep, ShortHorizonAndBadSpeedsMeetLess) {
  const Land& land = shared_land();
  const std::array<double, 3> speeds = {10.0, -4.0, NAN};
  const LandSweep sweep = sweep_land(land, 23.5, -81.0, speeds, 1.0);
  EXPECT_FALSE(sweep.hour(180, 0));  // 15 nm is more than an hour at 10 kn
  EXPECT_FALSE(sweep.hour(180, 1));
  EXPECT_FALSE(sweep.hour(180, 2));
  const LandSweep longer = sweep_land(land, 23.5, -81.0, speeds, 2.0);
  EXPECT_TRUE(longer.hour(180, 0));
}

}  // namespace
}  // namespace hurricane::land

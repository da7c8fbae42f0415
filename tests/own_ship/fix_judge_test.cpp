// Position lost: no fix, a fix a minute old, a fix that jumps faster than any ship; and a ship
// that moves as ships do is never lost, whatever its speed and turns.
#include <gtest/gtest.h>

#include <random>

#include "navigation/geodesic.h"
#include "own_ship/fix_judge.h"

namespace hurricane::own_ship {
namespace {

using std::chrono::seconds;

const UtcTime kStart = navigation::civil_time(2003, 9, 16, 12, 0).value();
const Arrival kArrived{};

Fix fix_at(LatLon at, int second) {
  return Fix{at, 300.0, 12.0, kStart + seconds(second), "test"};
}

TEST(FixJudge, AShipSteamingAndTurningUpToFortyKnotsIsNeverLost) {
  std::mt19937 random(7);
  std::uniform_real_distribution<double> speed(0.0, 40.0), turn(-30.0, 30.0), gap(1.0, 5.0);
  FixJudge judge;
  LatLon at{24.0, -70.0};
  double course = 0.0;
  int second = 0;
  for (int i = 0; i < 5000; ++i) {
    const int step = static_cast<int>(gap(random));
    course += turn(random);
    at = navigation::direct(at, course, speed(random) * step / 3600.0).position;
    second += step;
    judge.take(fix_at(at, second), kArrived + seconds(second));
    const Judged judged = judge.at(kArrived + seconds(second));
    ASSERT_TRUE(judged.fix.has_value()) << i << ": " << judged.lost;
    EXPECT_EQ(judged.fix->position, at);
  }
}

TEST(FixJudge, NoFixAnOldFixAndAJumpAreLostUntilTheTrackAgrees) {
  FixJudge judge;
  EXPECT_EQ(judge.at(kArrived).lost, kNoFixYet);

  const LatLon start{24.0, -70.0};
  judge.take(fix_at(start, 0), kArrived);
  EXPECT_TRUE(judge.at(kArrived + kLostAfter).fix);
  const Judged old = judge.at(kArrived + kLostAfter + seconds(1));
  EXPECT_FALSE(old.fix);
  EXPECT_EQ(old.lost, "no fix for 61 s (last at 2003-09-16T12:00:00Z)");

  // 2 nm in 100 s is 72 kn: refused, and the last good fix is not steered by meanwhile.
  const LatLon jumped = navigation::direct(start, 90.0, 2.0).position;
  judge.take(fix_at(jumped, 100), kArrived + seconds(100));
  const Judged bad = judge.at(kArrived + seconds(100));
  EXPECT_FALSE(bad.fix);
  EXPECT_EQ(bad.lost, "the fix of 2003-09-16T12:01:40Z jumped 2.0 nm from the last (72 kn)");
  // 0.9 nm in 60 s more agrees with neither the last good fix (2.9 nm in 160 s: 65 kn)...
  const LatLon further = navigation::direct(jumped, 90.0, 0.9).position;
  judge.take(fix_at(further, 160), kArrived + seconds(160));
  // ...but with the refused one (54 kn): the receiver has a new track.
  const Judged agreed = judge.at(kArrived + seconds(160));
  ASSERT_TRUE(agreed.fix) << agreed.lost;
  EXPECT_EQ(agreed.fix->position, further);

  // A lone outlier, then a fix back on the track: good again at once.
  const LatLon outlier = navigation::direct(further, 0.0, 50.0).position;
  judge.take(fix_at(outlier, 161), kArrived + seconds(161));
  EXPECT_FALSE(judge.at(kArrived + seconds(161)).fix);
  judge.take(fix_at(further, 162), kArrived + seconds(162));
  EXPECT_TRUE(judge.at(kArrived + seconds(162)).fix);
}

}  // namespace
}  // namespace hurricane::own_ship

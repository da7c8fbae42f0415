#include "analysis/round_analysis.h"

#include <gtest/gtest.h>

#include <cstddef>

#include <vector>

namespace hurricane::analysis {
namespace {

struct Round {
  RoundAnalysis r;
  std::vector<int> kcrs;  // entries 1..numc
};

// One round as the dialogue hands it over: ship speed floored, U = half the hurricane speed.
Round analyse(double dist, double bear, double track, double speed, double cpa, double vship) {
  const double floor = 9.999999682655225e-20;
  const RoundValues v{dist, bear, track, speed, cpa, vship < floor ? floor : vship, speed * 0.5};
  Round round{analyse_round(v), {}};
  for (std::size_t k = 1; k <= static_cast<std::size_t>(round.r.numc); ++k) {
    round.kcrs.push_back(round.r.kcrs[k]);
  }
  return round;
}

using V = std::vector<int>;

// Derivations: the half-angle of the cone is asin(cpa / dist); an escape course is an edge
// turned 90 degrees outward and reversed (+180), rounded half up; rn is |sin(edge - track)| * V
// and the speed an escape needs U + rn; the ranges themselves are left to EscapePhysics,
// which checks every listed course against plain relative motion.
TEST(RoundAnalysis, HurricaneDueNorthComingStraightDown) {
  // Half-angle asin(50/100) = 30 about bec 180; kben1 = 150 - 90 + 180, kben2 = 210 + 270 - 360;
  // rn = sin 30 * 10 = 5, so both need 5 + 5; kanti = 0 + 180.
  const Round a = analyse(100, 0, 180, 10, 50, 12);
  EXPECT_EQ(a.r.bec, 180.0);
  EXPECT_NEAR(a.r.be1, 150.0, 1e-12);
  EXPECT_NEAR(a.r.be2, 210.0, 1e-12);
  EXPECT_NEAR(a.r.beh0h1, 180.0, 1e-12);
  EXPECT_EQ(a.r.kdir, 0);
  EXPECT_EQ(a.r.kben1, 240);
  EXPECT_EQ(a.r.kben2, 120);
  EXPECT_NEAR(a.r.rn1k, 10.0, 1e-12);
  EXPECT_NEAR(a.r.rn2k, 10.0, 1e-12);
  EXPECT_EQ(a.r.kanti, 180);
  EXPECT_EQ(a.r.karea, 4);
  EXPECT_EQ(a.kcrs, (V{87, 153, 207, 273}));
  EXPECT_FALSE(a.r.limits_error);

  EXPECT_EQ(analyse(100, 0, 180, 10, 50, 5).kcrs, V{});  // too slow: no escape
  EXPECT_NE(analyse(100, 0, 180, 10, 50, 5).r.karea, 0);
}

TEST(RoundAnalysis, HurricaneMovingAwayUsesTheInsideConeSpeeds) {
  const Round a = analyse(100, 0, 10, 10, 50, 12);
  EXPECT_EQ(a.r.kdir, 2);
  EXPECT_EQ(a.r.karea, 0);
  EXPECT_EQ(a.r.rn1k, a.r.rn1 + 5.0);
  EXPECT_EQ(a.r.rn2k, a.r.rn2 + 5.0);
  EXPECT_EQ(a.kcrs, (V{38, 336}));
}

TEST(RoundAnalysis, ShipInsideTheCriticalCircle) {
  const Round a = analyse(30, 0, 180, 10, 50, 12);
  EXPECT_EQ(a.r.bec, 180.0);
  EXPECT_EQ(a.r.kdir, 0);
  EXPECT_EQ(a.r.karea, 4);
  EXPECT_EQ(a.r.kben1, 0);  // undefined escape courses are stored as 0
  EXPECT_EQ(a.r.kben2, 0);
  EXPECT_EQ(a.r.numc, 0);
}

TEST(RoundAnalysis, FirstRoundDefaults) {
  // bec = 275 - 180; half-angle asin(0.15) = 8.627; kben1 = 86.373 + 90 -> 176,
  // kben2 = 103.627 + 270 - 360 = 13.6 -> 14; rn1k = 5.5 + sin(4.627) * 11,
  // rn2k = 5.5 + sin(12.627) * 11.
  const Round a = analyse(1000, 275, 91, 11, 150, 7);
  EXPECT_NEAR(a.r.bec, 95.0, 1e-12);
  EXPECT_NEAR(a.r.be1, 86.373, 5e-4);
  EXPECT_NEAR(a.r.be2, 103.627, 5e-4);
  EXPECT_EQ(a.r.kdir, 0);
  EXPECT_EQ(a.r.kben1, 176);
  EXPECT_EQ(a.r.kben2, 14);
  EXPECT_NEAR(a.r.rn1k, 6.387, 5e-4);
  EXPECT_NEAR(a.r.rn2k, 7.905, 5e-4);
  EXPECT_EQ(a.r.kanti, 95);
  EXPECT_EQ(a.r.karea, 4);
  EXPECT_EQ(a.kcrs, (V{153, 200}));
}

TEST(RoundAnalysis, HurricaneAtRest) {
  const Round a = analyse(100, 0, 180, 0, 50, 12);
  EXPECT_EQ(a.r.beh0h1, 180.0);
  EXPECT_EQ(a.r.rn1, 0.0);
  EXPECT_EQ(a.r.rn2, 0.0);
  EXPECT_NE(a.r.karea & 3, 0);  // staying in place is the apex, on both edge lines
  // A ship at rest as well is judged like staying in place on every course: no range.
  EXPECT_EQ(analyse(100, 0, 180, 0, 50, 0).kcrs, V{});
  // A ship at rest beside a moving hurricane: every course rates like staying in place.
  EXPECT_EQ(analyse(100, 0, 180, 10, 50, 0).kcrs, V{});
}

TEST(RoundAnalysis, CourseAwayAndEscapeCoursesWrapAtNorth) {
  EXPECT_EQ(analyse(100, 180, 180, 10, 50, 12).r.kanti, 0);
  EXPECT_EQ(analyse(100, 179.6, 180, 10, 50, 12).r.kanti, 360);
  const Round a = analyse(100, 370, 180, 10, 50, 12);  // 370 acts as 10
  EXPECT_NEAR(a.r.bec, 190.0, 1e-12);
  EXPECT_EQ(a.r.kanti, 190);
}

// Steering the hurricane's own track at its own speed leaves a relative velocity of about
// 1e-14 kn; it must never be rated admissible, whatever the xpobe bias makes of its direction.
TEST(RoundAnalysis, FollowingTheHurricaneIsNeverAdmissible) {
  const Round a = analyse(525, 263, 176, 28, 305, 28);
  EXPECT_NE(a.r.icrs[176], 0);
  EXPECT_EQ(a.kcrs, (V{279, 147}));
  std::vector<int> admissible;  // tracks whose own course came out admissible
  for (int track = 1; track <= 360; ++track) {
    for (double speed : {5.0, 11.0, 28.0}) {
      if (analyse(525, 263, track, speed, 305, speed).r.icrs[static_cast<std::size_t>(track)] ==
          0) {
        admissible.push_back(track);
      }
    }
  }
  EXPECT_EQ(admissible, V{});
}

}  // namespace
}  // namespace hurricane::analysis

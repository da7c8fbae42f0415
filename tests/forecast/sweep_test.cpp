#include "forecast/sweep.h"

#include <gtest/gtest.h>

#include <GeographicLib/Ellipsoid.hpp>
#include <GeographicLib/Geodesic.hpp>
#include <cmath>
#include <random>

#include "forecast/tracks.h"

namespace hurricane::forecast {
namespace {

using testing::analysis_time;
using testing::equal_radii;
using testing::track_of;

SweepRequest request_at(LatLon ship, double speed_kn, double horizon_h = 72) {
  SweepRequest request;
  request.at = analysis_time();
  request.ship = ship;
  request.speed_kn = speed_kn;
  request.horizon_h = horizon_h;
  request.error.kind = ErrorModel::Kind::kNone;
  return request;
}

double geodesic_nm(LatLon a, LatLon b) {
  double metres = 0;
  GeographicLib::Geodesic::WGS84().Inverse(a.lat, a.lon, b.lat, b.lon, metres);
  return metres / 1852.0;
}

// A storm that does not move, with equal radii and no error, is a circle around its centre.
TEST(Sweep, StationaryStormIsACircle) {
  const LatLon centre{20, -60};
  const LatLon ship{21.5, -58};
  const StormTrack storm =
      track_of({{0, centre, 80, equal_radii(100)}, {72, centre, 80, equal_radii(100)}});
  const Sweep result = sweep({storm}, request_at(ship, 12));
  ASSERT_TRUE(result.judged);
  EXPECT_NEAR(result.stay.clearance_nm, geodesic_nm(centre, ship) - 100, 1e-6);
  EXPECT_FALSE(result.stay.enters_at_h);
  // Running away north-east the least clearance is at the start.
  EXPECT_EQ(result.passages[0][45].min_at_h, 0.0);
  // Running at the centre: inside after (distance - 100) / 12 hours, within a sample.
  const double distance = geodesic_nm(centre, ship);
  const Passage& towards = result.passages[0][233];
  ASSERT_TRUE(towards.enters_at_h);
  EXPECT_NEAR(*towards.enters_at_h, (distance - 100) / 12, 0.15);
  EXPECT_EQ(towards.wind_kt, 34);
}

// A storm running along the equator past a ship standing 1 degree north: the classic closest
// point of approach, the meridian arc from the equator to 1N, when the storm is abeam.
TEST(Sweep, StraightTrackGivesTheClassicClosestApproach) {
  const double speed = 15;
  const LatLon start{0, -50};
  const double run_nm = speed * 72;
  double lat = 0, lon = 0;
  GeographicLib::Geodesic::WGS84().Direct(0, -50, 270, run_nm * 1852, lat, lon);
  const StormTrack storm = track_of(
      {{0, start, 60, equal_radii(40)}, {72, {lat, lon}, 60, equal_radii(40)}}, {270, speed});
  const double cpa_nm = GeographicLib::Ellipsoid::WGS84().MeridianDistance(1.0) / 1852.0;
  const LatLon ship{1, -60};
  const double abeam_h = geodesic_nm(start, {0, -60}) / speed;
  const Sweep result = sweep({storm}, request_at(ship, 10));
  EXPECT_NEAR(result.stay.clearance_nm, cpa_nm - 40, 0.01);
  EXPECT_NEAR(result.stay.min_at_h, abeam_h, 0.051);
}

TEST(Sweep, DissipationCutsTheHorizon) {
  const StormTrack storm = track_of({{0, {15, -40}, 50, equal_radii(60)},
                                     {24, {16, -42}, 40, equal_radii(40)},
                                     {36, {17, -43}, 25, equal_radii(0)}});
  const Sweep result = sweep({storm}, request_at({15, -35}, 10));
  EXPECT_DOUBLE_EQ(result.horizon_h, 36);
}

// An advice time after the storm's last point: nothing is judged.
TEST(Sweep, NothingJudgedAfterTheTrackEnds) {
  const StormTrack storm =
      track_of({{-48, {15, -40}, 50, equal_radii(60)}, {-24, {16, -42}, 40, equal_radii(40)}});
  EXPECT_FALSE(sweep({storm}, request_at({15, -35}, 10)).judged);
}

// Southern hemisphere: the NE quadrant is the compass north-east there too.
TEST(Sweep, SouthernQuadrantsAreCompassQuadrants) {
  const LatLon centre{-20, 150};
  const StormTrack storm =
      track_of({{0, centre, 90, {200, 50, 50, 50}}, {24, centre, 90, {200, 50, 50, 50}}});
  double lat = 0, lon = 0;
  GeographicLib::Geodesic::WGS84().Direct(-20, 150, 45, 150 * 1852.0, lat, lon);
  EXPECT_NEAR(sweep({storm}, request_at({lat, lon}, 10, 24)).stay.clearance_nm, -50, 0.01);
  GeographicLib::Geodesic::WGS84().Direct(-20, 150, 225, 150 * 1852.0, lat, lon);
  EXPECT_NEAR(sweep({storm}, request_at({lat, lon}, 10, 24)).stay.clearance_nm, 100, 0.01);
}

// Several storms: the least over them, and which one.
TEST(Sweep, TheNearestOfSeveralStorms) {
  const StormTrack far =
      track_of({{0, {20, -40}, 80, equal_radii(100)}, {48, {20, -40}, 80, equal_radii(100)}});
  const StormTrack near =
      track_of({{0, {20, -60}, 80, equal_radii(50)}, {48, {20, -60}, 80, equal_radii(50)}});
  const Sweep result = sweep({far, near}, request_at({22, -60}, 10, 48));
  EXPECT_EQ(result.stay.storm, 1u);
  EXPECT_NEAR(result.stay.clearance_nm, geodesic_nm({20, -60}, {22, -60}) - 50, 1e-6);
}

// The fast sweep against the straightforward one on random storms, ships and courses,
// including a track across the 180th meridian.
TEST(Sweep, FastAgreesWithBruteForce) {
  std::mt19937 random(19);
  std::uniform_real_distribution<double> unit(0, 1);
  for (int trial = 0; trial < 4; ++trial) {
    const double lat = -30 + 60 * unit(random);
    const double lon = trial == 0 ? 178.5 : -180 + 360 * unit(random);
    const double heading = 360 * unit(random);
    auto moved = [&](double hours, double kn) {
      double la = 0, lo = 0;
      GeographicLib::Geodesic::WGS84().Direct(lat, lon, heading, hours * kn * 1852, la, lo);
      return LatLon{la, lo};
    };
    const QuadrantNm radii = {150 * unit(random), 150 * unit(random), 150 * unit(random),
                              150 * unit(random)};
    StormTrack storm = track_of({{0, moved(0, 0), 90, radii},
                                 {12, moved(12, 12), 90, radii},
                                 {24, moved(24, 12), 80, {radii[1], radii[2], radii[3], radii[0]}},
                                 {36, moved(36, 14), 60, radii}},
                                {heading, 12});
    storm.accuracy_nm = 15;
    SweepRequest request = request_at(moved(10, 30 * unit(random) - 15), 8 + 12 * unit(random), 36);
    request.ship.lat += 4 * unit(random) - 2;
    if (trial == 3) request.ship = moved(0.5, 20);  // starts inside: when it comes out
    request.error.kind = ErrorModel::Kind::kCone;
    request.error.scale = 2;
    request.error.table = cone_table("AL", 2024);
    request.error.margin_nm = 50;
    const Sweep fast = sweep({storm}, request);
    const Sweep brute = sweep_brute_force({storm}, request);
    if (trial == 3) {
      ASSERT_TRUE(brute.passages[0][0].enters_at_h == 0.0);
      int leaving = 0;
      for (const Passage& p : brute.passages[0]) leaving += p.leaves_at_h ? 1 : 0;
      ASSERT_GT(leaving, 0);
    }
    for (std::size_t v = 0; v < kSpeedFractions.size(); ++v) {
      for (std::size_t c = 0; c < kCourses; ++c) {
        const Passage& f = fast.passages[v][c];
        const Passage& b = brute.passages[v][c];
        ASSERT_NEAR(f.clearance_nm, b.clearance_nm, 0.5) << trial << " " << v << " " << c;
        ASSERT_EQ(f.enters_at_h.has_value(), b.enters_at_h.has_value()) << v << " " << c;
        if (f.enters_at_h) {
          ASSERT_NEAR(*f.enters_at_h, *b.enters_at_h, 0.11);
        }
        ASSERT_EQ(f.wind_kt, b.wind_kt) << trial << " " << v << " " << c;
        // What the choice between courses weighs beside the least clearance.
        ASSERT_EQ(f.leaves_at_h.has_value(), b.leaves_at_h.has_value()) << trial << " " << c;
        if (f.leaves_at_h) {
          ASSERT_NEAR(*f.leaves_at_h, *b.leaves_at_h, 0.11);
        }
        ASSERT_NEAR(f.horizon_clearance_nm, b.horizon_clearance_nm, 0.5);
        ASSERT_NEAR(f.mean_clearance_nm, b.mean_clearance_nm, 0.5);
      }
    }
  }
}

}  // namespace
}  // namespace hurricane::forecast

// The truth: the best track read, and its centre and 34-kt radii between rows.
#include "hindcast/best_track.h"

#include <gtest/gtest.h>

#include <chrono>
#include <fstream>
#include <sstream>

#include "forecast/quarter_discs.h"
#include "forecast/ship_track.h"
#include "forecast/storm_samples.h"
#include "hindcast/encounter.h"

namespace hurricane::hindcast {
namespace {

using namespace std::chrono;

std::string data_file(const std::string& name) {
  std::ifstream in(std::string(HINDCAST_DATA_DIR) + "/" + name, std::ios::binary);
  std::stringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

forecast::StormTrack isabel() {
  auto read = read_best_track(data_file("54.bal132003.dat"));
  EXPECT_TRUE(read.ok());
  return read.value();
}

forecast::Time at(int day, int hour) {
  return sys_days{year{2003} / 9 / day} + hours{hour};
}

TEST(BestTrack, ReadsEveryTimeOnceWithItsRadii) {
  const forecast::StormTrack track = isabel();
  EXPECT_EQ(track.storm_id, "AL132003");
  EXPECT_EQ(track.season, 2003);
  ASSERT_EQ(track.points.size(), 55u);
  EXPECT_EQ(track.points.front().time, at(6, 0));
  EXPECT_EQ(track.points.back().time, at(19, 12));
  // 2003091912: 40.9N 80.3W, 35 kt, 34-kt radii 200 300 0 0.
  const forecast::TrackPoint& last = track.points.back();
  EXPECT_DOUBLE_EQ(last.centre.lat, 40.9);
  EXPECT_DOUBLE_EQ(last.centre.lon, -80.3);
  EXPECT_EQ(last.max_wind_kt, 35);
  EXPECT_EQ(*last.radii[0], (forecast::QuadrantNm{200, 300, 0, 0}));
}

TEST(BestTrack, RadiiAndCentreAreLinearBetweenRows) {
  const forecast::StormTrack track = isabel();
  // 10/12Z SW 100 and 10/18Z SW 120: 110 at 10/15Z. 11/12Z NW 120 and 11/18Z NW 140: 133.3
  // at 11/16Z; the centre between 21.4N 54.0W and 21.5N 54.8W two thirds of the way.
  const Truth mid = truth_from(track, at(10, 15), 1.0);
  EXPECT_EQ(mid.samples[0].radii[0], (forecast::QuadrantNm{160, 120, 110, 160}));
  const Truth later = truth_from(track, at(11, 16), 1.0);
  EXPECT_NEAR(later.samples[0].radii[0][3], 133.333, 1e-3);
  EXPECT_NEAR(later.samples[0].centre.lat, 21.4667, 2e-3);
  EXPECT_NEAR(later.samples[0].centre.lon, -54.5333, 2e-3);
  // Ten samples an hour: at 11/17Z (sample 10) NW is 136.7.
  EXPECT_NEAR(later.samples[10].radii[0][3], 136.667, 1e-3);
}

TEST(BestTrack, TruthClearanceIsTheDistanceOutsideTheQuadrant) {
  const forecast::StormTrack track = isabel();
  const Truth truth = truth_from(track, at(10, 15), 1.0);
  const navigation::LatLon centre = truth.samples[0].centre;
  // 250 nm to the north-east (NE 160 nm): 90 nm outside; 50 nm to the south-west (SW 110 nm):
  // 60 nm inside.
  EXPECT_NEAR(truth_clearance_nm(truth, 0, forecast::rhumb_position(centre, 45.0, 250.0)), 90.0,
              0.5);
  EXPECT_NEAR(truth_clearance_nm(truth, 0, forecast::rhumb_position(centre, 225.0, 50.0)), -60.0,
              0.5);
}

TEST(BestTrack, RefusesWhatItCannotUse) {
  const std::string row =
      "AL, 13, 2003090600,   , BEST,   0, 138N,  314W,  30, 1009, TD,  34, NEQ,    0,    0,    0, "
      "   0, 1012,  150,  40,   0,   0,\n";
  const auto one = read_best_track(row);
  ASSERT_FALSE(one.ok());
  EXPECT_NE(one.error().problem.find("fewer than two"), std::string::npos);

  std::string bad = row;
  bad.replace(bad.find("138N"), 4, "13XN");
  const auto unreadable = read_best_track(bad + row);
  ASSERT_FALSE(unreadable.ok());
  EXPECT_EQ(unreadable.error().line, 1u);

  EXPECT_FALSE(read_best_track("<html>not a track</html>\n").ok());
  // A repeated time (the 50-kt row of the same fix) is skipped, not an error.
  std::string later = row;
  later.replace(later.find("2003090600"), 10, "2003090606");
  const auto repeated = read_best_track(row + row + later);
  ASSERT_TRUE(repeated.ok());
  EXPECT_EQ(repeated.value().points.size(), 2u);
}

}  // namespace
}  // namespace hurricane::hindcast

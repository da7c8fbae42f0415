#include "forecast/from_advisory.h"

#include <gtest/gtest.h>

#include "advisory/samples.h"
#include "forecast/advice.h"
#include "forecast/radii_in_time.h"
#include "forecast/storm_samples.h"

namespace hurricane::forecast {
namespace {

using advisory::read_storm;
using advisory::sample;
using advisory::Storm;

StormTrack track_of_sample(std::string_view name) {
  const std::string_view id = name.starts_with("rss") ? "AL132023" : "";
  const std::optional<StormTrack> track = track_from_advisory(read_storm(sample(name), id));
  EXPECT_TRUE(track) << name;
  return track.value_or(StormTrack{});
}

double hour_of_point(const StormTrack& track, std::size_t i) {
  return hours_between(track.points.front().time, track.points[i].time);
}

// Lee 30: six forecast points with radii, two outlook points without: the 65-kt outlook keeps
// the 72-h radii of every threshold, the 40-kt one keeps only the 34-kt radii.
TEST(FromAdvisory, LeeOutlookRadiiCarried) {
  const StormTrack lee = track_of_sample("tcm-al132023-30.txt");
  ASSERT_EQ(lee.points.size(), 9u);
  EXPECT_EQ(lee.storm_id, "AL132023");
  EXPECT_EQ(lee.advisory, "30");
  EXPECT_EQ(lee.basin, "AL");
  EXPECT_EQ(lee.season, 2023);
  EXPECT_EQ(lee.accuracy_nm, 20);
  EXPECT_EQ(lee.motion.track, 315);
  EXPECT_EQ(lee.motion.speed, 6);
  EXPECT_EQ(hour_of_point(lee, 6), 69);  // 15/1800Z
  EXPECT_EQ(hour_of_point(lee, 8), 117);
  EXPECT_EQ(lee.points[8].stage, "POST-TROP/EXTRATROP");
  EXPECT_FALSE(lee.dissipated_at);
  const RadiiInTime radii(lee);
  EXPECT_EQ(radii.point(7, Threshold::k34).nm, (QuadrantNm{270, 250, 210, 250}));
  EXPECT_EQ(radii.point(7, Threshold::k34).carried_from_h, 93);
  // The 48-h and 60-h points list no 64-kt radii with 80 and 75 kt: carried too.
  EXPECT_EQ(radii.point(5, Threshold::k64).nm, (QuadrantNm{75, 65, 45, 60}));
  EXPECT_EQ(radii.point(5, Threshold::k64).carried_from_h, 57);
  EXPECT_EQ(radii.point(8, Threshold::k34).nm, (QuadrantNm{270, 250, 210, 250}));
  EXPECT_EQ(radii.point(8, Threshold::k50).nm, (QuadrantNm{}));
  EXPECT_EQ(radii.point(8, Threshold::k64).nm, (QuadrantNm{}));
  EXPECT_EQ(radii.carried_from_h(), 57);
  // Halfway between the 12-h and 24-h points.
  EXPECT_EQ(radii.at(add_hours(lee.points[0].time, 15), Threshold::k34),
            (QuadrantNm{225, 210, 160, 175}));
}

TEST(FromAdvisory, FeedGivesTheSameTrack) {
  const StormTrack feed = track_of_sample("rss-atlantic-al132023-30.xml");
  const StormTrack text = track_of_sample("tcm-al132023-30.txt");
  ASSERT_EQ(feed.points.size(), text.points.size());
  EXPECT_EQ(feed.points.back().time, text.points.back().time);
}

// Pins: a forecast/advisory's cone was 3 h short of NHC's at every point. Lee 30 (21Z) counts
// from 18Z: each forecast point lies at its 12, 24, 36, ... h, where the cone is the table's.
TEST(FromAdvisory, ConeAtEachForecastPointIsTheTables) {
  const StormTrack lee = track_of_sample("tcm-al132023-30.txt");
  EXPECT_EQ(lee.synoptic_lag_h, 3);
  ErrorModel model;
  model.table = cone_table(lee.basin, lee.season);
  for (std::size_t i = 1; i <= 6; ++i) {
    const std::vector<StormSample> at = storm_samples(lee, model, lee.points[i].time, 1, 1);
    EXPECT_DOUBLE_EQ(at[0].allowance_nm, model.table.radii_nm[i - 1]) << i;
  }
  EXPECT_DOUBLE_EQ(storm_samples(lee, model, lee.points[0].time, 1, 1)[0].allowance_nm, 20);
  // An a-deck's official forecast and a JTWC warning start at the synoptic hour already.
  const Storm ofcl = read_storm(sample("aal982023-ofcl.dat"));
  EXPECT_EQ(track_from_advisory(ofcl)->synoptic_lag_h, 0);
  EXPECT_EQ(track_of_sample("wp062023-khanun-nr017.txt").synoptic_lag_h, 0);
}

// Pins: "radii carried" was said of zero radii held. Without any 34-kt line nothing is carried
// (Hone 42 without them); zero radii are not carried but non-zero ones still are.
TEST(FromAdvisory, OnlyRadiiThatReachAreCarried) {
  const StormTrack bare = track_of_sample("tcm-cp012024-42-no34kt.txt");
  EXPECT_FALSE(RadiiInTime(bare).carried_from_h());
  StormTrack lee = track_of_sample("tcm-al132023-30.txt");
  EXPECT_TRUE(RadiiInTime(lee).carried_from_h());
  for (TrackPoint& point : lee.points) point.radii[2] = std::nullopt;
  lee.points[0].radii[2] = QuadrantNm{};
  lee.points[0].radii[1] = QuadrantNm{};
  for (std::size_t i = 1; i < lee.points.size(); ++i) lee.points[i].radii[1] = std::nullopt;
  lee.points[7].radii[0] = std::nullopt;  // the 65-kt outlook point
  lee.points[8].radii[0] = std::nullopt;  // the 40-kt one
  // 64 and 50 kt are zero from the analysis on: not carried; 34 kt from the 93-h outlook is.
  EXPECT_EQ(RadiiInTime(lee).carried_from_h(), 93);
}

// Hone 42: post-tropical, 34-kt radii only, across the 180th meridian; its last outlook point
// says DISSIPATED and ends the track; points below 34 kt have no winds.
TEST(FromAdvisory, HoneDissipatesAcrossTheDateLine) {
  const StormTrack hone = track_of_sample("tcm-cp012024-42.txt");
  EXPECT_EQ(hone.basin, "CP");
  ASSERT_TRUE(hone.dissipated_at);
  EXPECT_EQ(*hone.dissipated_at, hone.points.back().time);
  const RadiiInTime radii(hone);
  const std::size_t last = hone.points.size() - 1;
  EXPECT_EQ(radii.point(last, Threshold::k34).nm, (QuadrantNm{}));
  EXPECT_FALSE(radii.point(last, Threshold::k34).carried_from_h);
}

// Gilma 27: the remnant low at 120 h has no winds of 34 kt.
TEST(FromAdvisory, GilmaRemnantLow) {
  const StormTrack gilma = track_of_sample("tcm-ep072024-27.txt");
  EXPECT_EQ(gilma.basin, "EP");
  EXPECT_EQ(gilma.points.back().stage, "POST-TROP/REMNT LOW");
  EXPECT_EQ(RadiiInTime(gilma).point(gilma.points.size() - 1, Threshold::k34).nm, QuadrantNm{});
}

TEST(FromAdvisory, BestTrackHasNoForecast) {
  EXPECT_FALSE(track_from_advisory(read_storm(sample("bal132023-at-adv30.dat"))));
}

// End to end on every product: a ship 300 nm from the centre gets an answer, open ranges that
// agree with the clearances, and a recommendation.
TEST(FromAdvisory, EveryProductAdvised) {
  for (const char* name : {"tcm-al132023-30.txt", "tcm-cp012024-42.txt", "tcm-ep072024-27.txt",
                           "rss-atlantic-al132023-30.xml", "wp062023-khanun-nr017.txt"}) {
    const StormTrack track = track_of_sample(name);
    SweepRequest request;
    request.at = track.points.front().time;
    request.ship = {track.points.front().centre.lat + 5, track.points.front().centre.lon};
    request.speed_kn = 14;
    request.error.scale = 2;
    request.error.table = cone_table(track.basin, track.season);
    request.error.margin_nm = 100;
    const ForecastAdvice advice = advise_forecast({track}, request, 90.0);
    ASSERT_TRUE(advice.recommended) << name;
    for (const CourseRange& range : advice.open[0]) {
      EXPECT_GE(advice.sweep.passages[0][static_cast<std::size_t>(range.first)].clearance_nm, 0);
    }
    EXPECT_EQ(advice.none_open, advice.recommended->passage.clearance_nm < 0) << name;
  }
}

}  // namespace
}  // namespace hurricane::forecast

// Ships followed against a storm by hand, the hindsight sweep against a brute force, and the
// same hindcast for any number of threads.
#include "hindcast/encounter.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <fstream>
#include <limits>
#include <sstream>
#include <stdexcept>

#include "forecast/quarter_discs.h"
#include "forecast/ship_track.h"
#include "forecast/storm_samples.h"
#include "hindcast/best_track.h"
#include "hindcast/hindcast.h"

namespace hurricane::hindcast {
namespace {

using namespace std::chrono;

const forecast::Time kStart = sys_days{year{2024} / 9 / 1} + hours{12};

// A storm standing at 20N 60W for 48 h with 100 nm 34-kt winds all round.
forecast::StormTrack standing_storm() {
  forecast::StormTrack track;
  track.storm_id = "AL992024";
  track.basin = "AL";
  track.season = 2024;
  for (double hour : {0.0, 48.0}) {
    forecast::TrackPoint point;
    point.time = forecast::add_hours(kStart, hour);
    point.centre = {20.0, -60.0};
    point.max_wind_kt = 80;
    point.radii = {forecast::QuadrantNm{100, 100, 100, 100}, forecast::QuadrantNm{},
                   forecast::QuadrantNm{}};
    track.points.push_back(point);
  }
  return track;
}

std::vector<IssuedAdvisory> one_advisory() {
  IssuedAdvisory issued;
  issued.time = kStart;
  issued.storm.fix.centre = {20.0, -60.0};
  return {issued};
}

TEST(Encounter, ShipSteamingThroughTheCentreEntersWhenHandArithmeticSays) {
  const forecast::StormTrack truth_track = standing_storm();
  // 200 nm due west of the centre, voyage 090 at 10 kn: the edge (100 nm) after 10 h, the
  // centre (100 nm deep) after 20 h, out again after 30 h.
  ShipStart start;
  start.position = forecast::rhumb_position({20.0, -60.0}, 270.0, 200.0);
  start.speed_kn = 10.0;
  start.voyage_course_deg = 90.0;
  start.hours = 36.0;
  const Truth truth = truth_from(truth_track, kStart, start.hours);
  const Outcome voyage = follow(Policy::kVoyage, one_advisory(), start, truth, {});
  ASSERT_TRUE(voyage.entered_at_h);
  EXPECT_NEAR(*voyage.entered_at_h, 10.0, 0.15);
  EXPECT_NEAR(voyage.least_nm, -100.0, 1.0);
  EXPECT_NEAR(voyage.least_at_h, 20.0, 0.15);
  EXPECT_NEAR(voyage.progress, 1.0, 1e-9);
  ASSERT_EQ(voyage.plans.size(), 1u);

  const Outcome stay = follow(Policy::kStay, one_advisory(), start, truth, {});
  EXPECT_FALSE(stay.entered_at_h);
  EXPECT_NEAR(stay.least_nm, 100.0, 0.5);
  EXPECT_DOUBLE_EQ(stay.progress, 0.0);

  // Straight away from the centre at the start: 100 nm out, then only further.
  const Outcome away = follow(Policy::kAway, one_advisory(), start, truth, {});
  EXPECT_NEAR(away.plans.front().course_deg, 270.0, 1.0);  // the geodesic azimuth
  EXPECT_NEAR(away.least_nm, 100.0, 0.5);
  EXPECT_NEAR(away.progress, -1.0, 1e-3);
}

std::string data_file(const std::string& name) {
  std::ifstream in(std::string(HINDCAST_DATA_DIR) + "/" + name, std::ios::binary);
  std::stringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

forecast::StormTrack isabel_truth() {
  return read_best_track(data_file("54.bal132003.dat")).value();
}

// The build's shoreline, read once for the tests that hold land.
const land::Land& build_shoreline() {
  static const land::Land shoreline = [] {
    auto loaded = land::Land::load(HURRICANE_SHORELINE_FILE);
    if (!loaded.ok()) throw std::runtime_error(loaded.error().problem);
    return std::move(loaded.value());
  }();
  return shoreline;
}

std::vector<IssuedAdvisory> isabel_series() {
  std::vector<AdvisoryText> texts;
  for (const char* name : {"20.132003.index-at.xml", "21.132003.index-at.xml",
                           "22.132003.index-at.xml", "23.132003.index-at.xml"}) {
    texts.push_back({name, data_file(name)});
  }
  auto series = read_series(texts, "");
  EXPECT_TRUE(series.ok());
  return series.value().advisories;
}

// Every course at full speed and staying put, every sample with the exact geodesics.
double brute_force_best(const forecast::StormTrack& truth_track, const ShipStart& start,
                        forecast::Time t0) {
  const Truth truth = truth_from(truth_track, t0, start.hours);
  double best = -1e9;
  for (int course = -1; course < 360; ++course) {
    double least = 1e9;
    for (std::size_t i = 0; i < truth.samples.size(); ++i) {
      const double run =
          course < 0 ? 0.0 : start.speed_kn * kTruthStepHours * static_cast<double>(i);
      const navigation::LatLon at =
          forecast::rhumb_position(start.position, course < 0 ? 0.0 : course, run);
      const forecast::StormSample& s = truth.samples[i];
      least = std::min(least, forecast::signed_distance_nm(
                                  forecast::exact_plane_point(s.centre, at), s.radii[0]));
    }
    best = std::max(best, least);
  }
  return best;
}

TEST(Hindsight, BestConstantCourseMatchesBruteForce) {
  const forecast::StormTrack truth = isabel_truth();
  const std::vector<IssuedAdvisory> series = isabel_series();
  for (double bearing : {0.0, 270.0}) {
    ShipStart start;
    start.position = forecast::rhumb_position(series[0].storm.fix.centre, bearing, 250.0);
    start.speed_kn = 12.0;
    start.hours = 24.0;
    const Hindsight fast = hindsight(truth, series[0].time, start, nullptr);
    EXPECT_NEAR(fast.best_nm, brute_force_best(truth, start, series[0].time), 0.5) << bearing;
  }
}

// The hindsight counted escapes through Cuba and the Bahamas as escapes: with land, no course it
// names may meet land, checked track by track against the shoreline.
TEST(Hindsight, WithLandNamesNoCourseThatRunsAshore) {
  const forecast::StormTrack truth = isabel_truth();
  const std::vector<IssuedAdvisory> series = isabel_series();
  const land::Land& shoreline = build_shoreline();
  int ashore_without_land = 0;
  for (const navigation::LatLon at :
       {navigation::LatLon{23.6, -80.2}, navigation::LatLon{24.8, -77.0},
        navigation::LatLon{21.0, -73.2}, navigation::LatLon{18.7, -68.0}}) {
    ShipStart start;
    start.position = at;
    start.speed_kn = 12.0;
    start.hours = 48.0;
    const double run_nm = start.speed_kn * start.hours;
    const Hindsight blind = hindsight(truth, series[0].time, start, nullptr);
    const Hindsight seen = hindsight(truth, series[0].time, start, &shoreline);
    if (blind.course_deg && shoreline.first_landfall(at.lat, at.lon, *blind.course_deg, run_nm)) {
      ++ashore_without_land;
    }
    if (seen.course_deg) {
      EXPECT_FALSE(shoreline.first_landfall(at.lat, at.lon, *seen.course_deg, run_nm))
          << at.lat << "," << at.lon << " course " << *seen.course_deg;
    }
    EXPECT_LE(seen.best_nm, blind.best_nm);
  }
  EXPECT_GT(ashore_without_land, 0);  // the places are ones where the blind hindsight runs ashore
}

// Ships sailed through islands and scored as escaped: with land, a ship on its voyage course
// goes aground where its rhumb line meets the shoreline, found here by the landfall search,
// another route through the data than the sea-room query the hindcast asks.
TEST(Hindcast, WithLandAShipWhoseCourseMeetsLandGoesAground) {
  const forecast::StormTrack truth = isabel_truth();
  const std::vector<IssuedAdvisory> series = isabel_series();
  const land::Land& shoreline = build_shoreline();
  HindcastOptions options;
  options.rings_nm = {500};
  options.bearings = 8;
  options.ship_speed_kn = 16.0;
  options.hours = 36.0;
  options.threads = 2;
  options.forecast.shoreline = &shoreline;
  const HindcastResult result = run_hindcast(series, truth, options);
  const std::size_t voyage = policy_index(Policy::kVoyage);
  std::size_t aground = 0;
  for (const Encounter& e : result.encounters) {
    const Outcome& o = e.outcomes[voyage];
    const double run_nm = e.start.speed_kn * e.start.hours;
    const auto landfall = shoreline.first_landfall(e.start.position.lat, e.start.position.lon,
                                                   e.start.voyage_course_deg, run_nm);
    if (landfall) {
      ASSERT_TRUE(o.grounded_at_h) << e.start.voyage_course_deg;
      // Aground within a sample's run of where the track first comes within 1 nm of land.
      EXPECT_LE(*o.grounded_at_h * e.start.speed_kn, landfall->distance_nm + 1.0);
    }
    aground += o.grounded_at_h ? 1u : 0u;
  }
  EXPECT_GT(aground, 0u);
  ASSERT_TRUE(result.scores[voyage].groundings);
  EXPECT_EQ(*result.scores[voyage].groundings, aground);
  for (const Encounter& e : result.encounters) {
    if (e.outcomes[voyage].grounded_at_h && e.hindsight.best_nm >= kEscapableNm) {
      EXPECT_LT(result.scores[voyage].escaped_of_escapable, result.scores[voyage].escapable);
    }
  }
}

// A ship placed within the grounding distance of a shore is aground before any policy steers:
// it is no encounter, as a start on land is none, and no ship that stays put goes aground.
TEST(Hindcast, WithLandAStartWithinAMileOfTheShoreIsNoShip) {
  const forecast::StormTrack truth = isabel_truth();
  const std::vector<IssuedAdvisory> series = isabel_series();
  const land::Land& shoreline = build_shoreline();
  const forecast::LatLon centre = series[0].storm.fix.centre;
  // Due north the ring's geodesic is the meridian, the landfall search's rhumb line.
  const auto landfall = shoreline.first_landfall(centre.lat, centre.lon, 0.0, 2500.0);
  ASSERT_TRUE(landfall);
  HindcastOptions options;
  options.rings_nm = {landfall->distance_nm - 0.5, landfall->distance_nm - 60.0};
  options.bearings = 1;
  options.hours = 12.0;
  options.policies = {Policy::kStay};
  options.forecast.shoreline = &shoreline;
  const HindcastResult result = run_hindcast(series, truth, options);
  std::vector<double> first_rings;
  for (const Encounter& e : result.encounters) {
    if (e.start.advisory == 0) first_rings.push_back(e.ring_nm);
    EXPECT_FALSE(e.outcomes[0].grounded_at_h)
        << e.start.position.lat << ' ' << e.start.position.lon;
  }
  EXPECT_EQ(first_rings, std::vector<double>{landfall->distance_nm - 60.0});
}

TEST(Hindcast, ScoresAreTheSameForAnyNumberOfThreadsAndChoiceOfPolicies) {
  const forecast::StormTrack truth = isabel_truth();
  const std::vector<IssuedAdvisory> series = isabel_series();
  HindcastOptions options;
  options.rings_nm = {250};
  options.bearings = 2;
  options.hours = 12.0;
  options.threads = 1;
  const HindcastResult one = run_hindcast(series, truth, options);
  options.threads = 3;
  const HindcastResult three = run_hindcast(series, truth, options);
  ASSERT_EQ(one.encounters.size(), three.encounters.size());
  ASSERT_GT(one.encounters.size(), 0u);
  for (std::size_t i = 0; i < one.encounters.size(); ++i) {
    EXPECT_EQ(one.encounters[i].hindsight.best_nm, three.encounters[i].hindsight.best_nm);
    for (std::size_t p = 0; p < kDefaultPolicies.size(); ++p) {
      const Outcome& a = one.encounters[i].outcomes[p];
      const Outcome& b = three.encounters[i].outcomes[p];
      EXPECT_EQ(a.least_nm, b.least_nm);
      EXPECT_EQ(a.progress, b.progress);
      ASSERT_EQ(a.plans.size(), b.plans.size());
      for (std::size_t k = 0; k < a.plans.size(); ++k) {
        EXPECT_EQ(a.plans[k].course_deg, b.plans[k].course_deg);
      }
    }
  }
  for (std::size_t p = 0; p < kDefaultPolicies.size(); ++p) {
    EXPECT_EQ(one.scores[p].escaped, three.scores[p].escaped);
    EXPECT_EQ(one.scores[p].encounters, one.encounters.size());
  }
  // A few policies, in another order, follow exactly as they do among all of them.
  options.policies = {Policy::kVoyage, Policy::kPlan};
  const HindcastResult some = run_hindcast(series, truth, options);
  ASSERT_EQ(some.encounters.size(), one.encounters.size());
  ASSERT_EQ(some.scores.size(), 2u);
  for (std::size_t k = 0; k < 2; ++k) {
    const std::size_t p = policy_index(options.policies[k]);
    EXPECT_EQ(some.scores[k].policy, options.policies[k]);
    EXPECT_EQ(some.scores[k].escaped, one.scores[p].escaped);
    EXPECT_EQ(some.scores[k].progress, one.scores[p].progress);
    for (std::size_t i = 0; i < one.encounters.size(); ++i) {
      ASSERT_EQ(some.encounters[i].outcomes.size(), 2u);
      EXPECT_EQ(some.encounters[i].outcomes[k].least_nm, one.encounters[i].outcomes[p].least_nm);
    }
  }
}

// The hindsight plan is the plan search told the storm's real future: its danger area is the true
// 34-kt area the hindcast scores against, so where a constant course keeps well clear it must
// never enter (a sample's run of slack). A plan walk that drew the winds elsewhere than the truth
// does would show here.
TEST(Hindcast, TheHindsightPlanNeverEntersTheWindsItWasToldOf) {
  const forecast::StormTrack truth = isabel_truth();
  const std::vector<IssuedAdvisory> series = isabel_series();
  HindcastOptions options;
  options.rings_nm = {220, 300};
  options.bearings = 12;  // not 8, or every voyage would lead straight away from the centre
  options.hours = 48.0;
  options.threads = 2;
  options.policies = {Policy::kHindsightPlan, Policy::kVoyage};
  const HindcastResult result = run_hindcast(series, truth, options);
  std::size_t escapable = 0, voyage_entered = 0;
  double closest = std::numeric_limits<double>::infinity();
  for (const Encounter& e : result.encounters) {
    if (e.hindsight.best_nm < kEscapableNm) continue;
    ++escapable;
    const Outcome& planned = e.outcomes[0];
    EXPECT_GE(planned.least_nm, -e.start.speed_kn * kTruthStepHours)
        << "advisory " << e.start.advisory << " ring " << e.ring_nm << " bearing " << e.bearing_deg;
    voyage_entered += e.outcomes[1].entered_at_h ? 1u : 0u;
    closest = std::min(closest, planned.least_nm);
  }
  EXPECT_GT(escapable, 30u);
  EXPECT_GT(voyage_entered, 0u);  // some voyages lead into the winds: there is something to avoid
  EXPECT_LT(closest, 1.0);        // and plans skirt them, so a misplaced edge would show
}

TEST(Hindcast, ScoreCountsEscapableEscapesAndDepth) {
  std::vector<Encounter> encounters(3);
  encounters[0].hindsight.best_nm = 50.0;  // escapable, voyage enters 12 nm deep
  encounters[1].hindsight.best_nm = 10.0;  // not escapable by 20 nm, voyage enters 30 nm deep
  encounters[2].hindsight.best_nm = 80.0;  // escapable, voyage keeps 5 nm clear
  const std::array<double, 3> voyage = {-12.0, -30.0, 5.0};
  for (std::size_t i = 0; i < 3; ++i) {
    encounters[i].outcomes.resize(kPolicies.size());
    for (Outcome& o : encounters[i].outcomes) o.least_nm = 40.0;
    encounters[i].outcomes[policy_index(Policy::kVoyage)].least_nm = voyage[i];
    encounters[i].outcomes[policy_index(Policy::kVoyage)].progress = 0.5 * static_cast<double>(i);
  }
  const std::vector<PolicyScore> scores =
      score(encounters, {kPolicies.begin(), kPolicies.end()}, false);
  const PolicyScore& v = scores[policy_index(Policy::kVoyage)];
  EXPECT_EQ(v.policy, Policy::kVoyage);
  EXPECT_EQ(v.encounters, 3u);
  EXPECT_EQ(v.escapable, 2u);
  EXPECT_EQ(v.escaped, 1u);
  EXPECT_EQ(v.escaped_of_escapable, 1u);
  EXPECT_DOUBLE_EQ(v.deepest_entry_nm, 30.0);
  EXPECT_DOUBLE_EQ(v.deepest_escapable_entry_nm, 12.0);
  EXPECT_DOUBLE_EQ(v.progress, 0.5);
  EXPECT_EQ(v.worst, (std::vector<std::size_t>{0}));
  EXPECT_EQ(scores[0].escaped, 3u);
}

}  // namespace
}  // namespace hurricane::hindcast

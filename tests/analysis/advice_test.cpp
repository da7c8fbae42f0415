// The choices advice [A] and the verdict make from a round's analysis: which escapes are
// recommended and in which order, the area class, and the dangerous quarter.
#include "analysis/advice.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstddef>
#include <vector>

#include "analysis/escapes.h"
#include "analysis/max_cpa.h"

namespace hurricane::analysis {
namespace {

// A hand-made analysis: every course admissible unless listed in `closed`.
RoundAnalysis analysis_with(int numc, double rn1k, double rn2k, int karea,
                            std::vector<int> closed = {}) {
  RoundAnalysis r;
  r.numc = numc;
  r.kben1 = 100;
  r.kben2 = 200;
  r.rn1k = rn1k;
  r.rn2k = rn2k;
  r.karea = karea;
  for (const int c : closed) r.icrs[static_cast<std::size_t>(c)] = 1;
  return r;
}

std::vector<int> courses(const CourseAdvice& a) {
  std::vector<int> list;
  for (const Escape& e : a.escapes) list.push_back(e.course);
  return list;
}

CourseAdvice escapes_of(const RoundAnalysis& r) {
  return course_advice(r);
}

Area area_for(const RoundAnalysis& r, double dist = 1000, double cpa = 150) {
  RoundValues v;
  v.dist = dist;
  v.cpa = cpa;
  return area_of(v, course_advice(r));
}

using V = std::vector<int>;

TEST(EscapeAdvice, OrderAndFallbackOfTheEscapes) {
  // Two ranges: the cheaper escape first (by absolute speed), escape 1 first on a tie.
  EXPECT_EQ(courses(escapes_of(analysis_with(4, 3, 5, 4))), (V{100, 200}));
  EXPECT_EQ(courses(escapes_of(analysis_with(4, 6, -5, 4))), (V{200, 100}));
  EXPECT_EQ(courses(escapes_of(analysis_with(4, -5, 5, 4))), (V{100, 200}));
  // One range: the cheaper one alone, or the other when the field closes the cheaper's course.
  EXPECT_EQ(courses(escapes_of(analysis_with(2, 3, 5, 4))), V{100});
  EXPECT_EQ(courses(escapes_of(analysis_with(2, 3, 5, 4, {100}))), V{200});
  EXPECT_EQ(courses(escapes_of(analysis_with(2, 3, 5, 4, {100, 200}))), V{});
  // Two ranges with one course closed: only the open one.
  EXPECT_EQ(courses(escapes_of(analysis_with(4, 3, 5, 4, {200}))), V{100});
  // No range, or three: no escape at all.
  EXPECT_EQ(courses(escapes_of(analysis_with(0, 3, 5, 4))), V{});
  EXPECT_EQ(courses(escapes_of(analysis_with(6, 3, 5, 4))), V{});
}

TEST(EscapeAdvice, SpeedsAreAbsoluteAndShownOnlyWhenStayingFails) {
  const CourseAdvice moving = escapes_of(analysis_with(4, -3, 5, 4));
  ASSERT_EQ(moving.escapes.size(), 2u);
  EXPECT_EQ(moving.escapes[0].speed, 3.0);
  EXPECT_TRUE(moving.escapes[0].speed_shown);
  EXPECT_FALSE(moving.stay_possible);
  const CourseAdvice staying = escapes_of(analysis_with(4, -3, 5, 0));
  EXPECT_FALSE(staying.escapes[0].speed_shown);
  EXPECT_TRUE(staying.stay_possible);
}

TEST(EscapeAdvice, AreaClasses) {
  // Some range: distant; no range and every course closed: external; inside the distance to
  // keep: internal, whatever the ranges say.
  EXPECT_EQ(area_for(analysis_with(2, 3, 5, 4)), Area::kDistant);
  EXPECT_EQ(area_for(analysis_with(0, 3, 5, 4, {360})), Area::kExternal);
  EXPECT_EQ(area_for(analysis_with(0, 3, 5, 4)), Area::kDistant);  // all courses open
  EXPECT_TRUE(escapes_of(analysis_with(0, 3, 5, 4)).all_courses);
  EXPECT_EQ(area_for(analysis_with(2, 3, 5, 4), 100, 150), Area::kInternal);
  EXPECT_EQ(area_for(analysis_with(0, 3, 5, 4, {360}), 100, 150), Area::kInternal);
  EXPECT_EQ(area_for(analysis_with(2, 3, 5, 4), 150, 150), Area::kDistant);  // strict
}

TEST(Verdict, AheadOnTheDangerousSideAndTheWindRuleMirroredSouth) {
  struct Row {
    double alfa;
    bool north, south;
  };
  // alfa: from the track to the ship, positive to the right of the track.
  for (const Row& row : {Row{0, false, false}, Row{45, true, false}, Row{-45, false, true},
                         Row{89.9, true, false}, Row{90, false, false}, Row{-90, false, false},
                         Row{135, false, false}, Row{180, false, false}}) {
    EXPECT_EQ(verdict(Area::kDistant, row.alfa, Hemisphere::kNorth).in_dangerous_quarter, row.north)
        << row.alfa;
    EXPECT_EQ(verdict(Area::kDistant, row.alfa, Hemisphere::kSouth).in_dangerous_quarter, row.south)
        << row.alfa;
  }
  const Verdict north = verdict(Area::kInternal, 0, Hemisphere::kNorth);
  EXPECT_EQ(north.dangerous_side, TrackSide::kRight);
  EXPECT_EQ(north.keep_wind_on, WindSide::kStarboard);
  const Verdict south = verdict(Area::kInternal, 0, Hemisphere::kSouth);
  EXPECT_EQ(south.dangerous_side, TrackSide::kLeft);
  EXPECT_EQ(south.keep_wind_on, WindSide::kPort);
  EXPECT_EQ(south.area, Area::kInternal);
}

TEST(MaxCpa, TheThreeCases) {
  // The defaults: a CPA of 688.6 nm ahead on course 141.5, 3 d 13 h 27 m 22 s to go.
  const Advice ahead = advise(round_values({1000, 275, 91, 11, 150, 7}), Hemisphere::kNorth);
  const MaxCpa& b = ahead.max_cpa;
  EXPECT_EQ(b.kind, CpaCase::kCpaAhead);
  ASSERT_TRUE(b.course.has_value());
  EXPECT_NEAR(b.cpa, 688.6, 0.05);
  EXPECT_NEAR(*b.course, 141.5, 0.05);
  EXPECT_NEAR(b.time_to_go.count(), 3 * 24 + 13 + 27 / 60.0 + 22 / 3600.0, 0.5 / 3600);
  EXPECT_EQ(b.suggested_course, 141);  // the course rounded half up
  EXPECT_NEAR(track_angle(275, 91), 4.0, 1e-9);  // the ship lies 4 degrees right of the track
  EXPECT_FALSE(b.slow_ship_hint);
  // The CPA point lies at the stated CPA from the ship, on the storm's relative motion line.
  EXPECT_NEAR(std::hypot(b.cpa_point.north, b.cpa_point.east), b.cpa, 1e-9 * 1000);
  const Offset storm = ahead.drawing.storm;
  const double cross = (b.cpa_point.north - storm.north) * b.relative_velocity.east -
                       (b.cpa_point.east - storm.east) * b.relative_velocity.north;
  EXPECT_NEAR(cross, 0.0, 1e-6);
  // Faster than the hurricane: the CPA does not matter; the course away stands, no course.
  const MaxCpa faster =
      advise(round_values({1000, 275, 91, 11, 150, 12}), Hemisphere::kNorth).max_cpa;
  EXPECT_EQ(faster.kind, CpaCase::kFaster);
  EXPECT_FALSE(faster.course.has_value());
  EXPECT_EQ(faster.time_to_go.count(), 0.0);
  EXPECT_EQ(faster.suggested_course, 95);
  // The hurricane passing astern: the present distance is already the largest CPA.
  const MaxCpa achieved =
      advise(round_values({1000, 275, 271, 11, 150, 3}), Hemisphere::kNorth).max_cpa;
  EXPECT_EQ(achieved.kind, CpaCase::kAchieved);
  EXPECT_FALSE(achieved.course.has_value());
  EXPECT_EQ(achieved.cpa, 1000.0);
  EXPECT_TRUE(achieved.slow_ship_hint);  // 3 kn is below half of 11
}

}  // namespace
}  // namespace hurricane::analysis

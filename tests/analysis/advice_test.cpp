// The choices advice [A] and the verdict make from a round's analysis: which escapes are
// recommended and in which order, the area class, and the dangerous quarter.
#include "analysis/advice.h"

#include <gtest/gtest.h>

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

std::vector<int> courses(const Advice& a) {
  std::vector<int> list;
  for (const Escape& e : a.escapes) list.push_back(e.course);
  return list;
}

Advice escapes_of(const RoundAnalysis& r, double dist = 1000, double cpa = 150) {
  RoundValues v;
  v.dist = dist;
  v.cpa = cpa;
  Advice a;
  escape_advice(v, r, a);
  return a;
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
  const Advice moving = escapes_of(analysis_with(4, -3, 5, 4));
  ASSERT_EQ(moving.escapes.size(), 2u);
  EXPECT_EQ(moving.escapes[0].speed, 3.0);
  EXPECT_TRUE(moving.escapes[0].speed_shown);
  EXPECT_FALSE(moving.stay_possible);
  const Advice staying = escapes_of(analysis_with(4, -3, 5, 0));
  EXPECT_FALSE(staying.escapes[0].speed_shown);
  EXPECT_TRUE(staying.stay_possible);
}

TEST(EscapeAdvice, AreaClasses) {
  // Some range: distant; no range and every course closed: external; inside the distance to
  // keep: internal, whatever the ranges say.
  EXPECT_EQ(escapes_of(analysis_with(2, 3, 5, 4)).area, Area::kDistant);
  EXPECT_EQ(escapes_of(analysis_with(0, 3, 5, 4, {360})).area, Area::kExternal);
  EXPECT_EQ(escapes_of(analysis_with(0, 3, 5, 4)).area, Area::kDistant);  // all courses open
  EXPECT_TRUE(escapes_of(analysis_with(0, 3, 5, 4)).all_courses);
  EXPECT_EQ(escapes_of(analysis_with(2, 3, 5, 4), 100, 150).area, Area::kInternal);
  EXPECT_EQ(escapes_of(analysis_with(0, 3, 5, 4, {360}), 100, 150).area, Area::kInternal);
  EXPECT_EQ(escapes_of(analysis_with(2, 3, 5, 4), 150, 150).area, Area::kDistant);  // strict
}

TEST(DangerousQuarter, AheadOnTheDangerousSide) {
  struct Row {
    double alfa;
    bool north, south;
  };
  // alfa: from the track to the ship, positive to the right of the track.
  for (const Row& row : {Row{0, false, false}, Row{45, true, false}, Row{-45, false, true},
                         Row{89.9, true, false}, Row{90, false, false}, Row{-90, false, false},
                         Row{135, false, false}, Row{180, false, false}}) {
    EXPECT_EQ(dangerous_quarter(row.alfa, Hemisphere::kNorth), row.north) << row.alfa;
    EXPECT_EQ(dangerous_quarter(row.alfa, Hemisphere::kSouth), row.south) << row.alfa;
  }
}

TEST(MaxCpa, TheThreeCases) {
  RoundValues v = round_values({1000, 275, 91, 11, 150, 7});
  double alfa = 0;
  // The defaults: a CPA of 688.6 nm ahead on course 141.5, 3 d 13 h 27 m 22 s to go.
  const MaxCpa ahead = max_cpa(v, 91, alfa);
  EXPECT_EQ(ahead.kind, CpaCase::kCpaAhead);
  EXPECT_TRUE(ahead.cpa_block);
  EXPECT_NEAR(ahead.cpa, 688.6, 0.05);
  EXPECT_NEAR(ahead.becpa, 141.5, 0.05);
  EXPECT_EQ((V{ahead.iday, ahead.ihour, ahead.imin, ahead.isec}), (V{3, 13, 27, 22}));
  EXPECT_NEAR(alfa, 4.0, 1e-9);  // the ship lies 4 degrees right of the track
  EXPECT_FALSE(ahead.slow_ship_hint);
  // Faster than the hurricane: the CPA does not matter; the course away stands.
  const MaxCpa faster = max_cpa(round_values({1000, 275, 91, 11, 150, 12}), 91, alfa);
  EXPECT_EQ(faster.kind, CpaCase::kFaster);
  EXPECT_FALSE(faster.cpa_block);
  EXPECT_EQ(faster.ibecpa, 95);
  // The hurricane passing astern: the present distance is already the largest CPA.
  const MaxCpa achieved = max_cpa(round_values({1000, 275, 271, 11, 150, 3}), 271, alfa);
  EXPECT_EQ(achieved.kind, CpaCase::kAchieved);
  EXPECT_EQ(achieved.icpa, 1000);
  EXPECT_TRUE(achieved.slow_ship_hint);  // 3 kn is below half of 11
}

}  // namespace
}  // namespace hurricane::analysis

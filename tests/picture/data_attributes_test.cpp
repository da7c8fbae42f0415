// The advice the picture carries as data: every number reads back as the Advice's own value.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

#include "picture/maneuvering_board.h"
#include "picture/parts.h"
#include "picture/svg_reading.h"

namespace hurricane::picture {
namespace {

using testing::advice_for;
using testing::Attributes;
using testing::elements_of_class;

double number(const Attributes& a, const std::string& name) {
  const auto it = a.find(name);
  EXPECT_NE(it, a.end()) << "no attribute " << name;
  return it == a.end() ? NAN : std::stod(it->second);
}

std::vector<int> courses_of(const std::vector<Attributes>& arrows) {
  std::vector<int> list;
  for (const Attributes& a : arrows) list.push_back(static_cast<int>(number(a, "data-course")));
  return list;
}

TEST(PictureData, DefaultRoundCarriesRangesStormEscapeAndCpa) {
  const analysis::Advice a = advice_for(1000, 275, 91, 11, 150, 7);
  const std::string svg = maneuvering_board(a);

  const auto ranges = elements_of_class(svg, "admissible");
  ASSERT_EQ(ranges.size(), 1u);
  EXPECT_EQ(ranges[0].at("data-first"), "153");
  EXPECT_EQ(ranges[0].at("data-last"), "200");

  const auto storm = elements_of_class(svg, "storm");
  ASSERT_EQ(storm.size(), 1u);
  EXPECT_EQ(number(storm[0], "data-bearing"), 275.0);
  EXPECT_EQ(number(storm[0], "data-distance"), 1000.0);

  EXPECT_EQ(courses_of(elements_of_class(svg, "escape")), std::vector<int>{176});
  EXPECT_EQ(number(elements_of_class(svg, "escape")[0], "data-speed-kn"),
            a.courses.escapes[0].speed);

  const auto cpa = elements_of_class(svg, "cpa");
  ASSERT_EQ(cpa.size(), 1u);
  EXPECT_EQ(number(cpa[0], "data-cpa-nm"), a.max_cpa.cpa);  // exact, not rounded
  EXPECT_EQ(number(cpa[0], "data-tcpa-h"), a.max_cpa.time_to_go.count());
  EXPECT_NEAR(a.max_cpa.cpa, 688.62, 0.01);

  const auto b = elements_of_class(svg, "max-cpa");
  ASSERT_EQ(b.size(), 1u);
  EXPECT_EQ(number(b[0], "data-course"), *a.max_cpa.course);
  EXPECT_TRUE(elements_of_class(svg, "away").empty());  // the report gives no course away

  EXPECT_NE(svg.find("data-area=\"distant\""), std::string::npos);
  EXPECT_NE(svg.find("data-dangerous-quarter=\"true\""), std::string::npos);
}

TEST(PictureData, RangesThroughNorthTwoRangesAllCoursesAndCourseAway) {
  // The storm moving away: one range through north (11 to 9), the course away.
  const analysis::Advice away = advice_for(300, 0, 10, 10, 50, 5);
  const std::string away_svg = maneuvering_board(away);
  const auto through_north = elements_of_class(away_svg, "admissible");
  ASSERT_EQ(through_north.size(), 1u);
  EXPECT_EQ(through_north[0].at("data-first"), std::to_string(away.courses.ranges[0].first));
  EXPECT_EQ(through_north[0].at("data-last"), std::to_string(away.courses.ranges[0].last));
  EXPECT_GT(away.courses.ranges[0].first, away.courses.ranges[0].last);
  ASSERT_TRUE(away.courses.moving_away);
  EXPECT_EQ(courses_of(elements_of_class(away_svg, "away")),
            std::vector<int>{away.courses.course_away});
  // Advice [B] without a CPA ahead: the suggested course, and no CPA point.
  EXPECT_EQ(number(elements_of_class(away_svg, "max-cpa")[0], "data-course"),
            away.max_cpa.suggested_course);
  EXPECT_TRUE(elements_of_class(away_svg, "cpa").empty());

  // A fast ship with the storm coming up from the south: two ranges and two escapes.
  const analysis::Advice two = advice_for(500, 180, 0, 10, 150, 12);
  const std::string two_svg = maneuvering_board(two);
  const auto ranges = elements_of_class(two_svg, "admissible");
  ASSERT_EQ(ranges.size(), 2u);
  for (std::size_t k = 0; k < 2; ++k) {
    EXPECT_EQ(ranges[k].at("data-first"), std::to_string(two.courses.ranges[k].first));
    EXPECT_EQ(ranges[k].at("data-last"), std::to_string(two.courses.ranges[k].last));
  }
  EXPECT_EQ(courses_of(elements_of_class(two_svg, "escape")),
            (std::vector<int>{two.courses.escapes[0].course, two.courses.escapes[1].course}));

  // A storm moving away from a slow ship: every course open, drawn as one whole ring.
  const analysis::Advice all = advice_for(300, 0, 10, 10, 50, 1);
  ASSERT_TRUE(all.courses.all_courses);
  const auto ring = elements_of_class(maneuvering_board(all), "admissible");
  ASSERT_EQ(ring.size(), 1u);
  EXPECT_EQ(ring[0].at("data-first"), "1");
  EXPECT_EQ(ring[0].at("data-last"), "360");
  EXPECT_EQ(ring[0].at("data-all-courses"), "true");
}

TEST(PictureData, SituationsWithoutASolutionDrawWhatExistsAndSaySo) {
  // Inside the distance to keep: no cone, no open course; the cone's edges read as none.
  const std::string inside = maneuvering_board(advice_for(100, 300, 120, 12, 150, 10));
  EXPECT_TRUE(elements_of_class(inside, "admissible").empty());
  EXPECT_TRUE(elements_of_class(inside, "escape").empty());
  EXPECT_EQ(elements_of_class(inside, "velocity-diagram")[0].at("data-be1"), "none");
  EXPECT_EQ(elements_of_class(inside, "danger-cone").size(), 0u);
  EXPECT_NE(inside.find("data-area=\"internal\""), std::string::npos);
  EXPECT_NE(inside.find("inside the distance to keep"), std::string::npos);

  // A storm at rest has no track and no positions ahead.
  const std::string at_rest = maneuvering_board(advice_for(300, 45, 90, 0, 100, 5));
  EXPECT_TRUE(elements_of_class(at_rest, "track").empty());
  EXPECT_TRUE(elements_of_class(at_rest, "storm-ahead").empty());
  EXPECT_EQ(elements_of_class(at_rest, "storm").size(), 1u);
  EXPECT_NE(at_rest.find("storm at rest"), std::string::npos);

  // A ship that cannot move.
  const std::string no_way = maneuvering_board(advice_for(300, 45, 225, 10, 100, 0));
  EXPECT_NE(no_way.find("the ship cannot move"), std::string::npos);
}

TEST(PictureData, NoNumberIsEverNanOrInfinite) {
  // Extreme and degenerate answers, each with both palettes: the file holds no NaN or
  // infinity anywhere (attributes, path data or text).
  const double values[] = {0, 1e-300, 0.5, 150, 999999, 1e300};
  int checked = 0;
  for (const double dist : values) {
    for (const double cpa : values) {
      for (const double speed : {0.0, 11.0, 1e300}) {
        for (const double vship : {0.0, 7.0, 1e300}) {
          const analysis::Advice a = advice_for(dist, 275, 91, speed, cpa, vship);
          for (const bool night : {false, true}) {
            const std::string svg = maneuvering_board(a, {night});
            ASSERT_EQ(svg.find("nan"), std::string::npos) << dist << " " << cpa << " " << speed;
            ASSERT_EQ(svg.find("inf"), std::string::npos) << dist << " " << cpa << " " << speed;
            ++checked;
          }
        }
      }
    }
  }
  EXPECT_EQ(checked, 6 * 6 * 3 * 3 * 2);
}

// The storm moving away and [B] suggesting nearly its course (away 091, [B] 090): the labels of
// the two arrows would lie one over the other, so the [B] label names both and the course away
// has no label of its own.
TEST(PictureData, CoursesAlmostTogetherShareOneLabel) {
  const analysis::Advice close = advice_for(622, 271, 315, 6, 230, 14);
  ASSERT_TRUE(close.courses.moving_away);
  ASSERT_LT(std::abs(std::remainder(close.courses.course_away - max_cpa_course(close), 360.0)),
            15.0);
  const std::string svg = maneuvering_board(close);
  char away_words[16];
  std::snprintf(away_words, sizeof away_words, "away %03d", close.courses.course_away);
  EXPECT_EQ(svg.find(std::string(">") + away_words + "<"), std::string::npos);
  EXPECT_NE(svg.find(std::string(" · ") + away_words + "<"), std::string::npos);
  EXPECT_EQ(elements_of_class(svg, "away").size(), 1u);  // the arrow is still drawn
}

}  // namespace
}  // namespace hurricane::picture

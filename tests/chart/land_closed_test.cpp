// The courses land shuts, marked at the ship apart from the open ones: each range of the advice
// as a wedge along its own courses, and named in the legend only when drawn.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "chart/scene.h"
#include "chart_cases.h"
#include "forecast/ship_track.h"

namespace hurricane::chart {
namespace {

using forecast::testing::equal_radii;
using forecast::testing::track_of;
using testing::inside;
using testing::judged;

// The pixels of a path "Mx y Lx y ... Z".
std::vector<Pixel> ring_of(const std::string& d) {
  std::vector<Pixel> ring;
  for (std::size_t at = 0; (at = d.find_first_of("ML", at)) != std::string::npos; ++at) {
    std::size_t used = 0;
    const double x = std::stod(d.substr(at + 1), &used);
    const double y = std::stod(d.substr(at + 1 + used));
    ring.push_back({x, y});
  }
  return ring;
}

// Every <path class="land-closed"> of `svg`: its courses and its outline.
struct Wedge {
  int first = 0;
  int last = 0;
  std::vector<Pixel> ring;
};
std::vector<Wedge> land_wedges(const std::string& svg) {
  std::vector<Wedge> wedges;
  const std::string start = "class=\"land-closed\"";
  for (std::size_t at = svg.find(start); at != std::string::npos; at = svg.find(start, at + 1)) {
    const auto attribute = [&](const std::string& name) {
      const std::size_t from = svg.find(name + "=\"", at) + name.size() + 2;
      return svg.substr(from, svg.find('"', from) - from);
    };
    wedges.push_back({std::stoi(attribute("data-first")), std::stoi(attribute("data-last")),
                      ring_of(attribute("d"))});
  }
  return wedges;
}

TEST(LandClosed, EachRangeAWedgeAlongItsCoursesAndOnlyThose) {
  testing::Case c = judged({track_of({{0, {20.0, -60.0}, 90, equal_radii(100)},
                                      {72, {26.0, -62.0}, 80, equal_radii(120)}},
                                     {340, 5})},
                           {24.0, -50.0});
  const std::string open_sea = forecast_chart(c.input());
  EXPECT_TRUE(land_wedges(open_sea).empty());
  EXPECT_EQ(open_sea.find("shut by land"), std::string::npos);

  // As advice [F] states them when land was held against the tracks: one through north.
  c.advice.land_checked = true;
  c.advice.land_closed = {{20, 40}, {330, 10}};
  const Chart chart = draw_chart(c.input());
  const std::vector<Wedge> wedges = land_wedges(chart.svg);
  ASSERT_EQ(wedges.size(), 2u);
  const double reach = fan_reach_nm(c.input());
  for (std::size_t i = 0; i < wedges.size(); ++i) {
    EXPECT_EQ(wedges[i].first, c.advice.land_closed[i].first);
    EXPECT_EQ(wedges[i].last, c.advice.land_closed[i].last);
  }
  // Halfway out along a course: inside the wedge of its range, outside the other.
  const auto at = [&](int course) {
    return chart.projection.at(forecast::rhumb_position(c.ship, course, reach / 2));
  };
  for (const int course : {21, 30, 39}) {
    EXPECT_TRUE(inside(at(course), wedges[0].ring)) << course;
    EXPECT_FALSE(inside(at(course), wedges[1].ring)) << course;
  }
  for (const int course : {331, 350, 0, 9}) {
    EXPECT_TRUE(inside(at(course), wedges[1].ring)) << course;
    EXPECT_FALSE(inside(at(course), wedges[0].ring)) << course;
  }
  for (const int course : {15, 90, 200, 320}) {
    EXPECT_FALSE(inside(at(course), wedges[0].ring) || inside(at(course), wedges[1].ring))
        << course;
  }
  EXPECT_NE(chart.svg.find("courses shut by land within the horizon"), std::string::npos);
}

}  // namespace
}  // namespace hurricane::chart

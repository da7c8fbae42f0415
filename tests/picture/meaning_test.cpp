// What the picture means, read back from its geometry: the dangerous quarter on the side the
// advice names and around the ship exactly when the advice puts the ship in it, the CPA point
// at the advice's CPA, the words of the verdict those of the advice.
#include <gtest/gtest.h>

#include <cmath>
#include <cstddef>
#include <string>
#include <vector>

#include "picture/layout.h"
#include "picture/maneuvering_board.h"
#include "picture/svg_reading.h"

namespace hurricane::picture {
namespace {

using analysis::Hemisphere;
using testing::advice_for;
using testing::Attributes;
using testing::elements_of_class;

// The attributes of the first `tag` element after the element of class `name`.
Attributes first_after(const std::string& svg, const std::string& name, const std::string& tag) {
  const std::size_t group = svg.find("class=\"" + name + "\"");
  if (group == std::string::npos) return {};
  const std::size_t at = svg.find("<" + tag + " ", group);
  if (at == std::string::npos) return {};
  // Read it as if it carried the class itself.
  const std::size_t end = svg.find('>', at);
  std::string element = svg.substr(at, end - at + 1);
  element.insert(tag.size() + 1, " class=\"probe\"");
  const std::vector<Attributes> found = elements_of_class(element, "probe");
  return found.empty() ? Attributes{} : found[0];
}

std::vector<Screen> polygon_points(const std::string& points) {
  std::vector<Screen> list;
  std::size_t at = 0;
  while (at < points.size()) {
    const std::size_t comma = points.find(',', at);
    const std::size_t space = points.find(' ', comma);
    if (comma == std::string::npos) break;
    list.push_back({std::stod(points.substr(at, comma - at)),
                    std::stod(points.substr(comma + 1, space - comma - 1))});
    if (space == std::string::npos) break;
    at = space + 1;
  }
  return list;
}

// Even-odd rule: whether `p` lies inside the polygon.
bool inside(const std::vector<Screen>& polygon, Screen p) {
  bool in = false;
  for (std::size_t i = 0, j = polygon.size() - 1; i < polygon.size(); j = i++) {
    const Screen a = polygon[i];
    const Screen b = polygon[j];
    if ((a.y > p.y) != (b.y > p.y) && p.x < (b.x - a.x) * (p.y - a.y) / (b.y - a.y) + a.x) {
      in = !in;
    }
  }
  return in;
}

// The drawn quarter: its corners, the first being the storm's centre.
std::vector<Screen> quarter_of(const std::string& svg) {
  return polygon_points(first_after(svg, "dangerous-quarter", "polygon")["points"]);
}

// How far right of the track (degrees true) a screen point lies from `from`, in pixels:
// negative on the left.
double right_of_track(Screen from, double track, Screen p) {
  const double north = from.y - p.y;
  const double east = p.x - from.x;
  const double rad = track * std::acos(-1.0) / 180;
  return -std::sin(rad) * north + std::cos(rad) * east;
}

TEST(PictureMeaning, SouthernPictureKeepsTheWindOnPortAndHatchesTheLeftQuarter) {
  // The ship inside the distance to keep, south of the equator: the report says port.
  const analysis::Advice a = advice_for(100, 300, 120, 12, 150, 10, Hemisphere::kSouth);
  ASSERT_EQ(a.verdict.keep_wind_on, analysis::WindSide::kPort);
  const std::string svg = maneuvering_board(a);
  EXPECT_NE(svg.find("keep the wind from port"), std::string::npos);
  EXPECT_EQ(svg.find("starboard"), std::string::npos);

  const std::vector<Screen> quarter = quarter_of(svg);
  ASSERT_EQ(quarter.size(), 4u);
  Screen centroid;
  for (const Screen& p : quarter) {
    centroid.x += p.x / 4;
    centroid.y += p.y / 4;
  }
  EXPECT_LT(right_of_track(quarter[0], 120, centroid), 0) << "the quarter is not on the left";
  EXPECT_EQ(elements_of_class(svg, "dangerous-quarter")[0].at("data-side"), "left");

  // The same situation north of the equator: starboard, and the right quarter.
  const std::string north = maneuvering_board(advice_for(100, 300, 120, 12, 150, 10));
  EXPECT_NE(north.find("keep the wind from starboard"), std::string::npos);
  const std::vector<Screen> right = quarter_of(north);
  ASSERT_EQ(right.size(), 4u);
  EXPECT_GT(right_of_track(right[0], 120, right[2]), 0) << "the quarter is not on the right";
}

TEST(PictureMeaning, QuarterAroundTheShipAndCpaPointAsTheAdviceSays) {
  const Screen ship{kBoardX, kBoardY};
  int in_quarter = 0;
  int cpa_points = 0;
  int situations = 0;
  for (const Hemisphere hemisphere : {Hemisphere::kNorth, Hemisphere::kSouth}) {
    for (const double dist : {80.0, 300.0, 900.0}) {
      for (double bearing = 7; bearing < 360; bearing += 29) {
        for (const double track : {5.0, 97.0, 200.0, 311.0}) {
          for (const double keep : {50.0, 150.0}) {
            for (const double ship_speed : {6.0, 20.0}) {
              const analysis::Advice a =
                  advice_for(dist, bearing, track, 12, keep, ship_speed, hemisphere);
              const std::string svg = maneuvering_board(a);
              const std::string where =
                  std::to_string(dist) + " nm at " + std::to_string(bearing) + ", track " +
                  std::to_string(track) + ", keep " + std::to_string(keep) + ", ship " +
                  std::to_string(ship_speed) + " kn, " + analysis::hemisphere_name(hemisphere);
              ++situations;
              // The ship on the quarter's edge (abeam or dead ahead) is left to either side.
              const double off = std::fmod(std::fabs(bearing + 180 - track), 90.0);
              if (off > 0.5 && off < 89.5) {
                const std::vector<Screen> quarter = quarter_of(svg);
                ASSERT_EQ(quarter.size(), 4u) << where;
                EXPECT_EQ(inside(quarter, ship), a.verdict.in_dangerous_quarter) << where;
                in_quarter += a.verdict.in_dangerous_quarter ? 1 : 0;
              }

              const std::vector<Attributes> cpa = elements_of_class(svg, "cpa");
              ASSERT_EQ(cpa.size(), a.max_cpa.course ? 1u : 0u) << where;
              if (cpa.empty()) continue;
              const Attributes point = first_after(svg, "cpa", "circle");
              const double nm_per_px = keep / std::stod(first_after(svg, "keep", "circle").at("r"));
              const double drawn = std::hypot(std::stod(point.at("cx")) - ship.x,
                                              std::stod(point.at("cy")) - ship.y) *
                                   nm_per_px;
              // Coordinates are written to 0.01 px.
              EXPECT_NEAR(drawn, std::stod(cpa[0].at("data-cpa-nm")), 0.02 * nm_per_px) << where;
              ++cpa_points;
            }
          }
        }
      }
    }
  }
  EXPECT_EQ(situations, 2 * 3 * 13 * 4 * 2 * 2);
  EXPECT_GT(in_quarter, 100);
  EXPECT_GT(cpa_points, 200);
}

}  // namespace
}  // namespace hurricane::picture

// The legend names what the board drew and nothing else: an entry for each kind of element
// present, none for one that is absent, whatever the situation leaves out.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "picture/maneuvering_board.h"
#include "picture/svg_reading.h"

namespace hurricane::picture {
namespace {

using testing::advice_for;
using testing::Attributes;
using testing::elements_of_class;

// Every item a legend entry can explain, by the class of what it explains.
const std::vector<std::string> kItems = {"admissible",
                                         "closed",
                                         "dangerous-quarter",
                                         "keep",
                                         "track",
                                         "forecast-track",
                                         "wind-radii",
                                         "escape",
                                         "max-cpa",
                                         "relative-motion",
                                         "away",
                                         "danger-cone",
                                         "uncertainty"};

// Whether the board shows `item`. The closed band lies under every board; it shows unless an
// open range covers all courses.
bool drawn(const std::string& svg, const std::string& item) {
  if (item == "closed") {
    for (const Attributes& open : elements_of_class(svg, "admissible")) {
      if (open.at("data-all-courses") == "true") return false;
    }
    return true;
  }
  return !elements_of_class(svg, item).empty();
}

std::map<std::string, std::string> legend_items(const std::string& svg) {
  std::map<std::string, std::string> items;
  for (const Attributes& entry : elements_of_class(svg, "legend-entry")) {
    items[entry.at("data-item")] = entry.at("data-item");
  }
  return items;
}

// A forecast ahead of the storm of `advice`: now and +12 h north of it, 34-kt winds only.
analysis::Advice with_forecast(analysis::Advice advice) {
  analysis::ForecastTrack f;
  const analysis::Offset now = advice.drawing.storm;
  analysis::ForecastPosition p0;
  p0.time = "2024-01-01T00:00:00Z";
  p0.centre = now;
  p0.radii_nm[0] = {60, 50, 40, 30};
  analysis::ForecastPosition p12 = p0;
  p12.hours = 12;
  p12.time = "2024-01-01T12:00:00Z";
  p12.centre = {now.north + 60, now.east};
  f.positions = {p0, p12};
  for (int h = 0; h <= 12; ++h) f.path.push_back({now.north + 5.0 * h, now.east});
  advice.drawing.forecast = f;
  return advice;
}

TEST(Legend, ListsExactlyWhatIsDrawn) {
  const std::vector<std::pair<std::string, analysis::Advice>> cases = {
      {"distant", advice_for(1000, 275, 91, 11, 150, 7)},
      {"inside the distance to keep", advice_for(100, 90, 270, 10, 150, 12)},
      {"storm at rest", advice_for(400, 45, 0, 0, 150, 12)},
      {"ship cannot move", advice_for(400, 45, 225, 10, 150, 0)},
      {"storm moving away", advice_for(300, 90, 90, 10, 150, 5)},
      {"every course open", advice_for(1000, 90, 90, 20, 100, 5)},
      {"external", advice_for(250, 90, 270, 20, 200, 8)},
      {"with a forecast", with_forecast(advice_for(600, 300, 120, 10, 150, 12))},
  };
  std::map<std::string, int> boards_with;
  for (const auto& [name, advice] : cases) {
    SCOPED_TRACE(name);
    for (const bool night : {false, true}) {
      const std::string svg = maneuvering_board(advice, {.night = night});
      const auto legend = legend_items(svg);
      for (const std::string& item : kItems) {
        EXPECT_EQ(legend.count(item) == 1, drawn(svg, item)) << item;
        if (!night && drawn(svg, item)) ++boards_with[item];
      }
      EXPECT_EQ(legend.size(), elements_of_class(svg, "legend-entry").size());
    }
  }
  // The cases leave each item out at least once, so the legend is seen to follow the board.
  for (const std::string& item : kItems) {
    if (item == "max-cpa" || item == "dangerous-quarter" || item == "keep") continue;
    EXPECT_LT(boards_with[item], static_cast<int>(cases.size())) << item;
    EXPECT_GT(boards_with[item], 0) << item;
  }
}

TEST(Legend, NamesTheWindRadiiDrawnAndTheForecastInsteadOfThePresentMotion) {
  const std::string svg = maneuvering_board(with_forecast(advice_for(600, 300, 120, 10, 150, 12)));
  EXPECT_NE(svg.find(">34-kt wind radii<"), std::string::npos);
  EXPECT_EQ(svg.find("50-kt"), std::string::npos);
  EXPECT_NE(svg.find(">storm, forecast track, +12/24/48 h<"), std::string::npos);
  EXPECT_EQ(svg.find(">storm, track, +12/24/48 h<"), std::string::npos);

  analysis::Advice all = with_forecast(advice_for(600, 300, 120, 10, 150, 12));
  all.drawing.forecast->positions[1].radii_nm[1] = {20, 20, 20, 20};
  all.drawing.forecast->positions[1].radii_nm[2] = {0, 10, 0, 0};
  EXPECT_NE(maneuvering_board(all).find(">34-, 50- and 64-kt wind radii<"), std::string::npos);
}

}  // namespace
}  // namespace hurricane::picture

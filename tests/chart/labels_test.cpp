// Labels: the placer keeps boxes apart, every forecast point is drawn with its time, and no two
// labels drawn overlap, even where storms crowd.
#include <gtest/gtest.h>

#include "chart_cases.h"
#include "picture/svg_reading.h"

namespace hurricane::chart {
namespace {

using forecast::testing::equal_radii;
using forecast::testing::track_of;
using testing::judged;

TEST(LabelPlacer, KeepsBoxesApartOrLeavesTheLabelOut) {
  LabelPlacer placer({0, 0, 200, 100});
  placer.block({95, 45, 10, 10});
  const Box size = label_size("13/00Z 100 kt");
  int placed = 0;
  for (int i = 0; i < 40; ++i) placed += placer.place(100, 50, size).has_value();
  EXPECT_GT(placed, 3);
  EXPECT_LT(placed, 40);  // the plot cannot hold forty
  const std::vector<Box>& boxes = placer.labels();
  for (std::size_t i = 0; i < boxes.size(); ++i) {
    EXPECT_FALSE(overlaps(boxes[i], {95, 45, 10, 10}));
    EXPECT_GE(boxes[i].x, 0);
    EXPECT_LE(boxes[i].x + boxes[i].width, 200);
    for (std::size_t j = 0; j < i; ++j) EXPECT_FALSE(overlaps(boxes[i], boxes[j]));
  }
  EXPECT_EQ(label_size("090°").width, label_size("0900").width);
}

void expect_no_overlaps(const std::string& svg, const std::string& name) {
  const std::vector<testing::DrawnLabel> labels = testing::drawn_labels(svg);
  ASSERT_FALSE(labels.empty()) << name;
  for (std::size_t i = 0; i < labels.size(); ++i) {
    for (std::size_t j = 0; j < i; ++j) {
      EXPECT_FALSE(overlaps(labels[i].box, labels[j].box))
          << name << ": \"" << labels[i].text << "\" and \"" << labels[j].text << '"';
    }
  }
}

// Three storms a few hours apart around a ship, slow, with many points: the crowd the placer
// has to sort out.
std::vector<testing::Case> crowded() {
  std::vector<testing::Case> cases;
  std::vector<forecast::StormTrack> storms;
  for (int s = 0; s < 3; ++s) {
    forecast::StormTrack track = track_of({{0, {20.0 + s, -60.0 - s}, 100, equal_radii(90)},
                                           {6, {20.3 + s, -60.2 - s}, 95, equal_radii(90)},
                                           {12, {20.6 + s, -60.4 - s}, 90, equal_radii(90)},
                                           {18, {20.9 + s, -60.6 - s}, 85, equal_radii(90)},
                                           {24, {21.2 + s, -60.8 - s}, 80, equal_radii(90)},
                                           {36, {21.8 + s, -61.0 - s}, 75, equal_radii(90)},
                                           {48, {22.5 + s, -61.2 - s}, 70, equal_radii(90)},
                                           {72, {24.0 + s, -61.0 - s}, 60, equal_radii(90)}},
                                          {340, 4});
    track.storm_id = "AL0" + std::to_string(s + 1) + "2024";
    storms.push_back(track);
  }
  cases.push_back(judged(storms, {21.0, -59.0}));
  cases.push_back(judged({storms[0]}, {20.5, -60.2}, 6.0));  // the ship amid one storm
  cases.push_back(judged(storms, {23.0, -62.0}, 20.0, 24.0));
  return cases;
}

TEST(Labels, NoneOverlapOnCrowdedCharts) {
  int index = 0;
  for (testing::Case c : crowded()) {
    c.classic = 200;
    for (const bool night : {false, true}) {
      expect_no_overlaps(forecast_chart(c.input(), {.night = night}),
                         "crowded " + std::to_string(index));
    }
    ++index;
  }
  for (const testing::Sample& sample : testing::kSamples) {
    const testing::Case c = testing::sample_case(sample);
    expect_no_overlaps(forecast_chart(c.input(&testing::shoreline())), sample.file);
  }
}

// Every forecast point within the horizon is a marker with its time and position, labelled
// with its day and hour where the chart is not crowded; the track's label is drawn.
TEST(Labels, EveryForecastPointWithItsTime) {
  for (const testing::Sample& sample : testing::kSamples) {
    const testing::Case c = testing::sample_case(sample);
    const std::string svg = forecast_chart(c.input());
    const auto markers = picture::testing::elements_of_class(svg, "forecast-point");
    const forecast::StormTrack& track = c.storms.front();
    const forecast::Time end = forecast::add_hours(c.advice.at, c.advice.sweep.horizon_h);
    std::size_t due = 0;
    while (due < track.points.size() && track.points[due].time <= end) ++due;
    ASSERT_GE(markers.size(), due) << sample.file;
    std::string texts;
    for (const auto& label : testing::drawn_labels(svg)) texts += label.text + '\n';
    for (std::size_t i = 0; i < due; ++i) {
      const forecast::TrackPoint& point = track.points[i];
      EXPECT_EQ(markers[i].at("data-time"), navigation::format_utc_time(point.time)) << sample.file;
      EXPECT_EQ(std::stod(markers[i].at("data-lat")), point.centre.lat);
      EXPECT_EQ(std::stod(markers[i].at("data-lon")), point.centre.lon);
      EXPECT_NE(texts.find(navigation::format_day_time(point.time).substr(0, 5) + 'Z'),
                std::string::npos)
          << sample.file << ' ' << navigation::format_utc_time(point.time);
    }
    if (c.advice.recommended) {
      EXPECT_NE(texts.find("steer "), std::string::npos) << sample.file;
    }
  }
}

}  // namespace
}  // namespace hurricane::chart

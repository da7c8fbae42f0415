// Situations for the chart's tests: hand-made storms and the shared advisories, each judged by
// advice [F] and ready to chart; reading back what the chart wrote.
#pragma once

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "advisory/samples.h"
#include "chart/chart.h"
#include "forecast/advice.h"
#include "forecast/error_model.h"
#include "forecast/from_advisory.h"
#include "forecast/tracks.h"
#include "land/land.h"
#include "land/shoreline.h"
#include "plan/plan.h"

namespace hurricane::chart::testing {

using forecast::StormTrack;
using navigation::LatLon;

struct Case {
  std::vector<StormTrack> storms;
  LatLon ship;
  forecast::ForecastAdvice advice;
  std::vector<PastFix> past;
  std::optional<int> classic;

  ChartInput input(const land::Shoreline* shoreline = nullptr,
                   const plan::Plan* plan = nullptr) const {
    return {.advice = advice,
            .storms = storms,
            .ship = ship,
            .past_fixes = past,
            .classic_course_deg = classic,
            .storm_name = "TEST",
            .shoreline = shoreline,
            .plan = plan};
  }
};

// `storms` judged for a ship at `ship` making `speed_kn`, with the cone and a margin.
inline Case judged(std::vector<StormTrack> storms, LatLon ship, double speed_kn = 14.0,
                   double horizon_h = 72.0) {
  Case c;
  c.storms = std::move(storms);
  c.ship = ship;
  forecast::SweepRequest request;
  request.at = c.storms.front().points.front().time;
  request.ship = ship;
  request.speed_kn = speed_kn;
  request.horizon_h = horizon_h;
  request.error.table = forecast::cone_table(c.storms.front().basin, c.storms.front().season);
  request.error.margin_nm = 30;
  c.advice = forecast::advise_forecast(c.storms, request, std::nullopt);
  return c;
}

// The shared advisories with a forecast, and the storm each is read for.
struct Sample {
  const char* file;
  const char* storm_id;
};
inline constexpr Sample kSamples[] = {{"tcm-al132023-30.txt", ""},
                                      {"tcm-cp012024-42.txt", ""},
                                      {"tcm-ep072024-27.txt", ""},
                                      {"rss-atlantic-al132023-30.xml", "AL132023"},
                                      {"../../chart/data/sh062023-khanun-mirrored-nr017.txt", ""}};

// A sample's storm judged for a ship `north` and `east` degrees from its centre.
inline Case sample_case(const Sample& sample, double north = 4.0, double east = 4.0) {
  const advisory::Storm storm =
      advisory::read_storm(advisory::sample(sample.file), sample.storm_id);
  const std::optional<StormTrack> track = forecast::track_from_advisory(storm);
  EXPECT_TRUE(track) << sample.file;
  if (!track) return {};
  const LatLon centre = track->points.front().centre;
  Case c = judged({*track}, {centre.lat + north, centre.lon + east});
  if (storm.previous) {
    c.past.push_back({0, storm.previous->time, storm.previous->centre});
  }
  c.classic = 45;
  return c;
}

// The shoreline the build made.
inline const land::Shoreline& shoreline() {
  static const land::Shoreline shore = [] {
    auto read = land::read_shoreline(HURRICANE_SHORELINE_FILE);
    if (!read.ok()) ADD_FAILURE() << read.error().problem;
    return read.ok() ? std::move(read.value()) : land::Shoreline{};
  }();
  return shore;
}

// The land the plans keep off: the build's shoreline.
inline const land::Land& land() {
  static const land::Land held{land::Shoreline(shoreline())};
  return held;
}

// The escape plan for `c` over `land` when given, bound for `to` when given, as the answer
// asks for it.
inline plan::Plan plan_for(const Case& c, const land::Land* land,
                           std::optional<LatLon> to = std::nullopt) {
  plan::PlanRequest request;
  request.at = c.advice.at;
  request.ship = c.ship;
  request.speed_kn = c.advice.speeds_kn[0];
  request.storms = c.storms;
  request.error = c.advice.error;
  for (const forecast::StormSummary& storm : c.advice.storms) {
    request.storm_tables.push_back(storm.error.table);
  }
  request.land = land;
  if (to) {
    request.voyage.kind = plan::Voyage::Kind::kDestination;
    request.voyage.waypoints = {*to};
  }
  return plan::make_plan(request);
}

// A label as drawn: its box from the text's position and length, as the chart measures it.
struct DrawnLabel {
  Box box;
  std::string text;
};

// Every <text class="label" x= y=>...</text> of `svg`.
inline std::vector<DrawnLabel> drawn_labels(const std::string& svg) {
  std::vector<DrawnLabel> labels;
  const std::string start = "<text class=\"label\" x=\"";
  for (std::size_t at = svg.find(start); at != std::string::npos; at = svg.find(start, at + 1)) {
    const std::size_t x_at = at + start.size();
    const double x = std::stod(svg.substr(x_at));
    const std::size_t y_at = svg.find("y=\"", x_at) + 3;
    const double y = std::stod(svg.substr(y_at));
    const std::size_t open_end = svg.find('>', at) + 1;
    std::string text = svg.substr(open_end, svg.find("</text>", open_end) - open_end);
    // The width counts characters as the reader sees them: one per UTF-8 sequence.
    std::size_t characters = 0;
    for (const char c : text) characters += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    const Box box{x - 2.0, y - 11.0, kLabelCharPx * static_cast<double>(characters) + 4.0,
                  kLabelHeightPx};
    labels.push_back({box, std::move(text)});
  }
  return labels;
}

// Whether `p` lies inside the polygon `ring` (even-odd rule).
inline bool inside(Pixel p, const std::vector<Pixel>& ring) {
  bool in = false;
  for (std::size_t i = 0, j = ring.size() - 1; i < ring.size(); j = i++) {
    const Pixel a = ring[i], b = ring[j];
    if ((a.y > p.y) != (b.y > p.y) && p.x < (b.x - a.x) * (p.y - a.y) / (b.y - a.y) + a.x) {
      in = !in;
    }
  }
  return in;
}

inline bool in_swath(Pixel p, const Chart& chart) {
  for (const std::vector<Pixel>& ring : chart.swath) {
    if (inside(p, ring)) return true;
  }
  return false;
}

}  // namespace hurricane::chart::testing

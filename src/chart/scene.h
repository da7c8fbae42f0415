// The chart's layers, each appended to the document in drawing order from one scene.
#pragma once

#include <string>
#include <vector>

#include "chart/chart.h"
#include "chart/chart_palette.h"
#include "chart/labels.h"
#include "chart/projection.h"

namespace hurricane::chart {

// What the legend lists: only what was drawn.
struct Legend {
  bool land = false, wind = false, swath = false, fan = false, track = false, classic = false;
  bool past_fix = false, land_closed = false;
  bool plan_legs = false, plan_voyage = false, plan_turns = false, plan_ticks = false;
  bool storm_ticks = false, least_clearance = false, sea_room = false, decide_by = false;
  std::string decide_by_off_track;  // the hour to decide by when it lies off the plan's track
};

struct Scene {
  const ChartInput& input;
  const Projection& projection;
  const ChartPalette& colours;
  LabelPlacer& labels;
  Legend& legend;
  Chart& chart;
  std::string& label_layer;  // labels go on top of everything, in placing order
};

// The hours after the advice time the chart shows: the judged horizon.
double horizon_h(const ChartInput& input);

// The recommended track at every whole hour of the horizon and at its end; empty when nothing
// is recommended.
std::vector<navigation::LatLon> recommended_track(const ChartInput& input);

// The escape plan's track through every turn and whole hour; empty without a plan.
std::vector<navigation::LatLon> plan_track(const ChartInput& input);

// Marker outlines centred on `at`: an x, a diamond, a triangle pointing down at it.
std::string cross_path(Pixel at, double half);
std::string diamond_path(Pixel at, double half);
std::string triangle_path(Pixel at, double half);

// The ship's full-speed reach the fan and the classic course are drawn to, nm.
double fan_reach_nm(const ChartInput& input);

// A path through `points`, longitudes kept continuous from one point to the next; closed
// with Z when `closed`.
std::string path_of(const Projection& projection, const std::vector<navigation::LatLon>& points,
                    bool closed);

// A label of `content` near `at` when there is room, in the label font with a halo.
void label(const Scene& scene, Pixel at, const std::string& content, const std::string& colour);

// "13/00Z": day of month and hour as a chart labels times.
std::string day_hour(forecast::Time time);

// Keeps labels off the ship and the storms' markers; called before any label is placed.
void block_markers(const Scene& scene);
// The shoreline's rings on the chart, pixels, as `draw_shoreline` fills them from Chart::land.
std::vector<std::vector<Pixel>> land_rings(const land::Shoreline* shore,
                                           const Projection& projection);
void draw_shoreline(const Scene& scene, std::string& out);
// The coast again, its line only, over the danger areas: where many wind areas overlap their
// tint hides the land's fill, and an island the plan stops short of must still be seen.
void draw_coastline_over(const Scene& scene, std::string& out);
void draw_graticule(const Scene& scene, std::string& out);
void draw_swath(const Scene& scene, std::string& out);
void draw_wind_areas(const Scene& scene, std::string& out);
// The courses land shuts, hatched beneath the storms' areas so that they never hide a storm.
void draw_land_closed(const Scene& scene, std::string& out);
void draw_ship_layers(const Scene& scene, std::string& out);   // fan, classic course, track
void draw_storm_tracks(const Scene& scene, std::string& out);  // tracks, fixes, points
// The scale bar's length: the longest of 1, 2 or 5 times a power of ten nm that fits the bar's
// room at `pixels_per_nm`; 0 when the scale is not usable.
double scale_bar_nm(double pixels_per_nm);
void draw_scale_bar(const Scene& scene, std::string& out);  // keeps labels off its corner
void draw_plan(const Scene& scene, std::string& out);       // the escape plan, labels first
// The title, the legend and the caption; the document height they need, pixels.
double draw_texts(const Scene& scene, std::string& out);

}  // namespace hurricane::chart

// The chart's ground: the shoreline and the graticule.
#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <map>
#include <utility>

#include "chart/scene.h"
#include "land/mercator.h"
#include "picture/svg.h"

namespace hurricane::chart {
namespace {

using picture::coord;

// Vertices closer than this to the last one kept are dropped, pixels.
constexpr double kMinStepPx = 0.6;

// The shoreline's pieces joined into rings: the file cuts shorelines at its bins, each piece
// going on from the very point where the previous one ends, and a fill needs them closed.
std::vector<std::vector<std::size_t>> rings_of(const land::Shoreline& shore) {
  std::map<std::pair<float, float>, std::size_t> starts;
  const auto first = [&](std::size_t line) { return shore.line_start[line]; };
  const auto last = [&](std::size_t line) { return shore.line_start[line + 1] - 1; };
  for (std::size_t line = 0; line < shore.line_count(); ++line) {
    starts.emplace(std::pair{shore.x[first(line)], shore.y[first(line)]}, line);
  }
  std::vector<bool> used(shore.line_count(), false);
  std::vector<std::vector<std::size_t>> rings;
  for (std::size_t line = 0; line < shore.line_count(); ++line) {
    if (used[line]) continue;
    std::vector<std::size_t> ring;
    for (std::size_t piece = line; !used[piece];) {
      used[piece] = true;
      ring.push_back(piece);
      const auto next = starts.find({shore.x[last(piece)], shore.y[last(piece)]});
      if (next == starts.end()) break;
      piece = next->second;
    }
    rings.push_back(std::move(ring));
  }
  return rings;
}

// One ring shifted by `shift_deg` of longitude, its vertices clamped to a rectangle a little
// larger than the plot: outside the plot only the clamped frame remains, which the plot's clip
// hides, while the fill inside keeps its shape.
std::vector<Pixel> ring_pixels(const Projection& projection, const land::Shoreline& shore,
                               const std::vector<std::size_t>& ring, double shift_deg) {
  const PlotArea& area = projection.area();
  const double pad = 10.0;
  std::vector<Pixel> pixels;
  for (const std::size_t line : ring) {
    for (std::size_t i = shore.line_start[line]; i < shore.line_start[line + 1]; ++i) {
      const double x = std::clamp(projection.x_of(shore.x[i] + shift_deg), area.left - pad,
                                  area.left + area.width + pad);
      const double y = std::clamp(projection.y_of_isometric(shore.y[i]), area.top - pad,
                                  area.top + area.height + pad);
      if (!pixels.empty() && std::abs(x - pixels.back().x) < kMinStepPx &&
          std::abs(y - pixels.back().y) < kMinStepPx) {
        continue;
      }
      pixels.push_back({x, y});
    }
  }
  return pixels;
}

std::string latitude_text(double lat) {
  if (lat == 0.0) return "0°";
  return picture::amount(std::abs(lat)) + (lat > 0 ? "°N" : "°S");
}

std::string longitude_text(double lon) {
  const double wrapped = lon - 360.0 * std::round(lon / 360.0);
  if (wrapped == 0.0 || std::abs(wrapped) == 180.0) return picture::amount(std::abs(wrapped)) + "°";
  return picture::amount(std::abs(wrapped)) + (wrapped > 0 ? "°E" : "°W");
}

// The graticule's spacing: the smallest of the usual steps giving at most eight lines across.
double graticule_step(double span_deg) {
  for (const double step : {0.5, 1.0, 2.0, 5.0, 10.0, 15.0, 30.0}) {
    if (span_deg / step <= 8.0) return step;
  }
  return 60.0;
}

}  // namespace

std::vector<std::vector<Pixel>> land_rings(const land::Shoreline* shore,
                                           const Projection& projection) {
  std::vector<std::vector<Pixel>> rings;
  if (shore == nullptr) return rings;
  const double psi_south = land::isometric_latitude(projection.south_deg());
  const double psi_north = land::isometric_latitude(projection.north_deg());
  for (const std::vector<std::size_t>& ring : rings_of(*shore)) {
    float west = std::numeric_limits<float>::max(), east = -west, south = west, north = -west;
    for (const std::size_t line : ring) {
      for (std::size_t i = shore->line_start[line]; i < shore->line_start[line + 1]; ++i) {
        west = std::min(west, shore->x[i]);
        east = std::max(east, shore->x[i]);
        south = std::min(south, shore->y[i]);
        north = std::max(north, shore->y[i]);
      }
    }
    if (north < psi_south || south > psi_north) continue;
    for (const double shift : {-360.0, 0.0, 360.0}) {
      if (east + shift < projection.west_deg() || west + shift > projection.east_deg()) continue;
      rings.push_back(ring_pixels(projection, *shore, ring, shift));
    }
  }
  return rings;
}

namespace {

std::string shoreline_path(const Scene& scene) {
  std::string d;
  for (const std::vector<Pixel>& ring : scene.chart.land) {
    for (std::size_t i = 0; i < ring.size(); ++i) {
      d += (i == 0 ? "M" : "L") + coord(ring[i].x) + ' ' + coord(ring[i].y);
    }
    d += 'Z';
  }
  return d;
}

}  // namespace

void draw_coastline_over(const Scene& scene, std::string& out) {
  const std::string d = shoreline_path(scene);
  if (d.empty()) return;
  picture::element(out, "path",
                   {{"class", "coastline"},
                    {"d", d},
                    {"fill", "none"},
                    {"stroke", scene.colours.shore},
                    {"stroke-width", "0.8"}});
}

void draw_shoreline(const Scene& scene, std::string& out) {
  const std::string d = shoreline_path(scene);
  if (d.empty()) return;
  scene.legend.land = true;
  picture::element(out, "path",
                   {{"class", "land"},
                    {"d", d},
                    {"fill", scene.colours.land},
                    {"fill-rule", "evenodd"},
                    {"stroke", scene.colours.shore},
                    {"stroke-width", "0.8"}});
}

void draw_graticule(const Scene& scene, std::string& out) {
  const Projection& projection = scene.projection;
  const PlotArea& area = projection.area();
  const double step = graticule_step(projection.east_deg() - projection.west_deg());
  const double bottom = area.top + area.height;
  // Counted in whole steps, so every line sits exactly on a multiple of the step.
  const auto first_lon = static_cast<long>(std::ceil(projection.west_deg() / step));
  for (long k = first_lon; static_cast<double>(k) * step <= projection.east_deg(); ++k) {
    const double lon = static_cast<double>(k) * step;
    const double x = projection.x_of(lon);
    picture::element(out, "line",
                     {{"class", "graticule"},
                      {"data-lon", picture::exact(lon - 360.0 * std::round(lon / 360.0))},
                      {"x1", coord(x)},
                      {"y1", coord(area.top)},
                      {"x2", coord(x)},
                      {"y2", coord(bottom)},
                      {"stroke", scene.colours.graticule},
                      {"stroke-width", "0.7"}});
    const std::string text = longitude_text(lon);
    Box box = label_size(text);
    box.x = x + 2.0;
    box.y = bottom - box.height - 2.0;
    if (scene.labels.place_at(box)) {
      picture::text(scene.label_layer,
                    {{"class", "label"},
                     {"x", coord(box.x + 2.0)},
                     {"y", coord(box.y + 11.0)},
                     {"fill", scene.colours.ink}},
                    text);
    }
  }
  const auto first_lat = static_cast<long>(std::ceil(projection.south_deg() / step));
  for (long k = first_lat; static_cast<double>(k) * step <= projection.north_deg(); ++k) {
    const double lat = static_cast<double>(k) * step;
    const double y = projection.at({lat, projection.west_deg()}).y;
    picture::element(out, "line",
                     {{"class", "graticule"},
                      {"data-lat", picture::exact(lat)},
                      {"x1", coord(area.left)},
                      {"y1", coord(y)},
                      {"x2", coord(area.left + area.width)},
                      {"y2", coord(y)},
                      {"stroke", scene.colours.graticule},
                      {"stroke-width", "0.7"}});
    const std::string text = latitude_text(lat);
    Box box = label_size(text);
    box.x = area.left + 2.0;
    box.y = y - box.height - 1.0;
    if (scene.labels.place_at(box)) {
      picture::text(scene.label_layer,
                    {{"class", "label"},
                     {"x", coord(box.x + 2.0)},
                     {"y", coord(box.y + 11.0)},
                     {"fill", scene.colours.ink}},
                    text);
    }
  }
}

}  // namespace hurricane::chart

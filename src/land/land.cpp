#include "land/land.h"

#include <algorithm>
#include <boost/geometry.hpp>
#include <boost/geometry/index/rtree.hpp>
#include <boost/iterator/function_output_iterator.hpp>
#include <cmath>
#include <cstdint>
#include <limits>
#include <utility>
#include <vector>

#include "land/crossing.h"

namespace hurricane::land {
namespace {

namespace bg = boost::geometry;
namespace bgi = boost::geometry::index;

using Point = bg::model::point<double, 2, bg::cs::cartesian>;
using Box = bg::model::box<Point>;
using Segment = bg::model::segment<Point>;

// Edges per index entry: few enough that a track tests little beyond the edges it passes, many
// enough that the tree stays small and builds quickly.
constexpr std::uint32_t kEdgesPerChunk = 16;

// Boxes grow by this (degrees) so that rounding in the box test never drops an edge the exact
// test would touch.
constexpr double kBoxMargin = 1e-7;

// A run of consecutive edges of one polyline: edges first..first+count-1 join vertex i to i+1.
struct Chunk {
  std::uint32_t first = 0;
  std::uint32_t count = 0;
};

using Entry = std::pair<Box, std::uint32_t>;  // box of a chunk, its number

}  // namespace

struct Land::Index {
  Shoreline shoreline;
  std::vector<Chunk> chunks;
  bgi::rtree<Entry, bgi::quadratic<16>> tree;
  double north_of_all = 0.0;  // isometric latitude beyond every vertex

  explicit Index(Shoreline s) : shoreline(std::move(s)) {
    std::vector<Entry> entries;
    float top = -std::numeric_limits<float>::max();
    for (std::size_t line = 0; line < shoreline.line_count(); ++line) {
      const std::uint32_t begin = shoreline.line_start[line];
      const std::uint32_t end = shoreline.line_start[line + 1] - 1;  // last vertex
      for (std::uint32_t first = begin; first < end; first += kEdgesPerChunk) {
        const Chunk chunk{first, std::min(kEdgesPerChunk, end - first)};
        float x0 = shoreline.x[first], x1 = x0, y0 = shoreline.y[first], y1 = y0;
        for (std::uint32_t i = first + 1; i <= first + chunk.count; ++i) {
          x0 = std::min(x0, shoreline.x[i]);
          x1 = std::max(x1, shoreline.x[i]);
          y0 = std::min(y0, shoreline.y[i]);
          y1 = std::max(y1, shoreline.y[i]);
        }
        top = std::max(top, y1);
        entries.emplace_back(
            Box(Point(x0 - kBoxMargin, y0 - kBoxMargin), Point(x1 + kBoxMargin, y1 + kBoxMargin)),
            static_cast<std::uint32_t>(chunks.size()));
        chunks.push_back(chunk);
      }
    }
    north_of_all = static_cast<double>(top) + 1.0;
    tree = decltype(tree)(entries.begin(), entries.end());  // packed: bulk loading
  }

  // Calls `edge(a, b)` for every edge of every chunk whose box meets `segment`.
  template <typename F>
  void for_each_edge_near(const Segment& segment, F&& edge) const {
    tree.query(bgi::intersects(segment),
               boost::make_function_output_iterator([&](const Entry& entry) {
                 const Chunk& chunk = chunks[entry.second];
                 for (std::uint32_t i = chunk.first; i < chunk.first + chunk.count; ++i) {
                   edge(shoreline.vertex(i), shoreline.vertex(i + 1));
                 }
               }));
  }
};

Result<Land> Land::load(const std::string& path) {
  Result<Shoreline> read = read_shoreline(path);
  if (!read.ok()) return read.error();
  return Land(std::move(read.value()));
}

Land::Land(Shoreline shoreline) : index_(std::make_unique<Index>(std::move(shoreline))) {}
Land::Land(Land&&) noexcept = default;
Land& Land::operator=(Land&&) noexcept = default;
Land::~Land() = default;

const Shoreline& Land::shoreline() const {
  return index_->shoreline;
}

bool Land::on_land(double lat, double lon) const {
  if (!std::isfinite(lat) || !std::isfinite(lon) || std::fabs(lat) > 90.0) return false;
  // The poles map to infinity; just short of them the answer is the same.
  const MercatorPoint p{std::remainder(lon, 360.0),
                        isometric_latitude(std::clamp(lat, -89.99, 89.99))};
  bool inside = false;
  index_->for_each_edge_near(Segment(Point(p.x, p.y), Point(p.x, index_->north_of_all)),
                             [&](MercatorPoint a, MercatorPoint b) {
                               if (crosses_north_ray(p, a, b)) inside = !inside;
                             });
  return inside;
}

void Land::for_each_edge_in(MercatorPoint low, MercatorPoint high,
                            const std::function<void(MercatorPoint, MercatorPoint)>& edge) const {
  index_->tree.query(bgi::intersects(Box(Point(low.x, low.y), Point(high.x, high.y))),
                     boost::make_function_output_iterator([&](const Entry& entry) {
                       const Chunk& chunk = index_->chunks[entry.second];
                       for (std::uint32_t i = chunk.first; i < chunk.first + chunk.count; ++i) {
                         edge(index_->shoreline.vertex(i), index_->shoreline.vertex(i + 1));
                       }
                     }));
}

std::optional<Landfall> Land::first_landfall(double lat, double lon, double course,
                                             double distance_nm) const {
  const std::optional<Track> track = make_track(lat, lon, course, distance_nm);
  if (!track) return std::nullopt;
  return first_landfall(*track);
}

std::optional<Landfall> Land::first_landfall(const Track& track) const {
  double best = std::numeric_limits<double>::infinity();
  const Shifts shifts = shifts_into_range(track);
  for (int k = shifts.first; k <= shifts.last; ++k) {
    const double dx = 360.0 * k;
    const MercatorPoint from{track.from.x - dx, track.from.y};
    const MercatorPoint to{track.to.x - dx, track.to.y};
    index_->for_each_edge_near(Segment(Point(from.x, from.y), Point(to.x, to.y)),
                               [&](MercatorPoint a, MercatorPoint b) {
                                 if (const auto t = first_touch(from, to, a, b); t && *t < best) {
                                   best = *t;
                                 }
                               });
  }
  if (!std::isfinite(best)) return std::nullopt;
  return point_at(track, best);
}

}  // namespace hurricane::land

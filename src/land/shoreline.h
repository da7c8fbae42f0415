// The shoreline as this program keeps it: polylines of vertices in the Mercator plane, each
// vertex joined to the next by a straight line there (a rhumb line), so that a ship's rhumb-line
// track meets an edge exactly where two straight lines cross.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "error/error.h"
#include "land/mercator.h"

namespace hurricane::land {

// Every shoreline of every level (sea against land, lake, island in a lake, pond), so that a
// point is on land when an odd number of them enclose it. Longitudes lie in -180..180 and no
// edge crosses the 180th meridian.
struct Shoreline {
  std::string source;                     // the data set, its version and resolution, one line
  std::vector<float> x;                   // longitude of each vertex, degrees east
  std::vector<float> y;                   // isometric latitude of each vertex, degrees north
  std::vector<std::uint32_t> line_start;  // first vertex of each polyline, then x.size()

  std::size_t line_count() const { return line_start.empty() ? 0 : line_start.size() - 1; }
  MercatorPoint vertex(std::size_t i) const { return {x[i], y[i]}; }
};

// The compact file: "HESHORE1", then little-endian uint32 counts of source bytes, vertices and
// polylines, the source text, the polyline starts (one more than polylines), all x, all y
// (IEEE single precision).
inline constexpr char kShorelineMagic[8] = {'H', 'E', 'S', 'H', 'O', 'R', 'E', '1'};

// Reads the compact file at `path`; any fault (missing, short, inconsistent) gives a
// Field::kLand error whose problem names the file and what is wrong.
Result<Shoreline> read_shoreline(const std::string& path);

// Writes `shoreline` in the compact form; false when the file cannot be written completely.
bool write_shoreline(const Shoreline& shoreline, const std::string& path);

}  // namespace hurricane::land

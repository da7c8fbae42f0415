#include "forecast/quarter_discs.h"

#include <algorithm>
#include <cmath>

#include "forecast/earth.h"

namespace hurricane::forecast {
namespace {

// Unit vectors (east, north) of the quadrant edges at azimuths 0, 90, 180, 270.
constexpr double kEdgeEast[4] = {0.0, 1.0, 0.0, -1.0};
constexpr double kEdgeNorth[4] = {1.0, 0.0, -1.0, 0.0};

// Distance from `p` to the segment along edge `edge` between `from` and `to` nm from the centre.
double to_edge_segment(PlanePoint p, std::size_t edge, double from, double to) {
  const double along = p.east_nm * kEdgeEast[edge] + p.north_nm * kEdgeNorth[edge];
  const double across = p.east_nm * kEdgeNorth[edge] - p.north_nm * kEdgeEast[edge];
  const double beyond = along < from ? from - along : along > to ? along - to : 0.0;
  return std::sqrt(beyond * beyond + across * across);
}

// The quadrant (0 NE .. 3 NW) holding `p`; a point on an edge belongs to the quadrant
// clockwise of it, which the distance does not depend on.
std::size_t quadrant_of(PlanePoint p) {
  if (p.east_nm >= 0.0) return p.north_nm > 0.0 ? 0 : 1;
  return p.north_nm >= 0.0 ? 3 : 2;
}

}  // namespace

PlanePoint plane_point(double distance_nm, double azimuth_deg) {
  return {distance_nm * std::sin(azimuth_deg * kRadiansPerDegree),
          distance_nm * std::cos(azimuth_deg * kRadiansPerDegree)};
}

double signed_distance_nm(PlanePoint p, const QuadrantNm& radii) {
  const double d = std::sqrt(p.east_nm * p.east_nm + p.north_nm * p.north_nm);
  const std::size_t own = quadrant_of(p);
  const std::size_t next = (own + 1) % 4;  // clockwise neighbour; edge `next` lies between
  const std::size_t prev = (own + 3) % 4;  // counter-clockwise neighbour; edge `own` between
  const double r = radii[own];
  if (d < r) {
    // The nearest edge of the area: the own arc or a radial step at any quadrant edge (the
    // far quadrants' arcs are never nearer than the ends of their steps).
    double depth = r - d;
    for (std::size_t edge = 0; edge < 4; ++edge) {
      const double a = radii[(edge + 3) % 4];
      const double b = radii[edge];
      depth = std::min(depth, to_edge_segment(p, edge, std::min(a, b), std::max(a, b)));
    }
    return -depth;
  }
  double distance = d - r;
  distance = std::min(distance, to_edge_segment(p, own, 0.0, radii[prev]));
  distance = std::min(distance, to_edge_segment(p, next, 0.0, radii[next]));
  return distance;
}

}  // namespace hurricane::forecast

#include "land/crossing.h"

#include <algorithm>

namespace hurricane::land {
namespace {

double cross(double ax, double ay, double bx, double by) {
  return ax * by - ay * bx;
}

}  // namespace

std::optional<double> first_touch(MercatorPoint from, MercatorPoint to, MercatorPoint a,
                                  MercatorPoint b) {
  const double rx = to.x - from.x, ry = to.y - from.y;  // the track
  const double sx = b.x - a.x, sy = b.y - a.y;          // the edge
  const double qx = a.x - from.x, qy = a.y - from.y;
  const double rr = rx * rx + ry * ry;
  if (!(rr > 0.0)) return std::nullopt;

  const double denom = cross(rx, ry, sx, sy);
  const double along_edge = cross(qx, qy, rx, ry);  // where the track's line cuts the edge
  if (denom != 0.0) {
    const double t = cross(qx, qy, sx, sy) / denom;
    const double u = along_edge / denom;
    if (t >= 0.0 && t <= 1.0 && u >= 0.0 && u <= 1.0) return t;
    return std::nullopt;
  }
  if (along_edge != 0.0) return std::nullopt;  // parallel, apart
  // On one line: the edge's ends as fractions of the track.
  const double ta = (qx * rx + qy * ry) / rr;
  const double tb = ((b.x - from.x) * rx + (b.y - from.y) * ry) / rr;
  const double lo = std::min(ta, tb), hi = std::max(ta, tb);
  if (hi < 0.0 || lo > 1.0) return std::nullopt;
  return std::max(lo, 0.0);
}

bool crosses_north_ray(MercatorPoint p, MercatorPoint a, MercatorPoint b) {
  if ((a.x > p.x) == (b.x > p.x)) return false;
  const double y = a.y + (p.x - a.x) * (b.y - a.y) / (b.x - a.x);
  return y > p.y;
}

}  // namespace hurricane::land

#include "land/sea_room.h"

#include <GeographicLib/Ellipsoid.hpp>
#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

#include "land/crossing.h"

namespace hurricane::land {
namespace {

// Squared distances are compared and a root taken only for a nearer edge: edges near a track
// are many, and a root for each was a fifth of a plan's time.
struct Closest {
  double distance2 = 0.0;  // Mercator degrees, squared
  double fraction = 0.0;   // along the track
};

// Distance from `p` to the segment from `a` to `b` and the fraction of that segment nearest it.
Closest point_to_segment(MercatorPoint p, MercatorPoint a, MercatorPoint b) {
  const double dx = b.x - a.x, dy = b.y - a.y;
  const double length2 = dx * dx + dy * dy;
  double t = length2 > 0.0 ? ((p.x - a.x) * dx + (p.y - a.y) * dy) / length2 : 0.0;
  t = std::clamp(t, 0.0, 1.0);
  const double ex = p.x - (a.x + t * dx), ey = p.y - (a.y + t * dy);
  return {ex * ex + ey * ey, t};
}

// Nearest approach of the track from `from` to `to` and the edge from `a` to `b`: 0 where they
// touch, else the least of the four end-to-segment distances.
Closest track_to_edge(MercatorPoint from, MercatorPoint to, MercatorPoint a, MercatorPoint b) {
  if (const auto touch = first_touch(from, to, a, b)) return {0.0, *touch};
  Closest best = point_to_segment(from, a, b);
  best.fraction = 0.0;
  if (const Closest c = point_to_segment(to, a, b); c.distance2 < best.distance2)
    best = {c.distance2, 1.0};
  for (const MercatorPoint end : std::array{a, b}) {
    if (const Closest c = point_to_segment(end, from, to); c.distance2 < best.distance2) best = c;
  }
  return best;
}

}  // namespace

double mercator_scale_nm(double lat) {
  return GeographicLib::Ellipsoid::WGS84().CircleRadius(lat) * (std::numbers::pi / 180.0) /
         kMetresPerNm;
}

std::optional<ShoreNear> shore_within(const Land& land, double lat0, double lon0, double lat1,
                                      double lon1, double cap_nm) {
  const double x0 = std::remainder(lon0, 360.0);
  return shore_within(land, {{x0, isometric_latitude(lat0)}, mercator_scale_nm(lat0)},
                      {{x0 + std::remainder(lon1 - lon0, 360.0), isometric_latitude(lat1)},
                       mercator_scale_nm(lat1)},
                      cap_nm);
}

std::optional<ShoreNear> shore_within(const Land& land, ScaledPoint start, ScaledPoint end,
                                      double cap_nm) {
  const MercatorPoint from = start.at, to = end.at;
  const double scale0 = start.scale_nm, scale1 = end.scale_nm;
  // The box reaches the cap at the smaller scale (the higher latitude), and a little beyond.
  const double reach = cap_nm / std::min(scale0, scale1) * 1.05 + 1e-6;
  const MercatorPoint low{std::min(from.x, to.x) - reach, std::min(from.y, to.y) - reach};
  const MercatorPoint high{std::max(from.x, to.x) + reach, std::max(from.y, to.y) + reach};
  std::optional<ShoreNear> nearest;
  auto look = [&](double shift) {
    const MercatorPoint f{from.x - shift, from.y}, t{to.x - shift, to.y};
    land.for_each_edge_in({low.x - shift, low.y}, {high.x - shift, high.y},
                          [&](MercatorPoint a, MercatorPoint b) {
                            const Closest c = track_to_edge(f, t, a, b);
                            const double scale = scale0 + c.fraction * (scale1 - scale0);
                            const double bound = nearest ? nearest->distance_nm : cap_nm;
                            if (c.distance2 * scale * scale >= bound * bound) return;
                            const double nm = std::sqrt(c.distance2) * scale;
                            if (nm < bound) nearest = ShoreNear{nm, c.fraction};
                          });
  };
  look(0.0);
  if (low.x < -180.0) look(-360.0);
  if (high.x > 180.0) look(360.0);
  return nearest;
}

}  // namespace hurricane::land

#include "plan/walk.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include "forecast/earth.h"
#include "forecast/quarter_discs.h"
#include "forecast/ship_track.h"
#include "forecast/sweep.h"
#include "land/mercator.h"
#include "land/sea_room.h"

namespace hurricane::plan {
namespace {

// The fast walk keeps this much further off the danger area than the exact one: between its
// samples (half an hour apart) a track can dip about that much nearer.
constexpr double kCushionNm = 1.0;
// Land is asked of stretches this long, and near the shore of pieces this short.
constexpr double kStretchNm = 30.0;
constexpr double kPieceNm = 2.0;
// The exact walk reports the least sea room out to this beyond the sea room asked.
constexpr double kSeaRoomLookNm = 20.0;
constexpr double kSlackH = 1e-9;
// The voyage's line near the start may come this much nearer the shore than the ship starts:
// the shoreline's distance from a point and from a stretch begun there differ by rounding.
constexpr double kOffingSlackNm = 0.02;
// A track beyond where the voyage's course meets the shore has got past that land (not round
// a bend of the same coast) when it is this many hours' run at full speed further on.
constexpr double kPastLandH = 6.0;

double rough_nm(LatLon a, LatLon b) {
  const double east = (b.lon - a.lon) * std::cos(0.5 * (a.lat + b.lat) * kRadiansPerDegree);
  const double north = b.lat - a.lat;
  return 60.0 * std::sqrt(north * north + east * east);  // hypot's care costs here
}

}  // namespace

Walk::Walk(const PlanRequest& request, double horizon_h, double step_h, bool exact)
    : request_(request),
      voyage_(request.voyage, request.ship),
      horizon_h_(horizon_h),
      step_h_(step_h),
      exact_(exact) {
  avoid_ = request.avoid_kt >= 64 ? 2 : request.avoid_kt >= 50 ? 1 : 0;
  const auto count = static_cast<std::size_t>(std::floor(horizon_h / step_h + 1e-9)) + 1;
  forecast::SweepRequest sweep;
  sweep.error = request.error;
  sweep.storm_tables = request.storm_tables;
  for (std::size_t i = 0; i < request.storms.size(); ++i) {
    samples_.push_back(forecast::storm_samples(request.storms[i], forecast::storm_error(sweep, i),
                                               request.at, step_h, count));
    for (const forecast::StormSample& s : samples_.back()) judged_ = judged_ || s.judged;
  }
  if (request.land) {
    const LatLon ship = request.ship;
    const auto near = land::shore_within(*request.land, ship.lat, ship.lon, ship.lat, ship.lon,
                                         request.sea_room_nm);
    if (near) start_offing_nm_ = near->distance_nm;
  }
  if (voyage_.kind() == Voyage::Kind::kCourse && request.land) end_course_at_shore();
}

double Walk::clearance(std::size_t i, const forecast::Ecef& ship, LatLon at, bool tolerant,
                       int& meets) const {
  double least = kInfinity;
  for (const auto& storm : samples_) {
    if (i >= storm.size() || !storm[i].judged) continue;
    const forecast::StormSample& s = storm[i];
    const forecast::PlanePoint p = exact_ ? forecast::exact_plane_point(s.centre, at)
                                          : forecast::approximate_plane_point(s, ship);
    least = std::min(least, forecast::signed_distance_nm(p, s.radii[avoid_]) - s.allowance_nm);
    // Which winds are met matters only for the plan given and the least bad one.
    if (!exact_ && !tolerant) continue;
    for (std::size_t k = 3; k-- > 0;) {
      if (forecast::kThresholdKt[k] <= meets) break;
      if (forecast::signed_distance_nm(p, s.radii[k]) < 0.0) meets = forecast::kThresholdKt[k];
    }
  }
  return exact_ ? least : least - kCushionNm;
}

std::optional<LatLon> Walk::centre(std::size_t storm, std::size_t i) const {
  if (storm >= samples_.size() || i >= samples_[storm].size() || !samples_[storm][i].judged) {
    return std::nullopt;
  }
  return samples_[storm][i].centre;
}

namespace {

// Notes the ship (and every storm) at a whole hour in the cursor's trail.
void record_hour(const Walk& walk, Cursor& c, std::size_t i, double h, LatLon at) {
  if (!c.trail || std::fabs(h - std::round(h)) > 1e-6) return;
  Trail& trail = *c.trail;
  trail.hourly.push_back(at);
  trail.storms_hourly.resize(walk.storm_count());
  for (std::size_t s = 0; s < walk.storm_count(); ++s) {
    trail.storms_hourly[s].push_back(walk.centre(s, i));
  }
}

// Notes in the cursor's trail a run starting now, when it steers otherwise than the last.
void record_turn(Cursor& c, double course_deg, double speed_kn) {
  if (!c.trail) return;
  std::vector<Trail::Turn>& turns = c.trail->turns;
  if (speed_kn <= 0.0) course_deg = 0.0;
  if (!turns.empty() && turns.back().speed_kn == speed_kn &&
      (speed_kn <= 0.0 || std::fabs(turns.back().course_deg - course_deg) < 1e-9)) {
    return;
  }
  turns.push_back({c.t, c.at, course_deg, speed_kn});
}

// Records the clearance at sample `i` (time `h`, position `at`); false at a breach.
bool take(const Walk& walk, Cursor& c, std::size_t i, double h, const forecast::Ecef& ship,
          LatLon at) {
  const double clearance = walk.clearance(i, ship, at, c.tolerant, c.meets);
  record_hour(walk, c, i, h, at);
  if (clearance < c.least) {
    c.least = clearance;
    c.least_h = h;
    c.least_at = at;
  }
  if (clearance < 0.0) {
    if (!c.tolerant) return false;
    c.last_inside_h = h;
  }
  return true;
}

// The point at `fraction` of the rhumb line from `a` to `b`: straight in the Mercator plane.
struct MercatorLine {
  MercatorLine(LatLon a, LatLon b)
      : lon0(a.lon),
        dlon(std::remainder(b.lon - a.lon, 360.0)),
        psi0(land::isometric_latitude(a.lat)),
        dpsi(land::isometric_latitude(b.lat) - psi0) {}
  LatLon at(double fraction) const {
    return {land::geodetic_latitude(psi0 + fraction * dpsi),
            std::remainder(lon0 + fraction * dlon, 360.0)};
  }
  // The point at `fraction` both as a place and in the plane, where it is already known: the
  // shoreline is asked of it without going back from latitude to the plane.
  struct Point {
    LatLon at;
    land::ScaledPoint scaled;
  };
  Point point(double fraction) const {
    const double x = lon0 + fraction * dlon, psi = psi0 + fraction * dpsi;
    const double lat = land::geodetic_latitude(psi);
    return {{lat, std::remainder(x, 360.0)}, {{x, psi}, land::mercator_scale_nm(lat)}};
  }
  double lon0, dlon, psi0, dpsi;
};

// The shoreline within `cap_nm` of the stretch from `a` to `b` of one line.
std::optional<land::ShoreNear> shore_between(const land::Land& land, const MercatorLine::Point& a,
                                             const MercatorLine::Point& b, double cap_nm) {
  land::ScaledPoint from = a.scaled, to = b.scaled;
  const double shift = from.at.x - a.at.lon;  // a whole number of turns
  from.at.x -= shift;
  to.at.x -= shift;
  return land::shore_within(land, from, to, cap_nm);
}

// Land along the rhumb line from `from` to `to` (run from `t0` to `t1` hours, `length_nm`
// long): the shoreline no nearer than the sea room, but within it of the start no nearer than
// the ship starts and within it of the destination any at all. Nothing when the line keeps that;
// else the fraction of the line (straight in the Mercator plane) where it is first broken: the
// start of the stretch that breaks it, or with `to_the_piece` of the short piece, a place that
// still keeps the sea room.
std::optional<double> land_breach(const Walk& walk, Cursor& c, LatLon from, LatLon to,
                                  double length_nm, double t0, double t1, bool to_the_piece) {
  const PlanRequest& request = walk.request();
  if (!request.land || !(length_nm > 0.0)) return std::nullopt;
  const double room = request.sea_room_nm;
  const double look = walk.exact() ? room + kSeaRoomLookNm : room;
  const bool has_end =
      !walk.voyage().waypoints().empty() && walk.voyage().kind() != Voyage::Kind::kCourse;
  const LatLon end = has_end ? walk.voyage().waypoints().back() : LatLon{};
  const MercatorLine line(from, to);
  auto note = [&](const land::ShoreNear& near, double f0, double f1) {
    if (near.distance_nm < c.sea_room) {
      const double f = f0 + near.fraction * (f1 - f0);
      c.sea_room = near.distance_nm;
      c.sea_room_h = t0 + f * (t1 - t0);
      c.sea_room_at = line.at(f);
    }
  };
  const int stretches = static_cast<int>(std::ceil(length_nm / kStretchNm));
  MercatorLine::Point next = line.point(0.0);
  for (int s = 0; s < stretches; ++s) {
    const double f0 = static_cast<double>(s) / stretches;
    const double f1 = static_cast<double>(s + 1) / stretches;
    const MercatorLine::Point start = next;
    next = line.point(f1);
    const LatLon a = start.at, b = next.at;
    const auto near = shore_between(*request.land, start, next, look);
    if (!near) continue;
    const double span = length_nm / stretches;
    const bool by_start =
        rough_nm(a, request.ship) <= room + span || rough_nm(b, request.ship) <= room + span;
    const bool by_end =
        has_end && (rough_nm(a, end) <= room + span || rough_nm(b, end) <= room + span);
    if (!by_start && !by_end) {
      if (near->distance_nm >= room) {
        note(*near, f0, f1);
        continue;
      }
      if (!to_the_piece) return f0;
    }
    // Near the start or the destination, or to find where it is broken: piece by piece.
    const int pieces = static_cast<int>(std::ceil(span / kPieceNm));
    MercatorLine::Point piece_end = start;
    for (int p = 0; p < pieces; ++p) {
      const double g0 = f0 + (f1 - f0) * p / pieces, g1 = f0 + (f1 - f0) * (p + 1) / pieces;
      const MercatorLine::Point piece_start = piece_end;
      piece_end = p + 1 == pieces ? next : line.point(g1);
      const LatLon pa = piece_start.at, pb = piece_end.at;
      if (has_end && rough_nm(pa, end) <= room && rough_nm(pb, end) <= room) continue;
      const auto piece = shore_between(*request.land, piece_start, piece_end, look);
      if (!piece) continue;
      if (rough_nm(pa, request.ship) <= room && rough_nm(pb, request.ship) <= room) {
        if (piece->distance_nm <= 0.0) return g0;  // never over land
        // Leaving harbour: a track may go on there coming no nearer the shore than the ship
        // starts. Else a ship planned again near a coast creeps onto it (or a leg closes it),
        // and one held to the full sea room lies where it started.
        if (piece->distance_nm >= walk.start_offing_nm() - kOffingSlackNm) continue;
      }
      if (piece->distance_nm < room) return g0;
      note(*piece, g0, g1);
    }
  }
  return std::nullopt;
}

// Where the rhumb line from `from` on `course_deg` is after `distance_nm`, for the search: the
// latitude by the midpoint rule in steps of at most 60 nm (within metres), the longitude from
// the isometric latitudes.
LatLon fast_rhumb_position(LatLon from, double course_deg, double distance_nm) {
  const double cos_c = std::cos(course_deg * kRadiansPerDegree);
  const double sin_c = std::sin(course_deg * kRadiansPerDegree);
  const int steps = 1 + static_cast<int>(distance_nm / 60.0);
  const double h = distance_nm / steps;
  double lat = from.lat;
  for (int i = 0; i < steps; ++i) {
    const double mid = lat + 0.5 * h * cos_c / meridian_radius_nm(lat) / kRadiansPerDegree;
    lat += h * cos_c / meridian_radius_nm(mid) / kRadiansPerDegree;
  }
  lat = std::clamp(lat, -89.9, 89.9);
  double dlon = 0.0;
  if (std::fabs(cos_c) > 1e-6) {
    dlon = sin_c / cos_c * (land::isometric_latitude(lat) - land::isometric_latitude(from.lat));
  } else {
    dlon = distance_nm * sin_c / land::mercator_scale_nm(from.lat);
  }
  return {lat, std::remainder(from.lon + dlon, 360.0)};
}

}  // namespace

bool start(const Walk& walk, Cursor& c) {
  c.t = 0.0;
  c.at = walk.request().ship;
  c.target = walk.voyage().next_waypoint(c.at, 0);
  return take(walk, c, 0, 0.0, forecast::to_ecef(c.at), c.at);
}

namespace {

// Where a run on `course_deg` from `from` is after `distance_nm`, as the walk reckons it.
LatLon run_end(const Walk& walk, LatLon from, double course_deg, double distance_nm) {
  return walk.exact() ? forecast::rhumb_position(from, course_deg, distance_nm)
                      : fast_rhumb_position(from, course_deg, distance_nm);
}

// As `run`; the land already looked at along the line when `land_checked`.
bool run_line(const Walk& walk, Cursor& c, double course_deg, double speed_kn, double until_h,
              bool land_checked) {
  until_h = std::min(until_h, walk.horizon_h());
  if (!(until_h > c.t)) return true;
  record_turn(c, course_deg, speed_kn);
  const double step = walk.step_h();
  const auto first = static_cast<std::size_t>(std::floor(c.t / step + kSlackH)) + 1;
  const auto last = static_cast<std::size_t>(std::floor(until_h / step + kSlackH));
  const LatLon from = c.at;
  const double t0 = c.t;
  if (speed_kn <= 0.0) {
    const forecast::Ecef ship = forecast::to_ecef(from);
    for (std::size_t i = first; i <= last; ++i) {
      if (!take(walk, c, i, step * static_cast<double>(i), ship, from)) return false;
    }
    c.t = until_h;
    return true;
  }
  if (walk.exact()) {
    const forecast::ExactRhumb line(from, course_deg);
    for (std::size_t i = first; i <= last; ++i) {
      const double h = step * static_cast<double>(i);
      const LatLon at = line.at(speed_kn * (h - t0));
      if (!take(walk, c, i, h, forecast::to_ecef(at), at)) return false;
    }
  } else {
    const forecast::FastRhumb line(from, course_deg);
    for (std::size_t i = first; i <= last; ++i) {
      const double h = step * static_cast<double>(i);
      if (!take(walk, c, i, h, line.at(speed_kn * (h - t0)), from)) return false;
    }
  }
  const double distance = speed_kn * (until_h - t0);
  const LatLon to = run_end(walk, from, course_deg, distance);
  if (!land_checked && land_breach(walk, c, from, to, distance, t0, until_h, false)) return false;
  c.at = to;
  c.run_nm += speed_kn * (until_h - t0);
  c.t = until_h;
  return true;
}

// Runs along the voyage as `run`, but where the line first comes nearer the shore than the sea
// room the ship stops short and waits there (the voyage leads onto land; `stopped_h` says when).
bool run_short_of_land(const Walk& walk, Cursor& c, double course_deg, double speed_kn,
                       double until_h, std::optional<double>& stopped_h) {
  stopped_h.reset();
  until_h = std::min(until_h, walk.horizon_h());
  if (!(until_h > c.t) || !(speed_kn > 0.0)) return run(walk, c, course_deg, speed_kn, until_h);
  const double distance = speed_kn * (until_h - c.t);
  const LatLon to = run_end(walk, c.at, course_deg, distance);
  const std::optional<double> breach = land_breach(walk, c, c.at, to, distance, c.t, until_h, true);
  if (!breach) return run_line(walk, c, course_deg, speed_kn, until_h, true);
  // The line is straight in the Mercator plane: the place at that fraction, then its distance.
  const LatLon stop = MercatorLine(c.at, to).at(*breach);
  const double stop_h = std::min(until_h, c.t + rhumb_between(c.at, stop).distance_nm / speed_kn);
  if (!run_line(walk, c, course_deg, speed_kn, stop_h, true)) return false;
  if (!c.short_of_land_h) {
    c.short_of_land_h = c.t;
    c.short_of_land_at = c.at;
  }
  stopped_h = c.t;
  return run_line(walk, c, 0.0, 0.0, until_h, true);
}

}  // namespace

bool run(const Walk& walk, Cursor& c, double course_deg, double speed_kn, double until_h) {
  return run_line(walk, c, course_deg, speed_kn, until_h, false);
}

bool run_voyage(const Walk& walk, Cursor& c, double until_h) {
  const VoyageLine& voyage = walk.voyage();
  const double speed = walk.request().speed_kn;
  until_h = std::min(until_h, walk.horizon_h());
  std::optional<double> stopped;
  if (voyage.kind() == Voyage::Kind::kCourse) {
    if (!run_short_of_land(walk, c, voyage.course_deg(), speed, until_h, stopped)) return false;
    // Stopped where the course's own line ends at the shore: the voyage is done.
    if (stopped && !c.arrived_h && walk.course_end_nm() &&
        voyage.progress_nm(c.at, 0) >= *walk.course_end_nm() - 1.0) {
      c.arrived_h = *stopped;
    }
    return true;
  }
  if (voyage.waypoints().empty()) return run(walk, c, 0.0, 0.0, until_h);
  c.target = voyage.next_waypoint(c.at, c.target);
  const std::size_t last = voyage.waypoints().size() - 1;
  while (c.t < until_h) {
    const LatLon goal = voyage.waypoints()[c.target];
    const Heading heading = rhumb_between(c.at, goal);
    if (heading.distance_nm < 1e-6) {
      // At the destination the ship stays; the last waypoint is never passed.
      if (c.target == last) {
        if (!c.arrived_h) c.arrived_h = c.t;
        return run(walk, c, 0.0, 0.0, until_h);
      }
      ++c.target;
      continue;
    }
    const double arrive_h = c.t + heading.distance_nm / speed;
    if (arrive_h >= until_h) {
      return run_short_of_land(walk, c, heading.course_deg, speed, until_h, stopped);
    }
    if (!run_short_of_land(walk, c, heading.course_deg, speed, arrive_h, stopped)) return false;
    if (stopped) return run(walk, c, 0.0, 0.0, until_h);
    c.at = goal;
  }
  return true;
}

void Walk::end_course_at_shore() {
  Cursor c;
  c.tolerant = true;
  start(*this, c);
  std::optional<double> stopped;
  if (run_short_of_land(*this, c, voyage_.course_deg(), request_.speed_kn, horizon_h_, stopped) &&
      stopped) {
    course_end_nm_ = voyage_.progress_nm(c.at, 0);
  }
}

double Walk::progress_nm(const Cursor& end) const {
  const double along = voyage_.progress_nm(end.at, end.target);
  if (!course_end_nm_ || along - *course_end_nm_ >= kPastLandH * request_.speed_kn) return along;
  return std::min(along, *course_end_nm_);
}

}  // namespace hurricane::plan

// An independent check of a plan's track, written apart from the planner: the track rebuilt
// from the plan's stated legs and resume every 0.1 h with GeographicLib's rhumb lines, the
// danger from the forecast's storm states through the exact plane point, the shoreline by brute
// force over every edge near the track in a local plane about each point.
#pragma once

#include <GeographicLib/Rhumb.hpp>
#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "forecast/quarter_discs.h"
#include "forecast/storm_samples.h"
#include "forecast/sweep.h"
#include "land/land.h"
#include "plan/plan.h"

namespace hurricane::plan::testing {

constexpr double kNm = 1852.0;
constexpr double kRad = 0.017453292519943295;

struct Check {
  double least_clearance = 1e300;  // over every sample
  double least_sea_room = 1e300;   // over samples outside the start's and destination's room
  std::string fault;               // the first inconsistency in the plan's own facts
};

inline LatLon rhumb_direct(LatLon from, double course, double nm) {
  double lat = 0, lon = 0;
  GeographicLib::Rhumb::WGS84().Direct(from.lat, from.lon, course, nm * kNm, lat, lon);
  return {lat, lon};
}

inline double rhumb_nm(LatLon a, LatLon b, double* course = nullptr) {
  double m = 0, azimuth = 0;
  GeographicLib::Rhumb::WGS84().Inverse(a.lat, a.lon, b.lat, b.lon, m, azimuth);
  if (course) *course = azimuth;
  return m / kNm;
}

// Steering for `dest` at `speed` from `from` for `hours`, stopping there.
inline LatLon toward(LatLon from, LatLon dest, double speed, double hours) {
  double course = 0;
  const double d = rhumb_nm(from, dest, &course);
  if (speed * hours >= d) return dest;
  return rhumb_direct(from, course, speed * hours);
}

inline double local_nm(LatLon p, LatLon q) {
  const double east = std::remainder(q.lon - p.lon, 360.0) * 60.0 * std::cos(p.lat * kRad);
  return std::hypot(q.lat - p.lat, east / 60.0) * 60.0;
}

// Least distance from `p` to the shoreline's edges in `edges`, in the plane tangent at p.
inline double shore_nm(LatLon p, const std::vector<std::pair<LatLon, LatLon>>& edges) {
  const double c = std::cos(p.lat * kRad);
  double best = 1e300;
  for (const auto& [a, b] : edges) {
    const double ax = std::remainder(a.lon - p.lon, 360.0) * 60.0 * c, ay = (a.lat - p.lat) * 60.0;
    const double bx = std::remainder(b.lon - p.lon, 360.0) * 60.0 * c, by = (b.lat - p.lat) * 60.0;
    const double dx = bx - ax, dy = by - ay, len2 = dx * dx + dy * dy;
    const double t = len2 > 0 ? std::clamp(-(ax * dx + ay * dy) / len2, 0.0, 1.0) : 0.0;
    best = std::min(best, std::hypot(ax + t * dx, ay + t * dy));
  }
  return best;
}

// Checks `plan` for `request` (a voyage to one destination, or none): positions every 0.1 h
// from its legs (each leg's stated end must be where its course and speed take it), the voyage
// held before them and resumed after.
inline Check check_plan(const PlanRequest& request, const Plan& plan) {
  Check check;
  const double horizon = forecast::hours_between(request.at, plan.until);
  const bool voyage = request.voyage.kind == Voyage::Kind::kDestination;
  const LatLon dest = voyage ? request.voyage.waypoints[0] : LatLon{};
  auto hours = [&](Time t) { return forecast::hours_between(request.at, t); };
  for (std::size_t i = 0; i < plan.legs.size(); ++i) {
    const PlannedLeg& leg = plan.legs[i];
    const LatLon end = rhumb_direct(
        leg.from, leg.course_deg, leg.speed_kn * hours(leg.end) - leg.speed_kn * hours(leg.start));
    if (local_nm(end, leg.to) > 0.05) check.fault = "leg " + std::to_string(i) + " ends elsewhere";
    if (i > 0 && local_nm(plan.legs[i - 1].to, leg.from) > 0.01) check.fault = "legs apart";
  }
  // The voyage from `from` at hour `h0` (to `h1`, where its phase ends) stops where the track
  // says it stops short of the shore, if it does: the stop must lie on the voyage's line.
  std::vector<double> stops;
  for (const TrackTurn& turn : plan.track) {
    if (turn.speed_kn <= 0.0 && turn.at != plan.until) stops.push_back(hours(turn.at));
  }
  auto voyage_from = [&](LatLon from, double h0, double h1, double h) {
    for (const double stop : stops) {
      if (stop >= h0 - 1e-9 && stop <= h1 + 1e-9 && h > stop) {
        return toward(from, dest, request.speed_kn, stop - h0);
      }
    }
    return toward(from, dest, request.speed_kn, h - h0);
  };
  auto position = [&](double h) -> LatLon {
    if (plan.legs.empty() || h <= hours(plan.legs.front().start)) {
      const double h1 = plan.legs.empty() ? horizon : hours(plan.legs.front().start);
      return voyage ? voyage_from(request.ship, 0.0, h1, h) : request.ship;
    }
    for (const PlannedLeg& leg : plan.legs) {
      if (h <= hours(leg.end) + 1e-9 || (!voyage && &leg == &plan.legs.back())) {
        return rhumb_direct(leg.from, leg.course_deg, leg.speed_kn * (h - hours(leg.start)));
      }
    }
    return voyage_from(plan.resume->from, hours(plan.resume->start), horizon, h);
  };
  if (voyage && !plan.legs.empty() && !plan.resume) check.fault = "no resume after the legs";
  // The track the outputs draw lies on the rebuilt one: its turns, its end and every hour.
  if (plan.track.empty() || hours(plan.track.front().at) != 0.0 ||
      plan.track.back().at != plan.until) {
    check.fault = "track not from the start to the horizon";
  }
  for (const TrackTurn& turn : plan.track) {
    if (local_nm(turn.position, position(hours(turn.at))) > 0.05) check.fault = "track turn off";
  }
  if (plan.hourly.size() != static_cast<std::size_t>(std::floor(horizon + 1e-9)) + 1) {
    check.fault = "hourly positions missing";
  }
  for (std::size_t h = 0; h < plan.hourly.size(); ++h) {
    if (local_nm(plan.hourly[h], position(static_cast<double>(h))) > 0.05) check.fault = "hour off";
  }
  // Each storm's state every 0.1 h, as the forecast forms it.
  const auto count = static_cast<std::size_t>(std::floor(horizon / 0.1 + 1e-9)) + 1;
  forecast::SweepRequest sweep;
  sweep.error = request.error;
  sweep.storm_tables = request.storm_tables;
  std::vector<std::vector<forecast::StormSample>> storms;
  for (std::size_t s = 0; s < request.storms.size(); ++s) {
    storms.push_back(forecast::storm_samples(request.storms[s], forecast::storm_error(sweep, s),
                                             request.at, 0.1, count));
  }
  const std::size_t k = request.avoid_kt >= 64 ? 2 : request.avoid_kt >= 50 ? 1 : 0;
  std::vector<LatLon> track;
  for (std::size_t i = 0; i < count; ++i) {
    const LatLon p = position(0.1 * static_cast<double>(i));
    track.push_back(p);
    for (const auto& samples : storms) {
      if (!samples[i].judged) continue;
      const forecast::PlanePoint q = forecast::exact_plane_point(samples[i].centre, p);
      check.least_clearance =
          std::min(check.least_clearance,
                   forecast::signed_distance_nm(q, samples[i].radii[k]) - samples[i].allowance_nm);
    }
  }
  if (!request.land) return check;
  // Every shoreline edge within a degree and a half of the track's box.
  double lat0 = 90, lat1 = -90, lon0 = 1e9, lon1 = -1e9;
  for (const LatLon& p : track) {
    lat0 = std::min(lat0, p.lat), lat1 = std::max(lat1, p.lat);
    lon0 = std::min(lon0, p.lon), lon1 = std::max(lon1, p.lon);
  }
  const land::Shoreline& s = request.land->shoreline();
  std::vector<std::pair<LatLon, LatLon>> edges;
  for (std::size_t line = 0; line < s.line_count(); ++line) {
    for (std::uint32_t i = s.line_start[line]; i + 1 < s.line_start[line + 1]; ++i) {
      const LatLon a{land::geodetic_latitude(s.y[i]), s.x[i]};
      const LatLon b{land::geodetic_latitude(s.y[i + 1]), s.x[i + 1]};
      if (std::max(a.lat, b.lat) < lat0 - 1.5 || std::min(a.lat, b.lat) > lat1 + 1.5) continue;
      if (std::max(a.lon, b.lon) < lon0 - 1.5 || std::min(a.lon, b.lon) > lon1 + 1.5) continue;
      edges.emplace_back(a, b);
    }
  }
  // The sea room the plan says it keeps: as asked, or reduced when it says so.
  const double room = kept_sea_room_nm(plan);
  // Within the sea room of the start the voyage's line keeps no more than the ship starts with
  // (the planner asks the sea room of line pieces, 2 nm, that reach out of it).
  const double offing = std::min(room, shore_nm(request.ship, edges));
  auto near_start = [&](LatLon p) { return local_nm(p, request.ship) <= room - 2.5; };
  // A voyage stopped short of the shore (not at its destination) had to: within a few miles
  // further on its line the shore comes nearer than the sea room (than the start's offing, near
  // the start).
  for (const double stop : stops) {
    const LatLon at = position(stop);
    if (!voyage || local_nm(at, dest) < 0.01) continue;
    // (A leg hove to from its start is no stop of the voyage, the first leg's included.)
    const bool in_hold = plan.legs.empty() || stop < hours(plan.legs.front().start) - 1e-9;
    if (!in_hold && stop < hours(plan.resume->start) - 1e-9) continue;  // a leg hove to
    bool spare = true;
    for (int step = 0; step <= 15; ++step) {
      const LatLon p = toward(at, dest, 1.0, 0.2 * step);
      if (step == 0 && near_start(p)) continue;  // where the ship lies: its own offing
      // Further on the line the sea room holds exactly; at the stop itself and near the start the
      // planner's 2-nm pieces may differ from the brute force by up to 0.1 nm.
      const double need = near_start(p) ? offing + 0.15 : step == 0 ? room + 0.15 : room;
      spare = spare && shore_nm(p, edges) >= need;
    }
    if (spare) check.fault = "stopped short with sea room to spare";
  }
  // Nor does any of the track, legs included, come nearer the shore there than the ship starts.
  for (const LatLon& p : track) {
    if (near_start(p) && shore_nm(p, edges) < offing - 0.15) check.fault = "closed the shore";
  }
  for (const LatLon& p : track) {
    if (local_nm(p, request.ship) <= room) continue;
    if (voyage && local_nm(p, dest) <= room) continue;
    check.least_sea_room = std::min(check.least_sea_room, shore_nm(p, edges));
  }
  return check;
}

}  // namespace hurricane::plan::testing

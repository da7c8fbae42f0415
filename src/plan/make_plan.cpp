// The plan: searched on the fast walk, given only once the exact walk finds it clear; the facts
// every output shows are taken from that exact walk.
#include <algorithm>
#include <cmath>
#include <optional>
#include <utility>

#include "plan/plan.h"
#include "plan/search.h"
#include "plan/shape.h"
#include "plan/walk.h"

namespace hurricane::plan {
namespace {

constexpr double kSearchStepH = 0.5;
constexpr double kExactStepH = 0.1;
constexpr std::size_t kVerified = 8;  // plans of the search tried against the exact walk

double judged_horizon(const PlanRequest& request) {
  double last = -1.0;
  for (const forecast::StormTrack& storm : request.storms) {
    last = std::max(last, forecast::hours_between(request.at, forecast::track_end(storm)));
  }
  return std::min(request.horizon_h, last);
}

std::vector<double> holds_every(double step, double last) {
  std::vector<double> holds;
  for (double h = 0.0; h <= last + 1e-9; h += step) holds.push_back(h);
  return holds;
}

// The first of `candidates` (refined first) that keeps clear on the exact walk.
std::optional<Shape> first_exactly_clear(const Walk& fast, const Walk& exact,
                                         const std::vector<Scored>& candidates) {
  for (std::size_t i = 0; i < candidates.size() && i < kVerified; ++i) {
    for (const Scored& s : {refine(fast, candidates[i]), candidates[i]}) {
      Cursor c;
      if (walk_shape(exact, s.shape, c)) return s.shape;
    }
  }
  return std::nullopt;
}

// With nothing clear: of holding the voyage, staying put and one leg on the coarse grid then
// the voyage, the one that goes least deep (to the whole nm), then is out of the danger soonest,
// then makes the most progress; land is never crossed. Nothing when every one meets land.
std::optional<Shape> least_bad(const Walk& fast) {
  std::vector<Shape> shapes = {Shape{fast.horizon_h(), {}}, Shape{0.0, {{0, 4, fast.horizon_h()}}}};
  for (const std::size_t speed : {std::size_t{0}, std::size_t{2}}) {
    for (int course = 0; course < 360; course += 10) {
      for (double h = 6.0; h <= fast.horizon_h(); h += 6.0) {
        shapes.push_back(Shape{0.0, {{course, speed, h}}});
        if (!fast.voyage().any()) break;
      }
    }
  }
  std::optional<Shape> best;
  double best_depth = 0, best_out = 0, best_progress = 0;
  for (const Shape& shape : shapes) {
    Cursor c;
    c.tolerant = true;
    if (!walk_shape(fast, shape, c)) continue;
    const double depth = std::round(c.least);
    const double out = c.last_inside_h.value_or(-1.0);
    const double progress = fast.progress_nm(c);
    if (!best || depth > best_depth || (depth == best_depth && out < best_out) ||
        (depth == best_depth && out == best_out && progress > best_progress)) {
      best = shape;
      best_depth = depth;
      best_out = out;
      best_progress = progress;
    }
  }
  return best;
}

// The latest whole hour, from `known` (a hold known to leave a plan) up to where the voyage
// stops being clear, until which the voyage can be held and one leg then keeps clear: tried
// every 6 h from the latest down, then hour by hour above the one found.
double latest_hold(const Walk& fast, double known) {
  const double clear = std::floor(voyage_clear_h(fast));
  auto leaves_plan = [&](double hold) {
    return !coarse_search(fast, SearchLimits{{hold}, 1, true}).empty();
  };
  double found = known;
  for (double h = known + 6.0 * std::floor((clear - known) / 6.0); h > known; h -= 6.0) {
    if (leaves_plan(h)) {
      found = h;
      break;
    }
  }
  for (double h = std::min(clear, found + 5.0); h > found; h -= 1.0) {
    if (leaves_plan(h)) return h;
  }
  return found;
}

// Whether `shape` is worth its legs over holding the voyage (which keeps clear, stopping short
// of the shore): more progress, more clearance, or arriving an hour or more sooner. Mere
// rounding between the search's samples must not put in a leg that steers the voyage's course.
bool gains_on_holding(const Walk& exact, const Shape& shape) {
  const Shape hold{exact.horizon_h(), {}};
  Cursor a, b;
  if (!walk_shape(exact, shape, a) || !walk_shape(exact, hold, b)) return false;
  const Scored with = score(exact, shape, a), held = score(exact, hold, b);
  return with.progress_nm >= held.progress_nm + 1.0 ||
         ranked_clearance(with.least_nm) > ranked_clearance(held.least_nm) ||
         with.arrive_h <= held.arrive_h - 1.0;
}

// What a turn of the track is, once the legs and the resume are known.
TrackTurn::Kind turn_kind(const Walk& exact, const Plan& plan, Time at, const Trail::Turn& turn) {
  for (const PlannedLeg& leg : plan.legs) {
    if (leg.start == at)
      return leg.speed_kn > 0.0 ? TrackTurn::Kind::kAlter : TrackTurn::Kind::kHeaveTo;
  }
  if (plan.resume && plan.resume->start == at) return TrackTurn::Kind::kResume;
  if (turn.speed_kn > 0.0) return TrackTurn::Kind::kWaypoint;
  const std::vector<LatLon>& waypoints = exact.voyage().waypoints();
  const bool at_end = exact.voyage().kind() != Voyage::Kind::kCourse && !waypoints.empty() &&
                      rhumb_between(turn.at, waypoints.back()).distance_nm < 0.01;
  return at_end ? TrackTurn::Kind::kArrived : TrackTurn::Kind::kStopShort;
}

// The facts of `shape` walked exactly.
Plan facts_of(const Walk& exact, const Shape& shape, bool keeps_clear) {
  const PlanRequest& request = exact.request();
  Plan plan;
  plan.judged = true;
  plan.keeps_clear = keeps_clear;
  plan.voyage = request.voyage.kind;
  plan.until = forecast::add_hours(request.at, exact.horizon_h());
  Cursor end;
  end.tolerant = !keeps_clear;
  Trail trail;
  end.trail = &trail;
  std::vector<Cursor> marks;
  walk_shape(exact, shape, end, &marks);
  const bool voyage = exact.voyage().any();
  auto time = [&](double h) { return forecast::add_hours(request.at, h); };
  if (voyage && shape.legs.empty()) {
    plan.holds_voyage_until = plan.until;
  } else if (voyage && shape.hold_h > 0.0) {
    plan.holds_voyage_until = time(shape.hold_h);
  }
  for (std::size_t i = 0; i < shape.legs.size() && i + 1 < marks.size(); ++i) {
    const double speed = request.speed_kn * kLegSpeeds[shape.legs[i].speed];
    plan.legs.push_back({speed > 0.0 ? shape.legs[i].course_deg : 0, speed, time(marks[i].t),
                         time(marks[i + 1].t), marks[i].at, marks[i + 1].at});
  }
  if (voyage && !shape.legs.empty() && !marks.empty()) {
    const Cursor& from = marks.back();
    Resume resume{0, std::nullopt, time(from.t), from.at};
    if (exact.voyage().kind() == Voyage::Kind::kCourse) {
      resume.course_deg = static_cast<int>(std::lround(exact.voyage().course_deg())) % 360;
    } else {
      const std::size_t target = exact.voyage().next_waypoint(from.at, from.target);
      if (target < exact.voyage().waypoints().size()) {
        resume.waypoint = target;
        resume.course_deg =
            static_cast<int>(std::lround(
                rhumb_between(from.at, exact.voyage().waypoints()[target]).course_deg)) %
            360;
      }
    }
    plan.resume = resume;
  }
  plan.least_clearance_nm = end.least;
  plan.least_clearance_at = time(end.least_h);
  plan.least_clearance_place = end.least_at;
  if (request.land && std::isfinite(end.sea_room)) {
    plan.least_sea_room_nm = end.sea_room;
    plan.sea_room_at = time(end.sea_room_h);
    plan.sea_room_place = end.sea_room_at;
  }
  plan.progress_nm = exact.progress_nm(end);
  plan.meets = end.meets;
  if (end.short_of_land_h)
    plan.short_of_land = ShortOfLand{time(*end.short_of_land_h), end.short_of_land_at};
  for (const Trail::Turn& turn : trail.turns) {
    plan.track.push_back({turn_kind(exact, plan, time(turn.h), turn), time(turn.h), turn.at,
                          static_cast<int>(std::lround(turn.course_deg)) % 360, turn.speed_kn});
  }
  if (!plan.track.empty()) plan.track.front().kind = TrackTurn::Kind::kStart;
  plan.track.push_back({TrackTurn::Kind::kEnd, time(end.t), end.at, 0, 0.0});
  plan.hourly = std::move(trail.hourly);
  plan.storms_hourly = std::move(trail.storms_hourly);
  return plan;
}

Plan search_from(const Walk& fast, const Walk& exact, double clear_h, bool held_clear);

// The plan, before the settings it was made with are added.
Plan search_plan(const PlanRequest& request) {
  const double horizon = judged_horizon(request);
  const double search_horizon = std::floor(horizon / kSearchStepH + 1e-9) * kSearchStepH;
  if (!(search_horizon >= 1.0)) return Plan{};
  const Walk fast(request, search_horizon, kSearchStepH, false);
  const Walk exact(request, horizon, kExactStepH, true);
  if (!fast.judged()) return Plan{};
  if (!(request.speed_kn > 0.0)) {
    // A ship that cannot move stays where it is: clear or not.
    const Shape stay{0.0, {{0, 4, horizon}}};
    Cursor c;
    const bool clear = walk_shape(exact, stay, c);
    Plan plan = facts_of(exact, stay, clear);
    plan.decide_by.kind = clear ? DecideBy::Kind::kNone : DecideBy::Kind::kNow;
    return plan;
  }
  const bool voyage = fast.voyage().any();

  // Holding the voyage to the horizon, when that keeps clear, is the plan; unless it stops
  // short of the shore, when legs around the land may make more progress.
  bool held_clear = false;
  if (voyage) {
    const Shape hold{horizon, {}};
    Cursor c;
    held_clear = walk_shape(exact, hold, c);
    if (held_clear && !c.short_of_land_h) {
      Plan plan = facts_of(exact, hold, true);
      plan.decide_by.kind = DecideBy::Kind::kNone;
      return plan;
    }
  }
  const double clear_h = voyage ? voyage_clear_h(fast) : 0.0;
  Plan plan = search_from(fast, exact, clear_h, held_clear);
  if (voyage && !held_clear) {
    plan.voyage_clear_until = forecast::add_hours(request.at, std::max(0.0, clear_h));
  }
  return plan;
}

// The search for a plan once holding the voyage to the horizon is not the plan outright;
// `clear_h` is how long the voyage stays clear, `held_clear` whether it does to the horizon.
Plan search_from(const Walk& fast, const Walk& exact, double clear_h, bool held_clear) {
  const PlanRequest& request = exact.request();
  const double horizon = exact.horizon_h();
  const bool voyage = fast.voyage().any();
  SearchLimits limits{holds_every(6.0, std::max(0.0, clear_h)), 2, false};
  const std::vector<Scored> found = coarse_search(fast, limits);
  if (std::optional<Shape> shape = first_exactly_clear(fast, exact, found)) {
    if (held_clear && !gains_on_holding(exact, *shape)) shape = Shape{horizon, {}};
    Plan plan = facts_of(exact, *shape, true);
    if (voyage && held_clear) {
      plan.decide_by.kind = DecideBy::Kind::kNone;
    } else if (voyage) {
      const double latest = latest_hold(fast, shape->hold_h);
      plan.decide_by.kind = latest > 0.0 ? DecideBy::Kind::kAt : DecideBy::Kind::kNow;
      plan.decide_by.at = forecast::add_hours(request.at, latest);
    }
    return plan;
  }
  Plan plan;
  if (const std::optional<Shape> shape = least_bad(fast)) {
    // The search keeps a mile clear between its samples; a plan found exactly clear is clear.
    Cursor c;
    if (walk_shape(exact, *shape, c)) {
      plan = facts_of(exact, *shape, true);
      plan.decide_by.kind = DecideBy::Kind::kNow;
      return plan;
    }
    plan = facts_of(exact, *shape, false);
  } else {
    plan = facts_of(exact, Shape{0.0, {{0, 4, horizon}}}, false);
  }
  plan.judged = true;
  plan.keeps_clear = false;
  plan.decide_by.kind = DecideBy::Kind::kNow;
  return plan;
}

}  // namespace

Plan make_plan(const PlanRequest& request) {
  Plan plan = search_plan(request);
  if (request.land && plan.judged && !plan.keeps_clear) {
    for (const double room : kReducedSeaRoomsNm) {
      if (!(room < request.sea_room_nm)) continue;
      PlanRequest closer = request;
      closer.sea_room_nm = room;
      Plan tried = search_plan(closer);
      if (tried.keeps_clear) {
        plan = std::move(tried);
        plan.reduced_sea_room_nm = room;
        break;
      }
    }
  }
  plan.avoid_kt = request.avoid_kt;
  plan.sea_room_nm = request.sea_room_nm;
  plan.land_held = request.land != nullptr;
  return plan;
}

}  // namespace hurricane::plan

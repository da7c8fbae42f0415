#include "forecast/advice.h"

#include <algorithm>
#include <cmath>

#include "forecast/radii_in_time.h"

namespace hurricane::forecast {
namespace {

bool is_open(const Passage& passage) {
  return shut_by(passage) == ShutBy::kOpen;
}

}  // namespace

namespace {

// The clockwise ranges of the courses `in` holds: {0, 359} when it holds them all.
template <typename Holds>
std::vector<CourseRange> ranges_where(const std::array<Passage, kCourses>& passages, Holds in) {
  std::size_t closed = kCourses;
  for (std::size_t c = 0; c < kCourses; ++c) {
    if (!in(passages[c])) {
      closed = c;
      break;
    }
  }
  if (closed == kCourses) return {{0, 359}};
  std::vector<CourseRange> ranges;
  // From just after a closed course, once round.
  for (std::size_t step = 1; step <= kCourses; ++step) {
    const std::size_t c = (closed + step) % kCourses;
    const int course = static_cast<int>(c);
    if (!in(passages[c])) continue;
    const std::size_t before = (c + kCourses - 1) % kCourses;
    if (in(passages[before]) && !ranges.empty()) {
      ranges.back().last = course;
    } else {
      ranges.push_back({course, course});
    }
  }
  return ranges;
}

}  // namespace

std::vector<CourseRange> open_ranges(const std::array<Passage, kCourses>& passages) {
  return ranges_where(passages, is_open);
}

std::vector<CourseRange> land_ranges(const std::array<Passage, kCourses>& passages) {
  return ranges_where(passages, [](const Passage& p) { return p.land_at_h.has_value(); });
}

std::vector<ShutRange> shut_ranges(const std::array<Passage, kCourses>& passages) {
  auto by = [&](std::size_t c) { return shut_by(passages[c % kCourses]); };
  // Start where the reason changes, so that no run is cut at north; all one reason otherwise.
  std::size_t start = 0;
  while (start < kCourses && by(start) == by(start + kCourses - 1)) ++start;
  if (start == kCourses) {
    if (by(0) == ShutBy::kOpen) return {};
    return {{{0, 359}, by(0)}};
  }
  std::vector<ShutRange> runs;
  for (std::size_t step = 0; step < kCourses; ++step) {
    const std::size_t c = (start + step) % kCourses;
    if (by(c) == ShutBy::kOpen) continue;
    if (step > 0 && by(c) == by(c + kCourses - 1)) {
      runs.back().courses.last = static_cast<int>(c);
    } else {
      runs.push_back({{static_cast<int>(c), static_cast<int>(c)}, by(c)});
    }
  }
  return runs;
}

ShutBy shut_by(const Passage& passage) {
  const bool danger = passage.clearance_nm < 0.0;
  const bool land = passage.land_at_h.has_value();
  if (danger && land) return ShutBy::kBoth;
  if (danger) return ShutBy::kDanger;
  return land ? ShutBy::kLand : ShutBy::kOpen;
}

const char* shut_by_name(ShutBy by) {
  switch (by) {
    case ShutBy::kOpen:
      return "open";
    case ShutBy::kDanger:
      return "danger";
    case ShutBy::kLand:
      return "land";
    case ShutBy::kBoth:
      return "both";
  }
  return "open";
}

const char* choice_name(Choice choice) {
  switch (choice) {
    case Choice::kLeavesSoonest:
      return "leaves_soonest";
    case Choice::kNearVoyage:
      return "near_voyage";
    case Choice::kMostClearance:
      return "most_clearance";
    case Choice::kStayPut:
      return "stay_put";
    case Choice::kLeastBad:
      return "least_bad";
    case Choice::kCannotMove:
      return "cannot_move";
  }
  return "most_clearance";
}

const char* none_open_because_name(NoneOpenBecause because) {
  switch (because) {
    case NoneOpenBecause::kInside:
      return "inside";
    case NoneOpenBecause::kLand:
      return "land";
    case NoneOpenBecause::kDanger:
      return "danger";
    case NoneOpenBecause::kDangerAndLand:
      return "danger_and_land";
  }
  return "danger";
}

namespace {

// The reason that holds for every course at full speed, else both.
NoneOpenBecause why_none_open(const ForecastAdvice& advice) {
  if (advice.starts_inside) return NoneOpenBecause::kInside;
  auto shuts_alone = [&](ShutBy by) {
    return std::any_of(advice.shut[0].begin(), advice.shut[0].end(),
                       [by](const ShutRange& run) { return run.by == by; });
  };
  if (!shuts_alone(ShutBy::kDanger)) return NoneOpenBecause::kLand;
  if (!shuts_alone(ShutBy::kLand)) return NoneOpenBecause::kDanger;
  return NoneOpenBecause::kDangerAndLand;
}

}  // namespace

int course_difference(int a, int b) {
  const int d = std::abs(a - b) % 360;
  return d > 180 ? 360 - d : d;
}

void compare_with_classic(ForecastAdvice& advice, int course) {
  advice.classic_course = ((course % 360) + 360) % 360;
  advice.classic_shut_by = ShutBy::kOpen;
  advice.disagrees_with_classic = false;
  if (!advice.sweep.judged || advice.cannot_move) return;
  advice.classic_shut_by =
      shut_by(advice.sweep.passages[0][static_cast<std::size_t>(*advice.classic_course)]);
  if (advice.classic_shut_by == ShutBy::kOpen || advice.none_open) return;
  // Shut, and not merely beside an open course: the two name different escapes.
  bool near_open = false;
  for (int c = 0; c < static_cast<int>(kCourses); ++c) {
    near_open = near_open || (is_open(advice.sweep.passages[0][static_cast<std::size_t>(c)]) &&
                              course_difference(c, *advice.classic_course) <= kAgreeDeg);
  }
  advice.disagrees_with_classic = !near_open;
}

ForecastAdvice advise_forecast(const std::vector<StormTrack>& storms, const SweepRequest& request,
                               std::optional<double> voyage_course_deg, const LandHours* land) {
  ForecastAdvice advice;
  advice.error = storm_error(request, 0);
  advice.requested_horizon_h = request.horizon_h;
  advice.at = request.at;
  advice.voyage_course_deg = voyage_course_deg;
  for (std::size_t v = 0; v < kSpeedFractions.size(); ++v) {
    advice.speeds_kn[v] = request.speed_kn * kSpeedFractions[v];
  }
  for (std::size_t s = 0; s < storms.size(); ++s) {
    const StormTrack& storm = storms[s];
    StormSummary summary;
    summary.error = storm_error(request, s);
    summary.storm_id = storm.storm_id;
    summary.advisory = storm.advisory;
    summary.points = storm.points.size();
    summary.ends_at = track_end(storm);
    summary.dissipated_at = storm.dissipated_at;
    summary.radii_carried_from_h = RadiiInTime(storm).carried_from_h();
    const ConeTable& table = summary.error.table;
    if (summary.error.kind == ErrorModel::Kind::kCone && !storm.storm_id.starts_with(table.basin)) {
      summary.basin_without_cone = storm.storm_id.substr(0, 2);
    }
    advice.storms.push_back(std::move(summary));
  }
  advice.sweep = sweep(storms, request);
  advice.cannot_move = !(request.speed_kn > 0.0);
  advice.land_checked = land != nullptr;
  if (land && !advice.cannot_move) {
    // Land is judged over the same window as the storms: a landfall after it does not count.
    for (std::size_t v = 0; v < kSpeedFractions.size(); ++v) {
      for (std::size_t c = 0; c < kCourses; ++c) {
        const std::optional<double> hour = (*land)[v][c];
        if (hour && *hour <= advice.sweep.horizon_h) advice.sweep.passages[v][c].land_at_h = hour;
      }
    }
    advice.land_closed = land_ranges(advice.sweep.passages[0]);
  }
  if (!advice.sweep.judged) return advice;
  const std::optional<double>& entered = advice.sweep.stay.enters_at_h;
  advice.starts_inside = entered && *entered == 0.0;
  advice.stay_open = is_open(advice.sweep.stay);
  if (!advice.cannot_move) {
    for (std::size_t v = 0; v < kSpeedFractions.size(); ++v) {
      advice.open[v] = open_ranges(advice.sweep.passages[v]);
      advice.shut[v] = shut_ranges(advice.sweep.passages[v]);
    }
    advice.none_open = advice.open[0].empty();
    if (advice.none_open) advice.none_open_because = why_none_open(advice);
  }
  advice.recommended = recommend(advice);
  return advice;
}

Time judged_until(const ForecastAdvice& advice) {
  return add_hours(advice.at, advice.sweep.horizon_h);
}

}  // namespace hurricane::forecast

#include "forecast/advice.h"

#include <cmath>

#include "forecast/radii_in_time.h"

namespace hurricane::forecast {
namespace {

bool is_open(const Passage& passage) {
  return passage.clearance_nm >= 0.0 && !passage.land_at_h;
}

// Degrees between two whole-degree courses, [0, 180].
int course_difference(int a, int b) {
  const int d = std::abs(a - b) % 360;
  return d > 180 ? 360 - d : d;
}

std::optional<Recommendation> recommend(const ForecastAdvice& advice) {
  if (!advice.sweep.judged) return std::nullopt;
  const auto& full = advice.sweep.passages[0];
  std::optional<int> best;
  auto better = [&](int course) {
    if (!best) return true;
    const Passage& a = full[static_cast<std::size_t>(course)];
    const Passage& b = full[static_cast<std::size_t>(*best)];
    if (advice.voyage_course_deg && !advice.none_open) {
      const int voyage = static_cast<int>(std::lround(*advice.voyage_course_deg)) % 360;
      const int da = course_difference(course, voyage);
      const int db = course_difference(*best, voyage);
      if (da != db) return da < db;
    }
    return a.clearance_nm > b.clearance_nm;
  };
  // With none open, the least bad course stays off land when some course does.
  bool some_at_sea = false;
  for (const Passage& passage : full) some_at_sea = some_at_sea || !passage.land_at_h;
  for (int course = 0; course < static_cast<int>(kCourses); ++course) {
    const Passage& passage = full[static_cast<std::size_t>(course)];
    if (!advice.none_open && !is_open(passage)) continue;
    if (advice.none_open && some_at_sea && passage.land_at_h) continue;
    if (better(course)) best = course;
  }
  return Recommendation{*best, advice.speeds_kn[0], full[static_cast<std::size_t>(*best)]};
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

void compare_with_classic(ForecastAdvice& advice, int course) {
  advice.classic_course = ((course % 360) + 360) % 360;
  advice.disagrees_with_classic =
      advice.sweep.judged &&
      !is_open(advice.sweep.passages[0][static_cast<std::size_t>(*advice.classic_course)]);
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
    advice.storms.push_back(std::move(summary));
  }
  advice.sweep = sweep(storms, request);
  if (land) {
    advice.land_checked = true;
    for (std::size_t v = 0; v < kSpeedFractions.size(); ++v) {
      for (std::size_t c = 0; c < kCourses; ++c) {
        advice.sweep.passages[v][c].land_at_h = (*land)[v][c];
      }
    }
  }
  if (land) advice.land_closed = land_ranges(advice.sweep.passages[0]);
  if (!advice.sweep.judged) return advice;
  for (std::size_t v = 0; v < kSpeedFractions.size(); ++v) {
    advice.open[v] = open_ranges(advice.sweep.passages[v]);
  }
  advice.none_open = advice.open[0].empty();
  advice.recommended = recommend(advice);
  return advice;
}

Time judged_until(const ForecastAdvice& advice) {
  return add_hours(advice.at, advice.sweep.horizon_h);
}

}  // namespace hurricane::forecast

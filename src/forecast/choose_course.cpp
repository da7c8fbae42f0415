// The recommendation of advice [F]: which course, at which speed, by which stated rule.
#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

#include "forecast/advice.h"

namespace hurricane::forecast {
namespace {

// Least clearances this close are a tie: the forecast is not that exact.
constexpr double kTieNm = 0.5;
// With a voyage course, how much further from it than the nearest open course a course may lie
// and still be chosen for more clearance.
constexpr int kVoyageBandDeg = 10;

using Passages = std::array<Passage, kCourses>;

const Passage& at(const Passages& passages, int course) {
  return passages[static_cast<std::size_t>(course)];
}

// Degrees from the voyage course; 0 for every course when there is none.
int off_voyage(std::optional<int> voyage, int course) {
  return voyage ? course_difference(course, *voyage) : 0;
}

// The largest least clearance among `candidates`; within kTieNm of it, the largest mean
// clearance, then the nearest the voyage course (first when `nearness_first`), then the lowest.
int most_clearance(const Passages& passages, const std::vector<int>& candidates,
                   std::optional<int> voyage, bool nearness_first) {
  double top = -std::numeric_limits<double>::infinity();
  for (const int c : candidates) top = std::max(top, at(passages, c).clearance_nm);
  std::optional<int> best;
  for (const int c : candidates) {
    const Passage& p = at(passages, c);
    if (!(p.clearance_nm >= top - kTieNm)) continue;
    if (!best) {
      best = c;
      continue;
    }
    const Passage& b = at(passages, *best);
    const int near_c = off_voyage(voyage, c);
    const int near_b = off_voyage(voyage, *best);
    if (nearness_first && near_c != near_b) {
      if (near_c < near_b) best = c;
      continue;
    }
    if (p.mean_clearance_nm != b.mean_clearance_nm) {
      if (p.mean_clearance_nm > b.mean_clearance_nm) best = c;
      continue;
    }
    if (near_c < near_b) best = c;
  }
  return *best;
}

// For a ship starting inside: of the courses that go least deep (the largest least clearance,
// within kTieNm), the one that brings it out soonest, then the one with the most clearance at
// the horizon, then the nearest the voyage course, then the lowest. Depth comes first: the
// soonest way out of a wide danger area may cross close to the storm (on Isabel's advisories it
// took ships 68 nm into the real winds).
int leaves_soonest(const Passages& passages, const std::vector<int>& candidates,
                   std::optional<int> voyage) {
  constexpr double kNever = std::numeric_limits<double>::infinity();
  double top = -std::numeric_limits<double>::infinity();
  for (const int c : candidates) top = std::max(top, at(passages, c).clearance_nm);
  std::optional<int> best;
  for (const int c : candidates) {
    if (!(at(passages, c).clearance_nm >= top - kTieNm)) continue;
    if (!best) {
      best = c;
      continue;
    }
    const Passage& p = at(passages, c);
    const Passage& b = at(passages, *best);
    const double out_c = p.leaves_at_h.value_or(kNever);
    const double out_b = b.leaves_at_h.value_or(kNever);
    if (out_c != out_b) {
      if (out_c < out_b) best = c;
      continue;
    }
    if (p.horizon_clearance_nm != b.horizon_clearance_nm) {
      if (p.horizon_clearance_nm > b.horizon_clearance_nm) best = c;
      continue;
    }
    if (off_voyage(voyage, c) < off_voyage(voyage, *best)) best = c;
  }
  return best.value_or(candidates.front());  // none within the tie only if none is a number
}

std::vector<int> open_courses(const Passages& passages) {
  std::vector<int> courses;
  for (int c = 0; c < static_cast<int>(kCourses); ++c) {
    if (shut_by(at(passages, c)) == ShutBy::kOpen) courses.push_back(c);
  }
  return courses;
}

// Every course whose track meets no land.
std::vector<int> courses_off_land(const Passages& passages) {
  std::vector<int> off;
  for (int c = 0; c < static_cast<int>(kCourses); ++c) {
    if (!at(passages, c).land_at_h) off.push_back(c);
  }
  return off;
}

}  // namespace

std::optional<Recommendation> recommend(const ForecastAdvice& advice) {
  if (!advice.sweep.judged) return std::nullopt;
  const Passage& stay = advice.sweep.stay;
  if (advice.cannot_move) return Recommendation{0, 0.0, stay, Choice::kCannotMove, true, 0};
  std::optional<int> voyage;
  if (advice.voyage_course_deg) {
    voyage = static_cast<int>(std::lround(*advice.voyage_course_deg)) % 360;
  }
  auto chosen = [&](std::size_t v, int course, Choice choice) {
    return Recommendation{
        course, advice.speeds_kn[v], at(advice.sweep.passages[v], course), choice, false, v};
  };
  if (!advice.starts_inside) {
    // The fastest speed with an open course, then staying put.
    for (std::size_t v = 0; v < kSpeedFractions.size(); ++v) {
      const Passages& passages = advice.sweep.passages[v];
      std::vector<int> open = open_courses(passages);
      if (open.empty()) continue;
      if (!voyage) {
        return chosen(v, most_clearance(passages, open, voyage, false), Choice::kMostClearance);
      }
      int nearest = 180;
      for (const int c : open) nearest = std::min(nearest, course_difference(c, *voyage));
      std::erase_if(
          open, [&](int c) { return course_difference(c, *voyage) > nearest + kVoyageBandDeg; });
      return chosen(v, most_clearance(passages, open, voyage, true), Choice::kNearVoyage);
    }
    if (advice.stay_open) {
      return Recommendation{0, 0.0, stay, Choice::kStayPut, true, 0};
    }
  }
  const Passages& full = advice.sweep.passages[0];
  const std::vector<int> off_land = courses_off_land(full);
  const Recommendation stay_put{0, 0.0, stay, Choice::kLeastBad, true, 0};
  if (advice.starts_inside) {
    // Running aground is no way out: with every course meeting land, stay.
    if (off_land.empty()) return Recommendation{0, 0.0, stay, Choice::kLeavesSoonest, true, 0};
    return chosen(0, leaves_soonest(full, off_land, voyage), Choice::kLeavesSoonest);
  }
  // The least bad of every speed's best course off land and staying put (which meets none):
  // the largest least clearance, a faster speed winning within kTieNm.
  Recommendation best = stay_put;
  for (std::size_t v = kSpeedFractions.size(); v-- > 0;) {
    const std::vector<int> candidates = courses_off_land(advice.sweep.passages[v]);
    if (candidates.empty()) continue;
    const Recommendation option = chosen(
        v, most_clearance(advice.sweep.passages[v], candidates, voyage, false), Choice::kLeastBad);
    if (option.passage.clearance_nm >= best.passage.clearance_nm - kTieNm) best = option;
  }
  return best;
}

}  // namespace hurricane::forecast

#include "plan/search.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <unordered_set>

namespace hurricane::plan {
namespace {

constexpr double kBlockH = 6.0;  // coarse leg ends
constexpr int kCoarseCourseDeg = 10;
constexpr std::size_t kCoarseSpeeds[] = {0, 2, 4};  // full, half, stopped
constexpr double kCellNm = 5.0;                     // states this near at one time count as one
constexpr std::size_t kKept = 8;                    // plans kept beside the best
constexpr int kRefineRounds = 10;
// Leg ends from which a further leg is tried: those that leave the most progress possible.
constexpr std::size_t kBeam = 300;

struct Node {
  Cursor cursor;
  Shape shape;
};

class Coarse {
 public:
  Coarse(const Walk& walk, const SearchLimits& limits) : walk_(walk), limits_(limits) {}

  std::vector<Scored> run_all() {
    std::vector<Node> level;
    Cursor c;
    if (!start(walk_, c)) return {};
    const bool voyage = walk_.voyage().any();
    for (const double hold : limits_.holds_h) {
      if (voyage && !run_voyage(walk_, c, hold)) break;
      if (c.t + 1e-9 < hold) break;
      level.push_back({c, Shape{hold, {}}});
    }
    if (voyage && limits_.holds_h.size() > 0) {
      Cursor whole = level.empty() ? c : level.back().cursor;
      if (!level.empty() && run_voyage(walk_, whole, walk_.horizon_h())) {
        offer(Shape{walk_.horizon_h(), {}}, whole);
      }
    }
    for (std::size_t legs = 0; legs < limits_.legs && !done(); ++legs) {
      std::vector<Node> next;
      for (const Node& node : level) {
        if (done()) break;
        expand(node, legs + 1 < limits_.legs ? &next : nullptr);
      }
      level = std::move(next);
      narrow(level);
    }
    return kept_;
  }

 private:
  bool done() const { return limits_.first_found && !kept_.empty(); }

  void offer(const Shape& shape, const Cursor& end) {
    const Scored s = score(walk_, shape, end);
    const auto at = std::upper_bound(kept_.begin(), kept_.end(), s,
                                     [](const Scored& a, const Scored& b) { return better(a, b); });
    kept_.insert(at, s);
    if (kept_.size() > kKept) kept_.pop_back();
  }

  // Keeps the kBeam nodes that could still make the most progress, then have the most
  // clearance so far.
  void narrow(std::vector<Node>& level) const {
    if (level.size() <= kBeam) return;
    const double full = walk_.request().speed_kn;
    std::vector<std::pair<double, std::size_t>> order;
    for (std::size_t i = 0; i < level.size(); ++i) {
      const Cursor& c = level[i].cursor;
      const double bound = std::round(
          walk_.voyage().best_progress_nm(c.at, c.target, full * (walk_.horizon_h() - c.t)));
      order.emplace_back(-bound - 1e-6 * std::min(c.least, 1e5), i);
    }
    std::nth_element(order.begin(), order.begin() + kBeam, order.end());
    std::vector<Node> kept;
    for (std::size_t i = 0; i < kBeam; ++i) kept.push_back(std::move(level[order[i].second]));
    level = std::move(kept);
  }

  // Nothing from `c` on can beat the best found.
  bool hopeless(const Cursor& c) const {
    if (kept_.empty() || limits_.first_found) return false;
    const Scored& best = kept_.front();
    const double run = walk_.request().speed_kn * (walk_.horizon_h() - c.t);
    const double bound = std::round(walk_.voyage().best_progress_nm(c.at, c.target, run));
    const double top = std::round(best.progress_nm);
    return bound < top ||
           (bound == top && ranked_clearance(c.least) < ranked_clearance(best.least_nm));
  }

  // Whether a state at this time and place with this many legs (any, for resuming: its
  // outcome depends on neither) was reached before.
  bool seen(const Cursor& c, std::size_t legs) {
    const auto hour = static_cast<std::int64_t>(std::lround(c.t * 2.0));
    const auto y = static_cast<std::int64_t>(std::floor(c.at.lat * 60.0 / kCellNm));
    const auto x = static_cast<std::int64_t>(
        std::floor(c.at.lon * 60.0 * std::cos(c.at.lat * 0.017453292519943295) / kCellNm));
    const std::uint64_t key =
        (static_cast<std::uint64_t>(hour) << 48) ^ (static_cast<std::uint64_t>(legs) << 44) ^
        (static_cast<std::uint64_t>(c.target & 0xff) << 36) ^
        (static_cast<std::uint64_t>(y & 0x3ffff) << 18) ^ static_cast<std::uint64_t>(x & 0x3ffff);
    return !seen_.insert(key).second;
  }

  void expand(const Node& node, std::vector<Node>* next) {
    const bool voyage = walk_.voyage().any();
    const double end_h = walk_.horizon_h();
    const double full = walk_.request().speed_kn;
    for (const std::size_t speed : kCoarseSpeeds) {
      const int courses = kLegSpeeds[speed] > 0.0 ? 360 / kCoarseCourseDeg : 1;
      for (int k = 0; k < courses && !done(); ++k) {
        const int course = k * kCoarseCourseDeg;
        Cursor c = node.cursor;
        for (double until = (std::floor(c.t / kBlockH + 1e-9) + 1.0) * kBlockH;; until += kBlockH) {
          until = std::min(until, end_h);
          if (!run(walk_, c, course, full * kLegSpeeds[speed], until)) break;
          Shape shape = node.shape;
          shape.legs.push_back({course, speed, until - node.cursor.t});
          if (hopeless(c)) break;
          if (voyage && !seen(c, 15)) {
            Cursor resumed = c;
            if (run_voyage(walk_, resumed, end_h)) offer(shape, resumed);
          } else if (until >= end_h) {
            offer(shape, c);
          }
          if (until >= end_h || done()) break;
          if (next && !seen(c, shape.legs.size())) next->push_back({c, shape});
        }
      }
    }
  }

  const Walk& walk_;
  const SearchLimits& limits_;
  std::vector<Scored> kept_;
  std::unordered_set<std::uint64_t> seen_;
};

std::optional<Scored> evaluate(const Walk& walk, const Shape& shape) {
  for (const LegShape& leg : shape.legs) {
    if (leg.hours < 1.0) return std::nullopt;
  }
  if (shape.hold_h < 0.0) return std::nullopt;
  Cursor c;
  if (!walk_shape(walk, shape, c)) return std::nullopt;
  return score(walk, shape, c);
}

// Every shape one step from `shape`.
std::vector<Shape> neighbours(const Walk& walk, const Shape& shape) {
  std::vector<Shape> out;
  const bool voyage = walk.voyage().any();
  if (voyage && !shape.legs.empty()) {
    for (const double d : {-3.0, -2.0, -1.0, 1.0, 2.0, 3.0}) {
      Shape s = shape;
      s.hold_h += d;
      out.push_back(s);
    }
  }
  for (std::size_t i = 0; i < shape.legs.size(); ++i) {
    const LegShape& leg = shape.legs[i];
    if (kLegSpeeds[leg.speed] > 0.0) {
      for (const int d : {-1, 1, -2, 2, -3, 3, -5, 5, -10, 10}) {
        Shape s = shape;
        s.legs[i].course_deg = ((leg.course_deg + d) % 360 + 360) % 360;
        out.push_back(s);
      }
    }
    for (std::size_t v = 0; v < std::size(kLegSpeeds); ++v) {
      if (v == leg.speed) continue;
      Shape s = shape;
      s.legs[i].speed = v;
      out.push_back(s);
    }
    for (const double d : {-1.0, 1.0, -2.0, 2.0, -3.0, 3.0}) {
      Shape s = shape;
      s.legs[i].hours += d;
      out.push_back(s);
    }
    if (shape.legs.size() > 1) {
      Shape s = shape;
      s.legs.erase(s.legs.begin() + static_cast<std::ptrdiff_t>(i));
      out.push_back(s);
    }
  }
  if (!shape.legs.empty() && shape.legs.size() < kMaxLegs) {
    const LegShape& last = shape.legs.back();
    for (const int d : {-45, -30, -20, -10, 10, 20, 30, 45}) {
      for (const std::size_t v : {last.speed, std::size_t{0}}) {
        for (const double hours : {2.0, 4.0, 6.0}) {
          Shape s = shape;
          s.legs.push_back({((last.course_deg + d) % 360 + 360) % 360, v, hours});
          out.push_back(s);
        }
        if (v == 0) break;
      }
    }
  }
  return out;
}

}  // namespace

std::vector<Scored> coarse_search(const Walk& walk, const SearchLimits& limits) {
  return Coarse(walk, limits).run_all();
}

Scored refine(const Walk& walk, Scored plan) {
  for (int round = 0; round < kRefineRounds; ++round) {
    bool improved = false;
    for (const Shape& shape : neighbours(walk, plan.shape)) {
      const std::optional<Scored> s = evaluate(walk, shape);
      if (s && better(*s, plan)) {
        plan = *s;
        improved = true;
        break;
      }
    }
    if (!improved) break;
  }
  return plan;
}

double voyage_clear_h(const Walk& walk) {
  Cursor c;
  if (!start(walk, c)) return -1.0;
  for (double h = 1.0;; h += 1.0) {
    const double until = std::min(h, walk.horizon_h());
    if (!run_voyage(walk, c, until)) return h - 1.0;
    if (until >= walk.horizon_h()) return walk.horizon_h();
  }
}

}  // namespace hurricane::plan

#include "forecast/sweep.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <optional>

#include "forecast/centre_in_time.h"
#include "forecast/earth.h"
#include "forecast/quarter_discs.h"
#include "forecast/radii_in_time.h"
#include "forecast/ship_track.h"
#include "forecast/storm_samples.h"

namespace hurricane::forecast {
namespace {

// The sample times: from the advice time every kSampleHours to the horizon, cut where the last
// storm's track ends.
struct Grid {
  std::size_t count = 0;
  double horizon_h = 0.0;
};

Grid grid_of(const std::vector<StormTrack>& storms, const SweepRequest& request) {
  double last_h = -1.0;
  for (const StormTrack& storm : storms) {
    last_h = std::max(last_h, hours_between(request.at, track_end(storm)));
  }
  const double horizon = std::min(request.horizon_h, last_h);
  if (!(horizon >= 0.0)) return {};
  return {static_cast<std::size_t>(std::floor(horizon / kSampleHours + 1e-9)) + 1, horizon};
}

// The storms' rates of change are kept per span of this many samples.
constexpr std::size_t kCoarseStride = 10;
// The clearance averaged over the horizon (a tie-break between courses) is taken every this
// many samples (6 h) and at the last: each such sample costs the fast sweep an evaluation.
constexpr std::size_t kMeanStride = 60;
// Bounds the speed at which a point moves in a centre's azimuthal-equidistant plane, relative
// to its speed on the earth, out to some 3000 nm (the plane stretches across the azimuth).
constexpr double kMotionFactor = 1.25;
// Covers the fast evaluation's own error in the bounds.
constexpr double kCushionNm = 2.0;

double hour_of(std::size_t sample) {
  return kSampleHours * static_cast<double>(sample);
}

// The least clearance and first entries of one course at one speed, sample by sample.
class Tracker {
 public:
  // Adds one storm at one sample; samples may come in any order. Gives the signed distances
  // to the storm's wind areas (34, 50, 64 kt) and the clearance.
  std::array<double, 4> add(std::size_t sample, std::size_t storm, PlanePoint point,
                            const StormSample& s) {
    std::array<double, 4> values{};
    values[0] = signed_distance_nm(point, s.radii[0]);
    const double out = std::sqrt(point.east_nm * point.east_nm + point.north_nm * point.north_nm);
    for (std::size_t k = 1; k < 3; ++k) {
      // Beyond the largest radius a lower bound does for the pruning and decides no entry.
      values[k] =
          out >= s.reach_nm[k] ? out - s.reach_nm[k] : signed_distance_nm(point, s.radii[k]);
    }
    const double clearance = values[0] - s.allowance_nm;
    values[3] = clearance;
    if (clearance < least_ || (clearance == least_ && sample < least_at_)) {
      least_ = clearance;
      least_at_ = sample;
      storm_ = storm;
    }
    if (clearance < 0.0) entered_ = std::min(entered_.value_or(sample), sample);
    for (std::size_t k = 0; k < 3; ++k) {
      if (values[k] < 0.0) wind_[k] = std::min(wind_[k].value_or(sample), sample);
    }
    return values;
  }

  double least() const { return least_; }
  std::size_t least_at() const { return least_at_; }
  std::size_t storm() const { return storm_; }
  std::optional<std::size_t> entered() const { return entered_; }
  // The strongest threshold (index) entered, if any.
  std::optional<std::size_t> strongest() const {
    for (std::size_t k = 3; k-- > 0;) {
      if (wind_[k]) return k;
    }
    return std::nullopt;
  }
  std::size_t wind_at(std::size_t k) const { return *wind_[k]; }
  std::optional<std::size_t> wind_entered(std::size_t k) const { return wind_[k]; }

 private:
  double least_ = std::numeric_limits<double>::infinity();
  std::size_t least_at_ = 0;
  std::size_t storm_ = 0;
  std::optional<std::size_t> entered_;
  std::array<std::optional<std::size_t>, 3> wind_;
};

// The clearance over all storms, sample by sample, beyond its least: when a ship that starts
// inside a danger area first comes out of them all, the mean over every 6 h and the last
// sample, and the value at the last. Each sample is added once, sample 0 first.
class Outlook {
 public:
  explicit Outlook(std::size_t count) : count_(count) {}

  // Whether `sample` counts in the mean: every 6 h and the last sample.
  bool in_mean(std::size_t sample) const {
    return sample % kMeanStride == 0 || sample + 1 == count_;
  }

  // The least clearance over the storms judged at `sample` (infinite where none is).
  void add(std::size_t sample, double clearance) {
    if (sample == 0) starts_inside_ = clearance < 0.0;
    if (starts_inside_ && sample > 0 && clearance >= 0.0 &&
        (left_plus_one_ == 0 || sample < left_plus_one_ - 1)) {
      left_plus_one_ = sample + 1;
    }
    if (in_mean(sample) && std::isfinite(clearance)) {
      sum_ += clearance;
      ++in_sum_;
    }
    if (sample + 1 == count_) horizon_ = clearance;
  }

  bool starts_inside() const { return starts_inside_; }
  std::optional<std::size_t> left() const {
    if (left_plus_one_ == 0) return std::nullopt;
    return left_plus_one_ - 1;
  }

  void fill(Passage& passage) const {
    if (left_plus_one_ > 0) {
      passage.leaves_at_h = kSampleHours * static_cast<double>(left_plus_one_ - 1);
    }
    passage.horizon_clearance_nm = horizon_;
    if (in_sum_ > 0) passage.mean_clearance_nm = sum_ / static_cast<double>(in_sum_);
  }

 private:
  std::size_t count_;
  bool starts_inside_ = false;
  std::size_t left_plus_one_ = 0;  // 0 while it has not come out
  double sum_ = 0.0;
  std::size_t in_sum_ = 0;
  double horizon_ = std::numeric_limits<double>::infinity();
};

Passage passage_of(const Tracker& tracker) {
  Passage passage;
  passage.clearance_nm = tracker.least();
  passage.min_at_h = hour_of(tracker.least_at());
  passage.storm = tracker.storm();
  if (tracker.entered()) passage.enters_at_h = hour_of(*tracker.entered());
  if (const auto k = tracker.strongest()) {
    passage.wind_kt = kThresholdKt[*k];
    passage.wind_at_h = hour_of(tracker.wind_at(*k));
  }
  return passage;
}

using Samples = std::vector<std::vector<StormSample>>;

// The exact values at one sample of one course: per storm the plane point, folded as asked.
class ExactCheck {
 public:
  ExactCheck(const Samples& samples, const ExactRhumb& rhumb, double speed_kn)
      : samples_(samples), rhumb_(rhumb), speed_(speed_kn) {}

  // The least clearance over the storms at `sample` and the storm giving it.
  std::pair<double, std::size_t> clearance(std::size_t sample) const {
    double least = std::numeric_limits<double>::infinity();
    std::size_t storm = 0;
    const std::vector<PlanePoint>& points = points_at(sample);
    for (std::size_t i = 0; i < samples_.size(); ++i) {
      const StormSample& s = samples_[i][sample];
      if (!s.judged) continue;
      const double value = signed_distance_nm(points[i], s.radii[0]) - s.allowance_nm;
      if (value < least) {
        least = value;
        storm = i;
      }
    }
    return {least, storm};
  }

  // The least signed distance to the wind areas of threshold `k` at `sample`.
  double wind(std::size_t sample, std::size_t k) const {
    double least = std::numeric_limits<double>::infinity();
    const std::vector<PlanePoint>& points = points_at(sample);
    for (std::size_t i = 0; i < samples_.size(); ++i) {
      const StormSample& s = samples_[i][sample];
      if (s.judged) least = std::min(least, signed_distance_nm(points[i], s.radii[k]));
    }
    return least;
  }

 private:
  struct Known {
    std::size_t sample_plus_one = 0;  // 0 for none
    std::vector<PlanePoint> points;   // per storm; unset where it is not judged
  };

  // The ship's exact plane point in each judged storm's frame at `sample`, kept for the last
  // few samples asked about: the clearance and the wind areas look at the same ones.
  const std::vector<PlanePoint>& points_at(std::size_t sample) const {
    for (const Known& known : known_) {
      if (known.sample_plus_one == sample + 1) return known.points;
    }
    Known& known = known_[next_++ % known_.size()];
    known.sample_plus_one = sample + 1;
    known.points.assign(samples_.size(), PlanePoint{});
    const LatLon ship = rhumb_.at(speed_ * hour_of(sample));
    for (std::size_t i = 0; i < samples_.size(); ++i) {
      const StormSample& s = samples_[i][sample];
      if (s.judged) known.points[i] = exact_plane_point(s.centre, ship);
    }
    return known.points;
  }

  const Samples& samples_;
  const ExactRhumb& rhumb_;
  mutable std::array<Known, 8> known_{};
  mutable std::size_t next_ = 0;
  double speed_;
};

// Walks from `first` (where the fast values first held `holds`) to the first sample where the
// exact ones hold it, a few samples either way; nothing when none is found there.
std::optional<std::size_t> first_where(std::size_t first, std::size_t count,
                                       const std::function<bool(std::size_t)>& holds) {
  constexpr int kReach = 5;
  std::size_t j = first;
  for (int step = 0; step < kReach && j > 0 && holds(j - 1); ++step) --j;
  for (int step = 0; step <= kReach && j < count; ++step, ++j) {
    if (holds(j)) return j;
  }
  return std::nullopt;
}

std::optional<std::size_t> first_negative(std::size_t first, std::size_t count,
                                          const std::function<double(std::size_t)>& value) {
  return first_where(first, count, [&](std::size_t j) { return value(j) < 0.0; });
}

// Replaces the fast least clearance, entry and leaving hours and the clearance at the horizon of
// `passage` with exact ones; the mean stays the fast one.
void check_exactly(const Tracker& tracker, const Outlook& outlook, const ExactCheck& exact,
                   std::size_t count, Passage& passage) {
  passage.horizon_clearance_nm = exact.clearance(count - 1).first;
  passage.leaves_at_h.reset();
  if (outlook.left() && exact.clearance(0).first < 0.0) {
    const auto left = first_where(*outlook.left(), count, [&](std::size_t j) {
      return j > 0 && exact.clearance(j).first >= 0.0;
    });
    if (left) passage.leaves_at_h = hour_of(*left);
  }
  std::size_t best_at = tracker.least_at();
  auto [best, storm] = exact.clearance(best_at);
  for (const std::size_t j : {best_at - 1, best_at + 1}) {
    if (j >= count) continue;  // also the wrapped best_at - 1 at 0
    const auto [value, index] = exact.clearance(j);
    if (value < best) {
      best = value;
      storm = index;
      best_at = j;
    }
  }
  passage.clearance_nm = best;
  passage.min_at_h = hour_of(best_at);
  passage.storm = storm;
  passage.enters_at_h.reset();
  if (tracker.entered()) {
    const auto entered = first_negative(*tracker.entered(), count,
                                        [&](std::size_t j) { return exact.clearance(j).first; });
    if (entered) passage.enters_at_h = hour_of(*entered);
  }
  if (!passage.enters_at_h && best < 0.0) passage.enters_at_h = passage.min_at_h;
  if (const auto k = tracker.strongest()) {
    const auto entered = first_negative(tracker.wind_at(*k), count,
                                        [&](std::size_t j) { return exact.wind(j, *k); });
    if (entered) passage.wind_at_h = hour_of(*entered);
  }
}

Samples samples_of(const std::vector<StormTrack>& storms, const SweepRequest& request,
                   std::size_t count) {
  Samples samples;
  for (std::size_t s = 0; s < storms.size(); ++s) {
    samples.push_back(
        storm_samples(storms[s], storm_error(request, s), request.at, kSampleHours, count));
  }
  return samples;
}

bool any_judged(const Samples& samples) {
  for (const auto& storm : samples) {
    for (const StormSample& s : storm) {
      if (s.judged) return true;
    }
  }
  return false;
}

// Per span between coarse samples: how fast the storms' danger areas can move or grow, nm/h,
// the most over the storms and the span's samples; infinite where a storm starts or ends
// within the span, which is then always sampled in full.
std::vector<double> storm_rates(const Samples& samples, std::size_t count) {
  const std::size_t spans = count > 1 ? (count - 2) / kCoarseStride + 1 : 0;
  std::vector<double> rates(spans, 0.0);
  for (const auto& storm : samples) {
    for (std::size_t i = 0; i + 1 < count; ++i) {
      const StormSample& a = storm[i];
      const StormSample& b = storm[i + 1];
      double& rate = rates[i / kCoarseStride];
      if (a.judged != b.judged) rate = std::numeric_limits<double>::infinity();
      if (!a.judged || !b.judged) continue;
      const double dx = b.origin.x - a.origin.x;
      const double dy = b.origin.y - a.origin.y;
      const double dz = b.origin.z - a.origin.z;
      double grow = std::abs(b.allowance_nm - a.allowance_nm);
      double radii = 0.0;
      for (std::size_t k = 0; k < 3; ++k) {
        for (std::size_t q = 0; q < 4; ++q) {
          radii = std::max(radii, std::abs(b.radii[k][q] - a.radii[k][q]));
        }
      }
      grow += radii;
      rate = std::max(
          rate, (kMotionFactor * std::sqrt(dx * dx + dy * dy + dz * dz) + grow) / kSampleHours);
    }
  }
  return rates;
}

// What one sweep's passages share: the storms' samples, how fast they change, the ship's
// start and the exact rhumb line of each course (one for all speeds).
struct FastShared {
  FastShared(const Samples& storm_samples, std::vector<double> storm_rates, LatLon ship)
      : samples(storm_samples), rates(std::move(storm_rates)), start(ship) {}

  const ExactRhumb& exact_rhumb(double course_deg) const {
    auto& line = lines[static_cast<std::size_t>(course_deg) % kCourses];
    if (!line) line.emplace(start.start, course_deg);
    return *line;
  }

  // The most the storms' danger areas move or grow between samples `from` and `to`, nm/h.
  double rate(std::size_t from, std::size_t to) const {
    const std::size_t last = std::min((to - 1) / kCoarseStride, rates.size() - 1);
    return *std::max_element(rates.begin() + static_cast<std::ptrdiff_t>(from / kCoarseStride),
                             rates.begin() + static_cast<std::ptrdiff_t>(last) + 1);
  }

  const Samples& samples;
  std::vector<double> rates;  // per span between coarse samples, as storm_rates
  RhumbStart start;
  mutable std::array<std::optional<ExactRhumb>, kCourses> lines;
};

using Values = std::array<double, 4>;  // 34, 50, 64 kt areas and the clearance, least over storms

// One course at one speed through the fast path: the first and last samples, then, halving the
// span between them, only the parts where the values could, by how fast they can change, fall
// below the least found or below zero before the first entry found; then checked exactly. This
// finds the same least and first entries as evaluating every sample, in a fraction of the
// evaluations (most courses pass far from the storm or away from it).
class FastPassage {
 public:
  FastPassage(const FastShared& shared, double course_deg, double speed_kn, std::size_t count)
      : shared_(shared), rhumb_(shared.start, course_deg), speed_(speed_kn), outlook_(count) {}

  Passage run(std::size_t count, double course_deg) {
    // The samples of the mean are evaluated, and every whole hour for a ship that starts inside
    // (when it comes out is found between them); the spans between are refined in order.
    Values from = evaluate(0);
    const std::size_t stride = outlook_.starts_inside() ? kCoarseStride : kMeanStride;
    for (std::size_t at = 0; at + 1 < count;) {
      const std::size_t to = std::min(at + stride, count - 1);
      const Values next = evaluate(to);
      refine(at, to, from, next);
      from = next;
      at = to;
    }
    Passage passage = passage_of(tracker_);
    outlook_.fill(passage);
    if (std::isfinite(passage.clearance_nm)) {
      check_exactly(tracker_, outlook_,
                    ExactCheck(shared_.samples, shared_.exact_rhumb(course_deg), speed_), count,
                    passage);
    }
    return passage;
  }

 private:
  // The least over the storms of each value at sample `i`, each storm's added to the tracker.
  Values evaluate(std::size_t i) {
    constexpr double kInf = std::numeric_limits<double>::infinity();
    Values least = {kInf, kInf, kInf, kInf};
    const Ecef ship = rhumb_.at(speed_ * hour_of(i));
    for (std::size_t k = 0; k < shared_.samples.size(); ++k) {
      const StormSample& s = shared_.samples[k][i];
      if (!s.judged) continue;
      const auto values = tracker_.add(i, k, approximate_plane_point(s, ship), s);
      for (std::size_t v = 0; v < 4; ++v) least[v] = std::min(least[v], values[v]);
    }
    outlook_.add(i, least[3]);
    return least;
  }

  // Whether some sample strictly between `from` and `to` (with values `a` and `b`) could hold
  // a least clearance below the one found, or a first entry not found yet.
  bool worth_a_look(std::size_t from, std::size_t to, const Values& a, const Values& b) const {
    const double half_width = 0.5 * hour_of(to - from);
    const double slack =
        (kMotionFactor * speed_ + shared_.rate(from, to)) * half_width + kCushionNm;
    auto could_fall_below = [&](std::size_t v, double level) {
      if (!std::isfinite(a[v]) || !std::isfinite(b[v])) return true;
      return 0.5 * (a[v] + b[v]) - slack < level;
    };
    if (could_fall_below(3, tracker_.least())) return true;
    // A ship starting inside: where it could first come out.
    if (outlook_.starts_inside() && (!outlook_.left() || *outlook_.left() > from) &&
        (!std::isfinite(a[3]) || !std::isfinite(b[3]) || 0.5 * (a[3] + b[3]) + slack >= 0.0)) {
      return true;
    }
    if ((!tracker_.entered() || *tracker_.entered() > from) && could_fall_below(3, 0.0)) {
      return true;
    }
    for (std::size_t k = 0; k < 3; ++k) {
      const auto entered = tracker_.wind_entered(k);
      if ((!entered || *entered > from) && could_fall_below(k, 0.0)) return true;
    }
    return false;
  }

  // Looks between `from` and `to` where worth it, the earlier half first, so that a first
  // entry found before a part is known when that part is weighed.
  void refine(std::size_t from, std::size_t to, const Values& a, const Values& b) {
    if (to <= from + 1 || !worth_a_look(from, to, a, b)) return;
    const std::size_t middle = from + (to - from) / 2;
    const Values m = evaluate(middle);
    refine(from, middle, a, m);
    refine(middle, to, m, b);
  }

  const FastShared& shared_;
  FastRhumb rhumb_;
  double speed_;
  Tracker tracker_;
  Outlook outlook_;
};

// One course at one speed with the geodesic routines at every sample.
Passage brute_passage(const std::vector<StormTrack>& storms,
                      const std::vector<CentreInTime>& centres, const Samples& samples,
                      const SweepRequest& request, double course_deg, double speed_kn,
                      std::size_t count) {
  Tracker tracker;
  Outlook outlook(count);
  for (std::size_t i = 0; i < count; ++i) {
    const LatLon ship = rhumb_position(request.ship, course_deg, speed_kn * hour_of(i));
    const Time time = add_hours(request.at, hour_of(i));
    double least = std::numeric_limits<double>::infinity();
    for (std::size_t k = 0; k < storms.size(); ++k) {
      const StormSample& s = samples[k][i];
      if (!s.judged) continue;
      least =
          std::min(least, tracker.add(i, k, exact_plane_point(centres[k].at(time), ship), s)[3]);
    }
    outlook.add(i, least);
  }
  Passage passage = passage_of(tracker);
  outlook.fill(passage);
  return passage;
}

template <typename Judge>
Sweep sweep_with(const SweepRequest& request, const Grid& grid, const Samples& samples,
                 const Judge& judge) {
  Sweep result;
  result.horizon_h = grid.horizon_h;
  result.judged = any_judged(samples);
  if (!result.judged) return result;
  for (std::size_t v = 0; v < kSpeedFractions.size(); ++v) {
    for (std::size_t course = 0; course < kCourses; ++course) {
      result.passages[v][course] = judge(samples, static_cast<double>(course),
                                         request.speed_kn * kSpeedFractions[v], grid.count);
    }
  }
  result.stay = judge(samples, 0.0, 0.0, grid.count);
  return result;
}

}  // namespace

ErrorModel storm_error(const SweepRequest& request, std::size_t storm) {
  ErrorModel model = request.error;
  if (storm < request.storm_tables.size()) model.table = request.storm_tables[storm];
  return model;
}

Sweep sweep(const std::vector<StormTrack>& storms, const SweepRequest& request) {
  const Grid grid = grid_of(storms, request);
  const Samples samples = samples_of(storms, request, grid.count);
  const FastShared shared(samples, storm_rates(samples, grid.count), request.ship);
  return sweep_with(request, grid, samples,
                    [&](const Samples&, double course, double speed, std::size_t count) {
                      return FastPassage(shared, course, speed, count).run(count, course);
                    });
}

Sweep sweep_brute_force(const std::vector<StormTrack>& storms, const SweepRequest& request) {
  std::vector<CentreInTime> centres;
  for (const StormTrack& storm : storms) centres.emplace_back(storm);
  const Grid grid = grid_of(storms, request);
  const Samples samples = samples_of(storms, request, grid.count);
  return sweep_with(request, grid, samples,
                    [&](const Samples& s, double course, double speed, std::size_t count) {
                      return brute_passage(storms, centres, s, request, course, speed, count);
                    });
}

}  // namespace hurricane::forecast

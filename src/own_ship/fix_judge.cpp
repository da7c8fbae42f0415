#include "own_ship/fix_judge.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "navigation/geodesic.h"

namespace hurricane::own_ship {
namespace {

// The speed a ship would need to go from `from` to `to` in the time between their stamps; a
// second at least, as receivers stamp whole seconds.
double speed_between(const Fix& from, const Fix& to) {
  const double seconds =
      std::max(1.0, std::abs(static_cast<double>((to.time - from.time).count())));
  return navigation::inverse(from.position, to.position).distance_nm / (seconds / 3600.0);
}

std::string jump_text(const Fix& from, const Fix& to) {
  char text[96];
  std::snprintf(text, sizeof text, "the fix of %s jumped %.1f nm from the last (%.0f kn)",
                navigation::format_utc_time(to.time).c_str(),
                navigation::inverse(from.position, to.position).distance_nm,
                speed_between(from, to));
  return text;
}

}  // namespace

void FixJudge::take(const Fix& fix, Arrival arrived) {
  const bool agrees_with_good = !good_ || speed_between(*good_, fix) <= kFastestShipKn;
  const bool agrees_with_refused = refused_ && speed_between(*refused_, fix) <= kFastestShipKn;
  if (agrees_with_good || agrees_with_refused) {
    good_ = fix;
    good_arrived_ = arrived;
    refused_.reset();
    jump_.clear();
    return;
  }
  jump_ = jump_text(*good_, fix);
  refused_ = fix;
}

Judged FixJudge::at(Arrival now) const {
  if (!good_) return {std::nullopt, jump_.empty() ? std::string(kNoFixYet) : jump_};
  if (!jump_.empty()) return {std::nullopt, jump_};
  const auto age = std::chrono::duration_cast<std::chrono::seconds>(now - good_arrived_);
  if (age > kLostAfter) {
    return {std::nullopt, "no fix for " + std::to_string(age.count()) + " s (last at " +
                              navigation::format_utc_time(good_->time) + ")"};
  }
  return {good_, ""};
}

}  // namespace hurricane::own_ship

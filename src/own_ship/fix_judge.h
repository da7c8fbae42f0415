// Whether the latest fix can be steered by: a fix that is missing, too old or jumped faster
// than a ship moves is "position lost", never quietly the last good one.
#pragma once

#include <chrono>
#include <optional>
#include <string>
#include <string_view>

#include "own_ship/fix.h"

namespace hurricane::own_ship {

// Ages go by when the fix arrived, not by its own time: a replayed log is hours old by the
// clock and still live.
using Arrival = std::chrono::steady_clock::time_point;

inline constexpr std::chrono::seconds kLostAfter{60};  // no fix for this long: lost
inline constexpr double kFastestShipKn = 60.0;         // a jump faster than this is a bad fix

// Why the position is lost before any fix came.
inline constexpr std::string_view kNoFixYet = "no fix yet";

struct Judged {
  std::optional<Fix> fix;  // the fix to steer by; none when the position is lost
  std::string lost;        // why it is lost; empty when the fix is good
};

class FixJudge {
 public:
  // Takes a fix that arrived at `arrived`. One that jumps from the last good fix faster than
  // kFastestShipKn is refused; the position is lost until a fix agrees with the last good one
  // again or two fixes in a row agree with each other (the receiver has a new track).
  void take(const Fix& fix, Arrival arrived);
  // The state at `now`: the last good fix, unless nothing good came for kLostAfter.
  Judged at(Arrival now) const;

 private:
  std::optional<Fix> good_;
  Arrival good_arrived_{};
  std::optional<Fix> refused_;  // the last refused fix, a new track's first
  std::string jump_;            // why the last fix was refused; empty after a good one
};

}  // namespace hurricane::own_ship

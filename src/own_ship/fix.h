// The ship's own position, course and speed as a receiver reports them, and the source that
// delivers them: gpsd, a Signal K server, or a position typed once.
#pragma once

#include <chrono>
#include <optional>
#include <string>

#include "navigation/position.h"
#include "navigation/utc_time.h"

namespace hurricane::own_ship {

using navigation::LatLon;
using navigation::UtcTime;

struct Fix {
  LatLon position;                // degrees, north and east positive
  std::optional<double> cog_deg;  // course over ground, true, 0..360; none when not reported
  std::optional<double> sog_kn;   // speed over ground
  UtcTime time{};                 // the fix's own UTC time, as the receiver stamped it
  std::string source;             // "gpsd", "signalk" or "fixed"
};

// A live feed of fixes. next() waits up to `wait` for the next fix and returns it, or nothing
// when none came in that time (or the feed failed: problem() then says why, and the source
// tries again on the next call).
class FixSource {
 public:
  virtual ~FixSource() = default;
  virtual std::optional<Fix> next(std::chrono::milliseconds wait) = 0;
  // Why the feed gives no fixes now ("cannot connect to gpsd at localhost:2947: ..."); empty
  // while it works.
  virtual std::string problem() const = 0;
  // "gpsd localhost:2947", "signalk ws://...": what the navigator set, for the page and log.
  virtual std::string describe() const = 0;
};

}  // namespace hurricane::own_ship

// Fixes from the deltas of a Signal K stream: the server sends each path of an update as a
// delta of its own, position first, so a position waits for the course, speed and time that
// share its update's timestamp before it becomes a fix.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "own_ship/fix.h"

namespace hurricane::own_ship {

inline constexpr double kKnotsPerMetrePerSecond = 3600.0 / 1852.0;
inline constexpr int kMinPeriodMs = 100;
// Positions without the receiver's time before its updates' stamps are taken instead.
inline constexpr int kUndatedBeforeStamps = 3;

// The subscription a stream opened with ?subscribe=none needs: the own vessel's position,
// course and speed over ground and the receiver's time, each at most every kMinPeriodMs. Not
// once a second: a receiver's GGA and RMC of one second both give the position, and a second's
// throttle passes the GGA (no date: the server dates it by its own clock) and drops the RMC.
std::string signalk_subscription();

class SignalKFixes {
 public:
  // Takes one message of the stream (a delta; the server's hello and anything unreadable
  // are passed over) and returns the fixes it completes, oldest first.
  std::vector<Fix> take(std::string_view message);
  // Whether a position waits for the rest of its update.
  bool waiting() const { return position_.has_value(); }
  // The waiting position as a fix with the latest course and speed: for when the stream has
  // gone quiet and nothing more of its update will come.
  std::optional<Fix> flush();

 private:
  // The update timestamps as sent: the values of one update share theirs.
  std::optional<LatLon> position_;
  std::string position_timestamp_;
  std::optional<double> cog_deg_;
  std::optional<double> sog_kn_;
  std::optional<UtcTime> datetime_;
  std::string datetime_timestamp_;
  // The receiver gives its own time: a position without it then is another sentence of the
  // same second (an NMEA GGA, which has no date: the server dates it itself, by its clock)
  // and no fix of its own.
  bool receiver_dates_ = false;
  // Positions seen before any of the receiver's times: the server's first values can carry a
  // stamp of its own making, so only after a few of them is the receiver taken to give none.
  int undated_ = 0;
};

}  // namespace hurricane::own_ship

// Somewhere alarms go besides the console and the log: the bridge's alarm system over NMEA
// 0183, a Signal K server's notifications.
#pragma once

#include <string>
#include <vector>

#include "own_ship/fix_judge.h"
#include "watch/alarm_book.h"

namespace hurricane::watch {

class AlarmOutput {
 public:
  virtual ~AlarmOutput() = default;
  // An alarm raised, cleared or acknowledged.
  virtual void send(const AlarmEvent& event) = 0;
  // Time passed with `raised` standing; an output that repeats its alarms does so here.
  virtual void tick(const std::vector<Alarm>& raised, own_ship::Arrival now) = 0;
  // Why the last sending failed; empty when it worked.
  virtual std::string problem() const = 0;
  virtual std::string describe() const = 0;
};

}  // namespace hurricane::watch

// Alarms to a Signal K server as notifications.navigation.hurricane.<key>, which its displays
// and alarm panels show and sound: set when raised, "normal" when cleared, and set again when
// the server was out of reach (a restarted server has forgotten them).
#pragma once

#include <string>
#include <vector>

#include "own_ship/signalk_notifier.h"
#include "watch/alarm_output.h"

namespace hurricane::watch {

// How often alarms that could not be sent are tried again.
inline constexpr std::chrono::seconds kSignalKRetry{10};

// signalk_key: the notification's key for an alarm: its kind, with its subject (a file) after
// '_' in the characters a key may hold: "advisory-overdue_tcm-al132023-30_txt".
std::string signalk_key(const Condition& condition);

// signalk_state: how urgent the alarm's kind is on Signal K: "emergency" when no plan keeps
// clear; "alarm" for the ship's own danger (the course, the decide-by, the position lost);
// "alert" for the advisories' and files' alarms.
std::string signalk_state(AlarmKind kind);

class SignalKAlarms final : public AlarmOutput {
 public:
  explicit SignalKAlarms(own_ship::SignalKEndpoint endpoint);

  void send(const AlarmEvent& event) override;
  void tick(const std::vector<Alarm>& raised, own_ship::Arrival now) override;
  std::string problem() const override { return notifier_.problem(); }
  std::string describe() const override { return "Signal K notifications at " + url_; }

 private:
  own_ship::SignalKNotifier notifier_;
  std::string url_;
  bool behind_ = false;  // a notification failed: set every raised alarm again
  own_ship::Arrival last_try_{};
};

}  // namespace hurricane::watch

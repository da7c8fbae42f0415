// The watch's alarms on a Signal K server, as notifications its displays sound and show.
#pragma once

#include <chrono>
#include <memory>
#include <string>

#include "own_ship/signalk_endpoint.h"
#include "own_ship/signalk_socket.h"

namespace hurricane::own_ship {

// States a notification takes, least to most urgent; "normal" clears an alarm.
inline constexpr const char* kNotificationStates[] = {"normal", "alert", "alarm", "emergency"};

// The delta that sets notifications.navigation.hurricane.<key> to `state` and `message`,
// shown and sounded.
std::string signalk_notification(const std::string& key, const std::string& state,
                                 const std::string& message);

class SignalKNotifier {
 public:
  // Connects on the first notify(); see signalk_endpoint() for the URLs it takes.
  explicit SignalKNotifier(SignalKEndpoint endpoint);

  // Each notify() is over within this, whatever the server does.
  static constexpr std::chrono::seconds kBudget{2};

  // Sets the notification `key` (letters, digits, '_' and '-') to `state` (one of
  // kNotificationStates) with `message`, connecting first when needed. False when it could
  // not be sent; problem() then says why. Never throws.
  bool notify(const std::string& key, const std::string& state, const std::string& message);
  // Why the last notify() failed; empty after one that was sent.
  const std::string& problem() const { return problem_; }

 private:
  SignalKEndpoint endpoint_;
  std::unique_ptr<SignalKSocket> socket_;
  std::string problem_;
};

}  // namespace hurricane::own_ship

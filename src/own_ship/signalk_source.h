// The ship's fixes from a Signal K server's WebSocket stream.
#pragma once

#include <chrono>
#include <deque>
#include <memory>
#include <optional>
#include <string>

#include "own_ship/fix.h"
#include "own_ship/signalk_endpoint.h"
#include "own_ship/signalk_fixes.h"
#include "own_ship/signalk_socket.h"

namespace hurricane::own_ship {

class SignalKSource final : public FixSource {
 public:
  // Connects on the first next(); see signalk_endpoint() for the URLs it takes.
  explicit SignalKSource(SignalKEndpoint endpoint);

  // A connection that fails is tried again no sooner than this after the last try.
  static constexpr std::chrono::seconds kRetryAfter{1};
  // How long a position waits for the course and speed of its own update.
  static constexpr std::chrono::milliseconds kSettle{200};

  std::optional<Fix> next(std::chrono::milliseconds wait) override;
  std::string problem() const override { return problem_; }
  std::string describe() const override { return "signalk " + endpoint_.url; }

 private:
  // Connects and subscribes when it is time to; whether the stream is open.
  bool connected(SteadyTime deadline);

  SignalKEndpoint endpoint_;
  std::unique_ptr<SignalKSocket> socket_;
  bool subscribed_ = false;
  std::optional<SteadyTime> last_try_;
  SignalKFixes fixes_;
  std::optional<SteadyTime> waiting_since_;  // when the waiting position came
  std::deque<Fix> ready_;
  std::string problem_;
};

}  // namespace hurricane::own_ship

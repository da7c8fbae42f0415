// One WebSocket connection to a Signal K server's stream, driven on the caller's thread in
// steps that each end by a deadline, so a dead or slow server never holds the watch up.
#pragma once

#include <chrono>
#include <memory>
#include <optional>
#include <string>

#include "own_ship/signalk_endpoint.h"

namespace hurricane::own_ship {

using SteadyTime = std::chrono::steady_clock::time_point;

class SignalKSocket {
 public:
  // Starts connecting; the steps below carry it on. A connection not open within
  // kConnectTimeout fails.
  explicit SignalKSocket(const SignalKEndpoint& endpoint);
  ~SignalKSocket();
  SignalKSocket(const SignalKSocket&) = delete;
  SignalKSocket& operator=(const SignalKSocket&) = delete;

  static constexpr std::chrono::seconds kConnectTimeout{5};

  bool open() const;
  // Why the connection failed ("cannot connect: Connection refused", "connection lost:
  // End of file"); empty while it connects or is open. A failed socket stays failed.
  const std::string& failure() const;

  // Runs until the connection is open or failed, or until `deadline`; whether it is open.
  bool wait_open(SteadyTime deadline);
  // The next text message, waiting until `deadline`; nothing by then or on failure.
  std::optional<std::string> read(SteadyTime deadline);
  // Sends `text` whole by `deadline`; a send not done by then fails the connection.
  bool write(const std::string& text, SteadyTime deadline);
  // Handles what has arrived without waiting: answers the server's pings and notices a
  // closed connection. Messages are dropped; for a socket that only sends.
  void discard_incoming();

 private:
  struct State;
  std::unique_ptr<State> state_;
};

}  // namespace hurricane::own_ship

#include "own_ship/signalk_source.h"

#include <algorithm>
#include <thread>
#include <utility>
#include <vector>

namespace hurricane::own_ship {
namespace {

using Clock = std::chrono::steady_clock;

// Fixes kept for a caller that falls behind: the newest matter, older ones are dropped.
constexpr std::size_t kReadyLimit = 100;

}  // namespace

SignalKSource::SignalKSource(SignalKEndpoint endpoint) : endpoint_(std::move(endpoint)) {}

bool SignalKSource::connected(SteadyTime deadline) {
  if (!socket_) {
    if (last_try_) {
      const SteadyTime retry = *last_try_ + kRetryAfter;
      std::this_thread::sleep_until(std::min(retry, deadline));
      if (Clock::now() < retry) return false;
    }
    last_try_ = Clock::now();
    socket_ = std::make_unique<SignalKSocket>(endpoint_);
    subscribed_ = false;
  }
  if (socket_->wait_open(deadline) && !subscribed_) {
    subscribed_ = socket_->write(signalk_subscription(), deadline);
  }
  if (!socket_->failure().empty()) {
    problem_ = "Signal K at " + endpoint_.url + ": " + socket_->failure();
    socket_.reset();
    // What waited belongs to the lost stream; the fixes already made stay good.
    if (auto fix = fixes_.flush()) ready_.push_back(*fix);
    waiting_since_.reset();
    return false;
  }
  if (subscribed_) problem_.clear();
  return subscribed_;
}

std::optional<Fix> SignalKSource::next(std::chrono::milliseconds wait) {
  const SteadyTime deadline = Clock::now() + wait;
  while (ready_.empty()) {
    if (!connected(deadline)) {
      if (Clock::now() >= deadline) break;
      continue;
    }
    const SteadyTime until =
        waiting_since_ ? std::min(deadline, *waiting_since_ + kSettle) : deadline;
    if (const auto message = socket_->read(until)) {
      std::vector<Fix> made = fixes_.take(*message);
      // A position that completed another is new: its wait starts now.
      if (!made.empty() || !fixes_.waiting()) waiting_since_.reset();
      if (fixes_.waiting() && !waiting_since_) waiting_since_ = Clock::now();
      for (Fix& fix : made) ready_.push_back(std::move(fix));
      continue;
    }
    if (waiting_since_ && Clock::now() >= *waiting_since_ + kSettle) {
      if (auto fix = fixes_.flush()) ready_.push_back(*fix);
      waiting_since_.reset();
      continue;
    }
    if (!socket_->failure().empty()) continue;  // connected() words it and tries again
    if (Clock::now() >= deadline) break;
  }
  while (ready_.size() > kReadyLimit) ready_.pop_front();
  if (ready_.empty()) return std::nullopt;
  Fix fix = std::move(ready_.front());
  ready_.pop_front();
  return fix;
}

}  // namespace hurricane::own_ship

#include "watch/live_board.h"

#include <utility>

namespace hurricane::watch {

void LiveBoard::post(std::string json) {
  {
    const std::lock_guard lock(mutex_);
    ++latest_.sequence;
    latest_.json = std::move(json);
  }
  changed_.notify_all();
}

LivePost LiveBoard::latest() const {
  const std::lock_guard lock(mutex_);
  return latest_;
}

LivePost LiveBoard::wait_after(std::uint64_t seen, std::chrono::milliseconds wait) const {
  std::unique_lock lock(mutex_);
  changed_.wait_for(lock, wait, [&] { return closed_ || latest_.sequence > seen; });
  return latest_;
}

void LiveBoard::ask_ack(AckRequest request) {
  {
    const std::lock_guard lock(mutex_);
    acks_.push_back(std::move(request));
  }
  changed_.notify_all();
}

std::vector<AckRequest> LiveBoard::take_acks() {
  const std::lock_guard lock(mutex_);
  return std::exchange(acks_, {});
}

bool LiveBoard::wait_for_ack(std::chrono::milliseconds wait) {
  std::unique_lock lock(mutex_);
  changed_.wait_for(lock, wait, [&] { return closed_ || !acks_.empty(); });
  return !acks_.empty();
}

void LiveBoard::close() {
  {
    const std::lock_guard lock(mutex_);
    closed_ = true;
  }
  changed_.notify_all();
}

bool LiveBoard::closed() const {
  const std::lock_guard lock(mutex_);
  return closed_;
}

}  // namespace hurricane::watch

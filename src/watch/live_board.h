// Where the standing watch posts its live state for the page, and takes the navigator's
// acknowledgements back: shared between the watch's thread and the server's workers.
#pragma once

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <string>
#include <vector>

namespace hurricane::watch {

// The live state as the API's JSON document, and its place in the sequence of states.
struct LivePost {
  std::uint64_t sequence = 0;  // 0: nothing posted yet
  std::string json;
};

// An acknowledgement asked for from the page: the alarm's kind name and subject.
struct AckRequest {
  std::string kind;
  std::string subject;
};

class LiveBoard {
 public:
  // Posts a new state; wakes everyone waiting for one.
  void post(std::string json);
  LivePost latest() const;
  // Waits up to `wait` for a state later than `seen`; the latest state either way.
  LivePost wait_after(std::uint64_t seen, std::chrono::milliseconds wait) const;

  // Queues an acknowledgement for the watch, and wakes it.
  void ask_ack(AckRequest request);
  // The acknowledgements asked for since the last call.
  std::vector<AckRequest> take_acks();
  // Waits up to `wait` for an acknowledgement to be asked for; whether one is waiting.
  bool wait_for_ack(std::chrono::milliseconds wait);

  // Ends every wait at once (the server is stopping).
  void close();
  bool closed() const;

 private:
  mutable std::mutex mutex_;
  mutable std::condition_variable changed_;
  LivePost latest_;
  std::vector<AckRequest> acks_;
  bool closed_ = false;
};

}  // namespace hurricane::watch

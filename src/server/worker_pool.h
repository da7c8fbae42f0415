// The workers that serve connections: a fixed number of threads and a bounded queue.
#pragma once

#include <httplib.h>

#include <condition_variable>
#include <cstddef>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

namespace hurricane::server {

// The HTTP library's own pool queues accepted connections without bound, so a flood of them
// would grow memory without end. This one holds at most `max_waiting`: past that, enqueue
// waits, the accepting thread stops accepting, and the system's listen queue takes over.
class WorkerPool final : public httplib::TaskQueue {
 public:
  WorkerPool(std::size_t threads, std::size_t max_waiting);
  WorkerPool(const WorkerPool&) = delete;
  WorkerPool& operator=(const WorkerPool&) = delete;
  ~WorkerPool() override;

  void enqueue(std::function<void()> job) override;
  void shutdown() override;

 private:
  void work();

  std::size_t max_waiting_;
  std::mutex mutex_;
  std::condition_variable job_ready_;
  std::condition_variable room_ready_;
  std::deque<std::function<void()>> jobs_;
  bool stopping_ = false;
  std::vector<std::thread> threads_;
};

}  // namespace hurricane::server

#include "server/worker_pool.h"

#include <utility>

namespace hurricane::server {

WorkerPool::WorkerPool(std::size_t threads, std::size_t max_waiting) : max_waiting_(max_waiting) {
  threads_.reserve(threads);
  for (std::size_t i = 0; i < threads; ++i) threads_.emplace_back([this] { work(); });
}

WorkerPool::~WorkerPool() {
  shutdown();
}

void WorkerPool::enqueue(std::function<void()> job) {
  {
    std::unique_lock lock(mutex_);
    room_ready_.wait(lock, [this] { return stopping_ || jobs_.size() < max_waiting_; });
    // A job refused after shutdown would leak its connection: run it here instead (it ends at
    // once, since the server has stopped).
    if (!stopping_) {
      jobs_.push_back(std::move(job));
      job_ready_.notify_one();
      return;
    }
  }
  job();
}

void WorkerPool::shutdown() {
  {
    std::lock_guard lock(mutex_);
    stopping_ = true;
  }
  job_ready_.notify_all();
  room_ready_.notify_all();
  for (std::thread& thread : threads_) {
    if (thread.joinable()) thread.join();
  }
}

void WorkerPool::work() {
  for (;;) {
    std::function<void()> job;
    {
      std::unique_lock lock(mutex_);
      job_ready_.wait(lock, [this] { return stopping_ || !jobs_.empty(); });
      // Waiting connections are still served on shutdown, so each one is closed properly.
      if (jobs_.empty()) return;
      job = std::move(jobs_.front());
      jobs_.pop_front();
    }
    room_ready_.notify_one();
    // The library answers a failing handler itself; anything that still escapes must not end
    // the thread, or the process with it.
    try {
      job();
    } catch (...) {
    }
  }
}

}  // namespace hurricane::server

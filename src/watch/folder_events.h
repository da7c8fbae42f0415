// Changes to a folder's files, from the kernel's inotify: a file written and closed, moved in,
// or deleted.
#pragma once

#include <chrono>
#include <filesystem>
#include <string>

namespace hurricane::watch {

class FolderEvents {
 public:
  // Watches `dir`; ok() says whether that could be set up (else error() why).
  explicit FolderEvents(const std::filesystem::path& dir);
  ~FolderEvents();
  FolderEvents(const FolderEvents&) = delete;
  FolderEvents& operator=(const FolderEvents&) = delete;

  bool ok() const { return fd_ >= 0 && watch_ >= 0; }
  const std::string& error() const { return error_; }

  // Waits up to `timeout` for a change; true when one came (every event waiting is taken, so a
  // burst of them is one change). Hidden files' events are not changes.
  bool wait(std::chrono::milliseconds timeout);

 private:
  int fd_ = -1;
  int watch_ = -1;
  std::string error_;
};

}  // namespace hurricane::watch

#include "watch/folder_events.h"

#include <poll.h>
#include <sys/inotify.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace hurricane::watch {
namespace {

constexpr std::uint32_t kChanges = IN_CLOSE_WRITE | IN_MOVED_TO | IN_MOVED_FROM | IN_DELETE;

// Whether the events in `buffer` name a file that is not hidden.
bool names_a_file(const char* buffer, std::size_t size) {
  bool any = false;
  for (std::size_t at = 0; at + sizeof(inotify_event) <= size;) {
    inotify_event event;
    std::memcpy(&event, buffer + at, sizeof event);
    const char* name = buffer + at + sizeof(inotify_event);
    if (event.len == 0 || name[0] != '.') any = true;
    at += sizeof(inotify_event) + event.len;
  }
  return any;
}

}  // namespace

FolderEvents::FolderEvents(const std::filesystem::path& dir) {
  fd_ = inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
  if (fd_ < 0) {
    error_ = std::strerror(errno);
    return;
  }
  watch_ = inotify_add_watch(fd_, dir.c_str(), kChanges);
  if (watch_ < 0) error_ = std::strerror(errno);
}

FolderEvents::~FolderEvents() {
  if (fd_ >= 0) close(fd_);
}

bool FolderEvents::wait(std::chrono::milliseconds timeout) {
  pollfd waiting{fd_, POLLIN, 0};
  const int ready = poll(&waiting, 1, static_cast<int>(timeout.count()));
  if (ready <= 0) return false;
  bool changed = false;
  alignas(inotify_event) char buffer[4096];
  for (ssize_t got; (got = read(fd_, buffer, sizeof buffer)) > 0;) {
    changed = names_a_file(buffer, static_cast<std::size_t>(got)) || changed;
  }
  return changed;
}

}  // namespace hurricane::watch

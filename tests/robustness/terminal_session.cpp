#include "robustness/terminal_session.h"

#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <system_error>
#include <thread>

namespace hurricane::robustness {
namespace {

using Clock = std::chrono::steady_clock;

[[noreturn]] void fail(const char* what) {
  throw std::system_error(errno, std::generic_category(), what);
}

int milliseconds_until(Clock::time_point deadline) {
  const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
  return left.count() > 0 ? static_cast<int>(left.count()) : 0;
}

// Appends what `fd` offers before `deadline`; false at its end (or EIO: the terminal's other
// side is closed).
bool read_some(int fd, std::string& into, Clock::time_point deadline) {
  pollfd ready{fd, POLLIN, 0};
  const int polled = poll(&ready, 1, milliseconds_until(deadline));
  if (polled < 0 && errno == EINTR) return true;
  if (polled < 0) fail("poll");
  if (polled == 0) return true;
  char buffer[4096];
  const ssize_t got = read(fd, buffer, sizeof buffer);
  if (got < 0 && errno == EINTR) return true;
  if (got <= 0) return false;
  into.append(buffer, static_cast<std::size_t>(got));
  return true;
}

}  // namespace

TerminalSession::TerminalSession() {
  int error_pipe[2];
  if (pipe2(error_pipe, O_CLOEXEC) != 0) fail("pipe2");
  pid_ = forkpty(&master_, nullptr, nullptr, nullptr);
  if (pid_ < 0) fail("forkpty");
  if (pid_ == 0) {  // the child: only async-signal-safe calls until exec
    dup2(error_pipe[1], STDERR_FILENO);
    char program[] = HURRICANE_PROGRAM;
    char* argv[] = {program, nullptr};
    execv(program, argv);
    _exit(127);
  }
  close(error_pipe[1]);
  errors_fd_ = error_pipe[0];
}

TerminalSession::~TerminalSession() {
  if (pid_ > 0) {
    kill(pid_, SIGKILL);
    waitpid(pid_, nullptr, 0);
  }
  if (master_ >= 0) close(master_);
  if (errors_fd_ >= 0) close(errors_fd_);
}

bool TerminalSession::read_screen(Clock::time_point deadline) {
  std::string got;
  const bool open = read_some(master_, got, deadline);
  for (const char c : got) {
    if (c != '\r') screen_ += c;
  }
  return open;
}

bool TerminalSession::wait_for(std::string_view text) {
  const auto deadline = Clock::now() + kPatience;
  for (;;) {
    const auto at = screen_.find(text, found_);
    if (at != std::string::npos) {
      found_ = at + text.size();
      return true;
    }
    if (Clock::now() >= deadline || !read_screen(deadline)) return false;
  }
}

void TerminalSession::type(std::string_view keys) {
  while (!keys.empty()) {
    const ssize_t put = write(master_, keys.data(), keys.size());
    if (put < 0 && errno == EINTR) continue;
    if (put < 0) fail("write to the terminal");
    keys.remove_prefix(static_cast<std::size_t>(put));
  }
}

int TerminalSession::finish() {
  const auto deadline = Clock::now() + kPatience;
  while (Clock::now() < deadline && read_screen(deadline)) {
  }
  while (Clock::now() < deadline && read_some(errors_fd_, errors_, deadline)) {
  }
  int wait_status = 0;
  for (;;) {
    const pid_t ended = waitpid(pid_, &wait_status, WNOHANG);
    if (ended == pid_) break;
    if (ended < 0 && errno != EINTR) fail("waitpid");
    if (Clock::now() >= deadline) return -1;  // the destructor kills it
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
  pid_ = -1;
  return WIFEXITED(wait_status) ? WEXITSTATUS(wait_status) : 128 + WTERMSIG(wait_status);
}

}  // namespace hurricane::robustness

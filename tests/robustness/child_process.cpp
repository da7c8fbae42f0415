#include "robustness/child_process.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <stdexcept>
#include <system_error>

extern char** environ;

namespace hurricane::robustness {
namespace {

[[noreturn]] void fail(const char* what) {
  throw std::system_error(errno, std::generic_category(), what);
}

// An unnamed temporary file: the process's output may be far larger than a
// pipe holds, and a file needs no reader running alongside.
int anonymous_file() {
  std::string path = (std::filesystem::temp_directory_path() / "hurricane-rob-XXXXXX").string();
  const int fd = mkostemp(path.data(), O_CLOEXEC);
  if (fd < 0) fail("mkostemp");
  unlink(path.c_str());
  return fd;
}

std::string read_all(int fd) {
  std::string text;
  if (lseek(fd, 0, SEEK_SET) < 0) fail("lseek");
  char buffer[1 << 16];
  for (;;) {
    const ssize_t got = read(fd, buffer, sizeof buffer);
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) fail("read");
    if (got == 0) return text;
    text.append(buffer, static_cast<std::size_t>(got));
  }
}

// Writes all of `piece`; false once the reader has gone (EPIPE).
bool write_all(int fd, std::string_view piece) {
  while (!piece.empty()) {
    const ssize_t put = write(fd, piece.data(), piece.size());
    if (put < 0 && errno == EINTR) continue;
    if (put < 0 && errno == EPIPE) return false;
    if (put < 0) fail("write");
    piece.remove_prefix(static_cast<std::size_t>(put));
  }
  return true;
}

}  // namespace

ChildRun run_advisor_process(const std::function<void(const Writer&)>& feed) {
  std::signal(SIGPIPE, SIG_IGN);  // a process that stops reading must not end the test
  int input[2];
  if (pipe2(input, O_CLOEXEC) != 0) fail("pipe2");
  const int out = anonymous_file();
  const int err = anonymous_file();
  const int meter = anonymous_file();

  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, input[0], 0);
  posix_spawn_file_actions_adddup2(&actions, out, 1);
  posix_spawn_file_actions_adddup2(&actions, err, 2);
  posix_spawn_file_actions_adddup2(&actions, meter, 3);
  char probe[] = HURRICANE_RSS_PROBE;
  char program[] = HURRICANE_PROGRAM;
  char* argv[] = {probe, program, nullptr};
  pid_t pid = 0;
  const int spawned = posix_spawn(&pid, probe, &actions, nullptr, argv, environ);
  posix_spawn_file_actions_destroy(&actions);
  close(input[0]);
  if (spawned != 0) {
    errno = spawned;
    fail("posix_spawn " HURRICANE_RSS_PROBE);
  }

  feed([&](std::string_view piece) { return write_all(input[1], piece); });
  close(input[1]);

  int wait_status = 0;
  while (waitpid(pid, &wait_status, 0) < 0) {
    if (errno != EINTR) fail("waitpid");
  }
  ChildRun run;
  run.status = WIFEXITED(wait_status) ? WEXITSTATUS(wait_status) : 128 + WTERMSIG(wait_status);
  run.out = read_all(out);
  run.err = read_all(err);
  std::istringstream(read_all(meter)) >> run.peak_rss_kib >> run.cpu_seconds;
  for (const int fd : {out, err, meter}) close(fd);
  return run;
}

ChildRun run_advisor_process(std::string_view input) {
  return run_advisor_process([input](const Writer& write) { write(input); });
}

}  // namespace hurricane::robustness

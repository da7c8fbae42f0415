// The real program running, its standard output on a pipe read as it comes; ended with
// SIGTERM when the test is done with it.
#pragma once

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <stdexcept>
#include <string>
#include <vector>

namespace hurricane::watch_test {

// The program running with its standard output on a pipe read as it comes.
class Program {
 public:
  explicit Program(std::vector<std::string> arguments) {
    int pipe_fds[2];
    if (pipe2(pipe_fds, O_CLOEXEC) != 0) throw std::runtime_error("pipe");
    arguments.insert(arguments.begin(), HURRICANE_PROGRAM);
    std::vector<char*> argv;
    for (std::string& a : arguments) argv.push_back(a.data());
    argv.push_back(nullptr);
    pid_ = fork();
    if (pid_ == 0) {
      dup2(pipe_fds[1], 1);
      execv(argv[0], argv.data());
      _exit(127);
    }
    close(pipe_fds[1]);
    fd_ = pipe_fds[0];
  }
  ~Program() {
    if (pid_ > 0) {
      kill(pid_, SIGTERM);
      waitpid(pid_, nullptr, 0);
    }
    close(fd_);
  }
  // Reads until `text` has been written after `from`, or `within` has passed; the output so far.
  bool wait_for(const std::string& text, std::size_t from, std::chrono::milliseconds within) {
    const auto end = std::chrono::steady_clock::now() + within;
    while (out.find(text, from) == std::string::npos) {
      const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
          end - std::chrono::steady_clock::now());
      if (left <= std::chrono::milliseconds(0)) return false;
      pollfd waiting{fd_, POLLIN, 0};
      if (poll(&waiting, 1, static_cast<int>(left.count())) <= 0) continue;
      char buffer[4096];
      const ssize_t got = read(fd_, buffer, sizeof buffer);
      if (got <= 0) return false;
      out.append(buffer, static_cast<std::size_t>(got));
    }
    return true;
  }
  std::string out;

 private:
  pid_t pid_ = -1;
  int fd_ = -1;
};

}  // namespace hurricane::watch_test

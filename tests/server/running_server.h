// The real executable serving on a free port of the loopback address, for end-to-end tests.
#pragma once

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <stdexcept>
#include <string>
#include <vector>

extern char** environ;

namespace hurricane::server_test {

class RunningServer {
 public:
  // `serve --listen 127.0.0.1:0`, then `more` (the watch's options, ...).
  explicit RunningServer(std::vector<std::string> more = {}) {
    int pipe_ends[2];
    if (pipe(pipe_ends) != 0) throw std::runtime_error("pipe failed");
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_adddup2(&actions, pipe_ends[1], 1);
    posix_spawn_file_actions_addclose(&actions, pipe_ends[0]);
    std::string program = HURRICANE_PROGRAM;
    std::string command = "serve", option = "--listen", address = "127.0.0.1:0";
    std::vector<char*> argv = {program.data(), command.data(), option.data(), address.data()};
    for (std::string& argument : more) argv.push_back(argument.data());
    argv.push_back(nullptr);
    const int spawned =
        posix_spawn(&pid_, program.c_str(), &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    close(pipe_ends[1]);
    if (spawned != 0) throw std::runtime_error("cannot start " + program);
    out_ = fdopen(pipe_ends[0], "r");
    char line[256] = {};
    if (out_ == nullptr || std::fgets(line, sizeof line, out_) == nullptr) {
      throw std::runtime_error("the server wrote no first line");
    }
    first_line_ = line;
    const std::size_t colon = first_line_.rfind(':');
    port_ = std::stoi(first_line_.substr(colon + 1));
  }
  RunningServer(const RunningServer&) = delete;
  RunningServer& operator=(const RunningServer&) = delete;
  ~RunningServer() {
    if (pid_ > 0) stop(SIGKILL);
    if (out_ != nullptr) std::fclose(out_);
  }

  const std::string& first_line() const { return first_line_; }
  int port() const { return port_; }

  // stop: sends `signal` and returns the exit status (128 + signal when it killed the server).
  int stop(int signal) {
    kill(pid_, signal);
    int status = 0;
    while (waitpid(pid_, &status, 0) < 0) {
    }
    pid_ = -1;
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
  }

 private:
  pid_t pid_ = -1;
  std::FILE* out_ = nullptr;
  std::string first_line_;
  int port_ = 0;
};

}  // namespace hurricane::server_test

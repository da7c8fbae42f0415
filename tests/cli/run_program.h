// Runs the real executable with arguments and collects what it writes and its exit status.
#pragma once

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <initializer_list>
#include <stdexcept>
#include <string>
#include <vector>

#include "schemas/kept_documents.h"

extern char** environ;

namespace hurricane::cli_test {

struct ProgramRun {
  int status = -1;  // exit status, or 128 + the signal that ended the process
  std::string out;
  std::string err;
};

inline int scratch_file() {
  std::string path = (std::filesystem::temp_directory_path() / "hurricane-cli-XXXXXX").string();
  const int fd = mkostemp(path.data(), O_CLOEXEC);
  if (fd < 0) throw std::runtime_error("mkostemp failed");
  unlink(path.c_str());
  return fd;
}

inline std::string contents(int fd) {
  std::string text;
  lseek(fd, 0, SEEK_SET);
  char buffer[4096];
  for (ssize_t got; (got = read(fd, buffer, sizeof buffer)) > 0;) {
    text.append(buffer, static_cast<std::size_t>(got));
  }
  close(fd);
  return text;
}

// run_program: HURRICANE_PROGRAM with `arguments`, standard input empty (/dev/null), or
// `input` when given; standard output collected, or sent to `output_path` when given (then
// ProgramRun::out stays empty).
inline ProgramRun run_program(const std::vector<std::string>& arguments,
                              const std::string* input = nullptr,
                              const char* output_path = nullptr) {
  const int out = scratch_file();
  const int err = scratch_file();
  const int in = input ? scratch_file() : -1;
  if (input) {
    if (write(in, input->data(), input->size()) != static_cast<ssize_t>(input->size())) {
      throw std::runtime_error("cannot write the input");
    }
    lseek(in, 0, SEEK_SET);
  }
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  if (input) {
    posix_spawn_file_actions_adddup2(&actions, in, 0);
  } else {
    posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
  }
  if (output_path) {
    posix_spawn_file_actions_addopen(&actions, 1, output_path, O_WRONLY, 0);
  } else {
    posix_spawn_file_actions_adddup2(&actions, out, 1);
  }
  posix_spawn_file_actions_adddup2(&actions, err, 2);
  std::string program = HURRICANE_PROGRAM;
  std::vector<std::string> words = arguments;
  std::vector<char*> argv{program.data()};
  for (std::string& word : words) argv.push_back(word.data());
  argv.push_back(nullptr);
  pid_t pid = 0;
  const int spawned = posix_spawn(&pid, program.c_str(), &actions, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  if (spawned != 0) throw std::runtime_error("cannot start " + program);
  int wait_status = 0;
  while (waitpid(pid, &wait_status, 0) < 0) {
  }
  if (input) close(in);
  ProgramRun run;
  run.status = WIFEXITED(wait_status) ? WEXITSTATUS(wait_status) : 128 + WTERMSIG(wait_status);
  run.out = contents(out);
  run.err = contents(err);
  const std::string kind = schemas_test::document_kind(arguments);
  if (run.status == 0 && !kind.empty() && !run.out.empty()) {
    schemas_test::keep_document(kind, run.out);
  }
  return run;
}

}  // namespace hurricane::cli_test

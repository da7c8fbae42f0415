// rss_probe PROGRAM [ARGUMENTS...]: runs PROGRAM on the probe's own standard
// streams, exits with its status (128 + signal when a signal ended it) and
// writes "PEAK_RSS_KIB CPU_SECONDS" to file descriptor 3.
//
// Why a separate process: a process started straight from the test inherits
// the test's own peak memory into its figure (the kernel keeps the larger of
// the memory that exec replaced and the new program's). Started from this
// small probe with fork, it inherits only the probe's, about a megabyte.
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>

int main(int argc, char** argv) {
  if (argc < 2) return 125;
  fcntl(3, F_SETFD, FD_CLOEXEC);  // the measured program does not see the report's descriptor
  const pid_t pid = fork();
  if (pid < 0) return 126;
  if (pid == 0) {
    execv(argv[1], argv + 1);
    _exit(127);
  }
  int status = 0;
  rusage usage{};
  while (wait4(pid, &status, 0, &usage) < 0) {
    if (errno != EINTR) return 126;
  }
  const double cpu = static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
                     static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) * 1e-6;
  dprintf(3, "%ld %.6f\n", usage.ru_maxrss, cpu);
  return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

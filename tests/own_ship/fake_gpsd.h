// A real gpsd replaying an NMEA log on a loopback port, through gpsfake; and the logs it
// replays, made by tests/scripts/make_nmea_log.py.
#pragma once

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <thread>

namespace hurricane::own_ship::gpsd_test {

inline bool gpsfake_installed() {
  return access(HURRICANE_GPSFAKE, X_OK) == 0;
}

// A loopback port nothing listens on now (the system's pick of a free one).
inline int free_port() {
  const int probe = socket(AF_INET, SOCK_STREAM, 0);
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  socklen_t length = sizeof address;
  if (bind(probe, reinterpret_cast<sockaddr*>(&address), length) != 0 ||
      getsockname(probe, reinterpret_cast<sockaddr*>(&address), &length) != 0) {
    close(probe);
    throw std::runtime_error("no free port");
  }
  close(probe);
  return ntohs(address.sin_port);
}

inline bool port_accepts(int port) {
  const int probe = socket(AF_INET, SOCK_STREAM, 0);
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_port = htons(static_cast<std::uint16_t>(port));
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  const bool accepts = connect(probe, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
  close(probe);
  return accepts;
}

// A folder of its own under the system's temporary folder, removed with everything in it.
class ScratchDir {
 public:
  ScratchDir() {
    std::string pattern = (std::filesystem::temp_directory_path() / "gpsd-test-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp");
    path_ = pattern;
  }
  ~ScratchDir() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }
  const std::filesystem::path& path() const { return path_; }

 private:
  std::filesystem::path path_;
};

// make_nmea_log: runs the log script with `options` (already quoted as the shell needs) into
// `file`.
inline void make_nmea_log(const std::filesystem::path& file, const std::string& options) {
  const std::string command = std::string("'") + NMEA_LOG_SCRIPT + "' " + options + " --output '" +
                              file.string() + "' < /dev/null";
  if (std::system(command.c_str()) != 0) throw std::runtime_error("failed: " + command);
}

// gpsfake and its gpsd, in a process group of their own, started on `port` with the log
// `log` sent once, a sentence every `cycle_s` seconds. gpsd reads the log from its start (-n),
// clients or not. The destructor kills the whole group: gpsfake left to clean up after itself
// on SIGTERM can hang with its gpsd still running.
class FakeGpsd {
 public:
  FakeGpsd(int port, const std::filesystem::path& log, const std::string& cycle_s,
           const std::filesystem::path& output) {
    // gpsd outlives gpsfake by a moment when the group is killed; as the subreaper this
    // process inherits it and can reap it.
    prctl(PR_SET_CHILD_SUBREAPER, 1);
    const std::string port_text = std::to_string(port);
    pid_ = fork();
    if (pid_ == 0) {
      setpgid(0, 0);
      const int in = open("/dev/null", O_RDONLY);
      const int out = open(output.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
      dup2(in, 0);
      dup2(out, 1);
      dup2(out, 2);
      execl(HURRICANE_GPSFAKE, "gpsfake", "-P", port_text.c_str(), "-1", "-q", "-n", "-c",
            cycle_s.c_str(), log.c_str(), static_cast<char*>(nullptr));
      _exit(127);
    }
    setpgid(pid_, pid_);  // also here, so the group exists before the kill whoever runs first
  }
  ~FakeGpsd() { stop(); }
  FakeGpsd(const FakeGpsd&) = delete;
  FakeGpsd& operator=(const FakeGpsd&) = delete;

  void stop() {
    if (pid_ <= 0) return;
    kill(-pid_, SIGKILL);
    // Every process of the group: gpsfake, then its gpsd handed over to this process.
    while (waitpid(-pid_, nullptr, 0) > 0 || errno == EINTR) {
    }
    // gpsfake's control socket, which only its own cleanup would have removed.
    std::error_code ignored;
    std::filesystem::remove("/tmp/gpsfake-" + std::to_string(pid_) + ".sock", ignored);
    pid_ = -1;
  }

  // Whether gpsd accepts connections on `port` within `within`.
  static bool wait_until_listening(int port, std::chrono::milliseconds within) {
    const auto end = std::chrono::steady_clock::now() + within;
    while (!port_accepts(port)) {
      if (std::chrono::steady_clock::now() > end) return false;
      std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return true;
  }

 private:
  pid_t pid_ = -1;
};

}  // namespace hurricane::own_ship::gpsd_test

// A real Signal K server (signalk-server from npm, tests/own_ship/signalk) playing back an
// NMEA 0183 log, for the tests of the Signal K source and notifier.
//
// It gets its listening socket from the test, bound to the loopback address, the way a
// service manager hands one over (LISTEN_FDS): the server itself would listen on every
// address, and the port is known before it starts. It runs in a process group of its own in a
// temporary folder, with its other interfaces, discovery and update checks off, and no
// security, so that a stream client may send deltas.
#pragma once

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <signal.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/time.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

namespace hurricane::own_ship_test {

namespace fs = std::filesystem;

struct HttpAnswer {
  int status = 0;  // 0: no answer
  std::string body;
};

// http_get: GET `path` from the loopback address at `port`, within about two seconds.
inline HttpAnswer http_get(int port, const std::string& path) {
  const int fd = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
  if (fd < 0) return {};
  timeval limit{2, 0};
  setsockopt(fd, SOL_SOCKET, SO_RCVTIMEO, &limit, sizeof limit);
  setsockopt(fd, SOL_SOCKET, SO_SNDTIMEO, &limit, sizeof limit);
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_port = htons(static_cast<std::uint16_t>(port));
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  HttpAnswer answer;
  if (connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0) {
    const std::string request = "GET " + path + " HTTP/1.0\r\nHost: 127.0.0.1\r\n\r\n";
    if (send(fd, request.data(), request.size(), MSG_NOSIGNAL) ==
        static_cast<ssize_t>(request.size())) {
      std::string response;
      char buffer[4096];
      ssize_t got = 0;
      while ((got = recv(fd, buffer, sizeof buffer, 0)) > 0) {
        response.append(buffer, static_cast<std::size_t>(got));
      }
      const std::size_t body = response.find("\r\n\r\n");
      if (response.starts_with("HTTP/1.") && response.size() > 12 && body != std::string::npos) {
        answer.status = std::atoi(response.substr(9, 3).c_str());
        answer.body = response.substr(body + 4);
      }
    }
  }
  close(fd);
  return answer;
}

class SignalKServer {
 public:
  // Why the server cannot run here (no node, signalk-server not installed); empty when it can.
  static std::string missing() {
    if (std::string(HURRICANE_NODE).empty()) return "node is not installed";
    if (!fs::exists(script())) {
      return "signalk-server is not installed (npm ci --prefix tests/own_ship/signalk)";
    }
    return "";
  }

  // Starts the server playing `nmea_log` over and over at about `bytes_per_second`.
  SignalKServer(const std::string& nmea_log, int bytes_per_second) {
    char folder[] = "/tmp/hurricane-signalk-XXXXXX";
    if (mkdtemp(folder) == nullptr) throw std::runtime_error("mkdtemp failed");
    folder_ = folder;
    std::ofstream(folder_ / "settings.json") << settings(nmea_log, bytes_per_second);
    start();
  }
  SignalKServer(const SignalKServer&) = delete;
  SignalKServer& operator=(const SignalKServer&) = delete;
  ~SignalKServer() {
    stop();
    std::error_code ignored;
    fs::remove_all(folder_, ignored);
  }

  int port() const { return port_; }
  std::string log() const {
    std::ifstream in(folder_ / "server.log");
    return std::string(std::istreambuf_iterator<char>(in), {});
  }

  // Stops the server and everything it started: politely, then not.
  void stop() {
    if (pid_ <= 0) return;
    kill(-pid_, SIGTERM);
    int status = 0;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(3);
    while (waitpid(pid_, &status, WNOHANG) == 0) {
      if (std::chrono::steady_clock::now() > deadline) {
        kill(-pid_, SIGKILL);
        waitpid(pid_, &status, 0);
        break;
      }
      std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    kill(-pid_, SIGKILL);  // whatever of its group outlived it
    pid_ = -1;
  }

  // Starts it again on the same port.
  void start() {
    const int listening = listen_on(port_);
    port_ = bound_port(listening);
    const std::string node = HURRICANE_NODE;
    const std::string program = script();
    const std::string log_file = (folder_ / "server.log").string();
    std::vector<std::string> environment;
    for (char** entry = environ; *entry != nullptr; ++entry) {
      const std::string text = *entry;
      if (!text.starts_with("LISTEN_") && !text.starts_with("PORT=") &&
          !text.starts_with("SIGNALK_")) {
        environment.push_back(text);
      }
    }
    environment.push_back("LISTEN_FDS=1");
    environment.push_back("SIGNALK_NODE_CONFIG_DIR=" + folder_.string());
    environment.push_back("SIGNALK_DISABLE_SERVER_UPDATES=1");
    environment.push_back("HOME=" + folder_.string());
    std::vector<char*> envp;
    for (std::string& text : environment) envp.push_back(text.data());
    envp.push_back(nullptr);
    std::vector<char*> argv{const_cast<char*>(node.c_str()), const_cast<char*>(program.c_str()),
                            nullptr};
    // Only async-signal-safe calls after fork: the test may hold other threads.
    const pid_t pid = fork();
    if (pid < 0) throw std::runtime_error("fork failed");
    if (pid == 0) {
      setpgid(0, 0);
      const int in = open("/dev/null", O_RDONLY);
      const int out = open(log_file.c_str(), O_WRONLY | O_CREAT | O_APPEND, 0644);
      if (in < 0 || out < 0 || dup2(in, 0) < 0 || dup2(out, 1) < 0 || dup2(out, 2) < 0 ||
          dup2(listening, 3) < 0 || chdir(folder_.c_str()) != 0) {
        _exit(127);
      }
      if (listening == 3) fcntl(3, F_SETFD, 0);  // dup2 onto itself keeps close-on-exec
      execve(node.c_str(), argv.data(), envp.data());
      _exit(127);
    }
    setpgid(pid, pid);
    pid_ = pid;
    close(listening);  // the server's now; stopping it frees the port
    wait_until_answering();
  }

 private:
  static std::string script() {
    return std::string(SIGNALK_SERVER_DIR) + "/node_modules/signalk-server/bin/signalk-server";
  }

  static std::string settings(const std::string& nmea_log, int bytes_per_second) {
    std::ostringstream text;
    text << R"({
  "interfaces": {"tcp": false, "nmea-tcp": false, "appstore": false, "plugins": false,
                 "webapps": false, "mfd_webapp": false, "wasm": false, "playground": false,
                 "logfiles": false},
  "mdns": false,
  "ssl": false,
  "pipedProviders": [{
    "id": "log",
    "enabled": true,
    "pipeElements": [{
      "type": "providers/simple",
      "options": {"logging": false, "type": "FileStream",
                  "subOptions": {"dataType": "NMEA0183", "filename": ")"
         << nmea_log << R"(", "throttleRate": )" << bytes_per_second << R"(}}
    }]
  }]
}
)";
    return text.str();
  }

  // A listening socket on the loopback address, at `port` (0: any free one).
  static int listen_on(int port) {
    const int fd = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    const int yes = 1;
    setsockopt(fd, SOL_SOCKET, SO_REUSEADDR, &yes, sizeof yes);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(static_cast<std::uint16_t>(port));
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    if (fd < 0 || bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
        listen(fd, 64) != 0) {
      throw std::runtime_error("cannot listen on 127.0.0.1:" + std::to_string(port));
    }
    return fd;
  }

  static int bound_port(int fd) {
    sockaddr_in address{};
    socklen_t size = sizeof address;
    getsockname(fd, reinterpret_cast<sockaddr*>(&address), &size);
    return ntohs(address.sin_port);
  }

  // Start-up takes seconds (more under the sanitizers, on a busy machine).
  void wait_until_answering() {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(40);
    while (http_get(port_, "/signalk").status != 200) {
      int status = 0;
      if (waitpid(pid_, &status, WNOHANG) == pid_) {
        pid_ = -1;
        throw std::runtime_error("signalk-server stopped at start:\n" + log());
      }
      if (std::chrono::steady_clock::now() > deadline) {
        stop();
        throw std::runtime_error("signalk-server did not answer in 40 s:\n" + log());
      }
      std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
  }

  fs::path folder_;
  int port_ = 0;
  pid_t pid_ = -1;
};

}  // namespace hurricane::own_ship_test

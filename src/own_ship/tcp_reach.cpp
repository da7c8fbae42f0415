#include "own_ship/tcp_reach.h"

#include <netdb.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>

namespace hurricane::own_ship {
namespace {

// One address: 0 when it answered, else the errno why not.
int try_address(const addrinfo& address, std::chrono::milliseconds within) {
  const int fd = socket(address.ai_family, address.ai_socktype | SOCK_NONBLOCK | SOCK_CLOEXEC,
                        address.ai_protocol);
  if (fd < 0) return errno;
  int error = 0;
  if (connect(fd, address.ai_addr, address.ai_addrlen) != 0) {
    error = errno;
    if (error == EINPROGRESS) {
      pollfd pending{fd, POLLOUT, 0};
      if (poll(&pending, 1, static_cast<int>(within.count())) == 1) {
        socklen_t length = sizeof error;
        if (getsockopt(fd, SOL_SOCKET, SO_ERROR, &error, &length) != 0) error = errno;
      } else {
        error = ETIMEDOUT;
      }
    }
  }
  close(fd);
  return error;
}

}  // namespace

std::optional<std::string> unreachable(const std::string& host, int port,
                                       std::chrono::milliseconds within) {
  addrinfo hints{};
  hints.ai_family = AF_UNSPEC;
  hints.ai_socktype = SOCK_STREAM;
  addrinfo* found = nullptr;
  const int resolved = getaddrinfo(host.c_str(), std::to_string(port).c_str(), &hints, &found);
  if (resolved != 0) return std::string("no such host (") + gai_strerror(resolved) + ")";
  const std::unique_ptr<addrinfo, decltype(&freeaddrinfo)> addresses(found, freeaddrinfo);
  int error = 0;
  for (const addrinfo* address = found; address != nullptr; address = address->ai_next) {
    error = try_address(*address, within);
    if (error == 0) return std::nullopt;
  }
  if (error == ETIMEDOUT) {
    char text[48];
    std::snprintf(text, sizeof text, "no answer within %g s",
                  static_cast<double>(within.count()) / 1000.0);
    return std::string(text);
  }
  return std::string(std::strerror(error));
}

}  // namespace hurricane::own_ship

// Fixes from gpsd, the daemon that shares the ship's GPS receivers, through its client library.
#pragma once

#include <chrono>
#include <memory>
#include <optional>
#include <string>

#include "own_ship/fix.h"
#include "own_ship/gpsd_address.h"

namespace hurricane::own_ship {

// Tries again no more often than this after gpsd refused or dropped the connection.
inline constexpr std::chrono::seconds kGpsdRetryEvery{1};
// How long a try to connect may take, beyond the wait of next() if need be: a gpsd host that
// drops the packets would otherwise hold the caller for minutes.
inline constexpr std::chrono::milliseconds kGpsdConnectWithin{2000};

// Watches gpsd's JSON reports; each TPV report of a 2D or 3D fix with a position and a time is
// a Fix. The connection is made on the first next(), not by the constructor, so a source can
// be set up before gpsd runs.
class GpsdSource final : public FixSource {
 public:
  GpsdSource(std::string host, int port);
  explicit GpsdSource(const GpsdAddress& address);
  ~GpsdSource() override;
  GpsdSource(const GpsdSource&) = delete;
  GpsdSource& operator=(const GpsdSource&) = delete;

  // Returns at once, with nothing, when the connection fails or is lost; a later call tries
  // again once kGpsdRetryEvery has passed since the last try, waiting for that within `wait`.
  std::optional<Fix> next(std::chrono::milliseconds wait) override;
  std::string problem() const override;   // "gpsd at HOST:PORT: why", empty while connected
  std::string describe() const override;  // "gpsd HOST:PORT"

 private:
  struct Session;  // libgps's state, kept out of this header with the macros of <gps.h>

  bool connect();
  void lose(const std::string& why);

  GpsdAddress address_;
  std::unique_ptr<Session> session_;  // null while not connected
  std::optional<std::chrono::steady_clock::time_point> last_try_;
  std::string problem_;
};

}  // namespace hurricane::own_ship

#include "own_ship/gpsd_source.h"

#include <gps.h>
#include <poll.h>

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstring>
#include <string_view>
#include <thread>
#include <utility>

#include "own_ship/tcp_reach.h"

namespace hurricane::own_ship {

struct GpsdSource::Session {
  gps_data_t data{};
  bool open = false;

  ~Session() {
    if (open) gps_close(&data);
  }
};

namespace {

using Clock = std::chrono::steady_clock;

constexpr double kKnotsPerMetrePerSecond = 3600.0 / 1852.0;
// gpsd's longest report (a SKY of many satellites) is a few kilobytes.
constexpr int kLongestReport = 16384;
// libgps takes its wait as int microseconds; longer waits go in slices of this.
constexpr std::chrono::microseconds kLongestSlice{1'000'000};

// libgps reports a failed gps_open as a negative code in errno.
std::string open_failure(int code) {
  switch (code) {
    case NL_NOSERVICE:
      return "cannot connect: no such port";
    case NL_NOHOST:
      return "cannot connect: no such host";
    case NL_NOCONNECT:
      return "cannot connect: nothing listening there, or not reachable";
    default:
      return std::string("cannot connect: ") + gps_errstr(code);
  }
}

// The class is judged by the report's text: libgps keeps some of the last TPV's `set` bits
// through the reports that follow it (a DEVICE report), which would repeat that fix.
bool is_tpv(std::string_view report) {
  return report.substr(0, report.find(',')).find("\"TPV\"") != std::string_view::npos;
}

std::optional<Fix> fix_of(const gps_data_t& data) {
  const gps_fix_t& fix = data.fix;
  // The first report after a start may have a position and no time (a GGA before any RMC):
  // a fix that cannot be dated cannot be judged for age.
  if (fix.mode < MODE_2D || !(data.set & LATLON_SET) || !(data.set & TIME_SET)) return {};
  if (!std::isfinite(fix.latitude) || !std::isfinite(fix.longitude)) return {};
  Fix out;
  out.position = {fix.latitude, fix.longitude};
  if ((data.set & TRACK_SET) && std::isfinite(fix.track)) {
    out.cog_deg = std::fmod(std::fmod(fix.track, 360.0) + 360.0, 360.0);
  }
  if ((data.set & SPEED_SET) && std::isfinite(fix.speed)) {
    out.sog_kn = fix.speed * kKnotsPerMetrePerSecond;
  }
  out.time = UtcTime{std::chrono::seconds{fix.time.tv_sec}};
  out.source = "gpsd";
  return out;
}

}  // namespace

GpsdSource::GpsdSource(std::string host, int port)
    : GpsdSource(GpsdAddress{std::move(host), port}) {}

GpsdSource::GpsdSource(const GpsdAddress& address) : address_(address) {}

GpsdSource::~GpsdSource() = default;

std::string GpsdSource::problem() const {
  return problem_;
}

std::string GpsdSource::describe() const {
  return "gpsd " + address_text(address_);
}

void GpsdSource::lose(const std::string& why) {
  session_.reset();
  problem_ = "gpsd at " + address_text(address_) + ": " + why;
}

bool GpsdSource::connect() {
  last_try_ = Clock::now();
  if (auto why = unreachable(address_.host, address_.port, kGpsdConnectWithin)) {
    lose("cannot connect: " + *why);
    return false;
  }
  auto session = std::make_unique<Session>();
  const std::string port = std::to_string(address_.port);
  if (gps_open(address_.host.c_str(), port.c_str(), &session->data) != 0) {
    lose(open_failure(errno));
    return false;
  }
  session->open = true;
  if (gps_stream(&session->data, WATCH_ENABLE | WATCH_JSON, nullptr) != 0) {
    lose("connected, but the request to watch was refused");
    return false;
  }
  session_ = std::move(session);
  problem_.clear();
  return true;
}

std::optional<Fix> GpsdSource::next(std::chrono::milliseconds wait) {
  const Clock::time_point deadline = Clock::now() + wait;
  if (!session_) {
    if (last_try_) {
      const Clock::time_point next_try = *last_try_ + kGpsdRetryEvery;
      std::this_thread::sleep_until(std::min(next_try, deadline));
      if (Clock::now() < next_try) return {};
    }
    if (!connect()) return {};
  }
  char report[kLongestReport];
  for (;;) {
    const auto left =
        std::chrono::duration_cast<std::chrono::microseconds>(deadline - Clock::now());
    if (left.count() <= 0) return {};
    // gps_waiting is also true for a report only partly received: gps_read then returns 0.
    if (!gps_waiting(&session_->data, static_cast<int>(std::min(left, kLongestSlice).count()))) {
      continue;
    }
    report[0] = '\0';
    errno = 0;
    const int got = gps_read(&session_->data, report, sizeof report);
    if (got < 0) {
      lose(errno == 0 ? "gpsd closed the connection"
                      : std::string("connection lost: ") + std::strerror(errno));
      return {};
    }
    if (got == 0) {
      pollfd socket{session_->data.gps_fd, POLLIN, 0};
      poll(&socket, 1, 10);  // the rest of the report, without spinning
      continue;
    }
    if (!is_tpv(report)) continue;
    if (auto fix = fix_of(session_->data)) return fix;
  }
}

}  // namespace hurricane::own_ship

// The options of `watch`, and the typed request they make.
#pragma once

#include <CLI/CLI.hpp>
#include <optional>
#include <string>

#include "answer/forecast_options.h"
#include "error/error.h"
#include "own_ship/gpsd_address.h"
#include "own_ship/signalk_endpoint.h"

namespace hurricane::cli {

// `watch`: the folder watched, the ship and the plan's choices (read as `advise` reads them).
struct WatchRequest {
  std::string dir;  // --watch-dir
  // Where the ship is: typed once (--ship POS), or live from gpsd (--gpsd HOST:PORT) or a Signal
  // K server (--signalk URL); exactly one of the three.
  std::optional<std::string> ship;
  std::optional<own_ship::GpsdAddress> gpsd;
  std::optional<own_ship::SignalKEndpoint> signalk;
  std::optional<own_ship::GpsdAddress> nmea_alarms;  // --nmea-alarms HOST:PORT
  double ship_speed = 0.0;                           // --ship-speed KN
  std::optional<std::string> at;                     // --at TIME; none: the clock
  answer::ForecastOptions forecast;  // the plan's voyage, sea room and winds avoided
  double alarm_hours = 24.0;         // --alarm-hours
  std::string log;                   // --log FILE, empty for none
  std::string land_file;             // --land FILE, empty for the installed shoreline
  bool no_land = false;
  bool once = false;
};

class WatchOptions {
 public:
  // The `watch` subcommand of `app`.
  explicit WatchOptions(CLI::App& app);
  // The same options on another command (`serve`): --watch-dir optional, the ship's options
  // needed with it, no --once.
  struct Beside {};
  WatchOptions(CLI::App& command, Beside);
  WatchOptions(const WatchOptions&) = delete;
  WatchOptions& operator=(const WatchOptions&) = delete;

  bool parsed() const { return command_->parsed(); }
  // Whether --watch-dir was given (always, once `watch` is parsed).
  bool given() const { return dir_option_->count() > 0; }
  Result<WatchRequest> request() const;

 private:
  void declare(bool own_command);

  CLI::App* command_;
  Result<WatchRequest> read_ship(WatchRequest request) const;

  CLI::Option *dir_option_ = nullptr, *ship_option_ = nullptr, *ship_speed_option_ = nullptr;
  CLI::Option *gpsd_option_ = nullptr, *signalk_option_ = nullptr, *nmea_alarms_option_ = nullptr;
  std::string dir_, ship_, gpsd_, signalk_, nmea_alarms_, ship_speed_, at_, to_, course_, sea_room_,
      avoid_, alarm_hours_ = "24", log_, land_;
  bool once_ = false, no_land_ = false;
  CLI::Option *at_option_, *to_option_, *course_option_, *sea_room_option_, *avoid_option_,
      *land_option_;
};

}  // namespace hurricane::cli

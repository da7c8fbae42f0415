#include "cli/watch_options.h"

#include <string_view>

#include "cli/command_error.h"
#include "cli/plan_choices.h"
#include "situation/number.h"

namespace hurricane::cli {
namespace {

constexpr const char* kWatchFooter =
    "Every advisory file of DIR is advised together, again whenever a file is written,\n"
    "moved in or deleted, and every 10 minutes; the plan and the alarms are printed\n"
    "when they change. With a live position (--gpsd, default localhost:2947, or\n"
    "--signalk) each answer is at the fix's own time, with the present course as the\n"
    "voyage unless --to or --course sets one, again when the course changes by over\n"
    "10 degrees or the speed by over 2 kn. Alarms: the voyage meets the danger area\n"
    "within the alarm hours, decide-by within 6 h, no plan keeps clear, an advisory\n"
    "stale or overdue (an hour past its next advisory), a file that cannot be read,\n"
    "the position lost (no fix for 60 s, or one that jumps faster than 60 kn).\n"
    "Exit status with --once: 0 no alarm, 3 an alarm raised, 1 a value cannot be\n"
    "used, 2 wrong usage.";

constexpr std::string_view kDefaultGpsd = "localhost:2947";

}  // namespace

WatchOptions::WatchOptions(CLI::App& app)
    : command_(app.add_subcommand("watch", "Stand watch over a folder of advisories")) {
  command_->footer(kWatchFooter);
  declare(true);
}

WatchOptions::WatchOptions(CLI::App& command, Beside) : command_(&command) {
  declare(false);
}

void WatchOptions::declare(bool own_command) {
  CLI::App& watch = *command_;
  dir_option_ = watch.add_option("--watch-dir", dir_, "The folder of advisory files")
                    ->type_name("DIR")
                    ->required(own_command);
  ship_option_ = watch.add_option("--ship", ship_, "Position of the ship, if it stays there")
                     ->type_name("POS");
  gpsd_option_ = watch.add_option("--gpsd", gpsd_, "The ship's position live from gpsd")
                     ->type_name("HOST:PORT")
                     ->expected(0, 1)
                     ->default_str(std::string(kDefaultGpsd));
  signalk_option_ =
      watch.add_option("--signalk", signalk_, "The ship's position live from a Signal K server")
          ->type_name("URL");
  nmea_alarms_option_ =
      watch.add_option("--nmea-alarms", nmea_alarms_, "Send alarms as NMEA ALR sentences (UDP)")
          ->type_name("HOST:PORT");
  ship_speed_option_ =
      watch.add_option("--ship-speed", ship_speed_, "Maximum speed of the ship, knots")
          ->type_name("KN")
          ->required(own_command);
  to_option_ = watch.add_option("--to", to_, "The voyage's destination")->type_name("POS");
  course_option_ =
      watch.add_option("--course", course_, "The voyage's course, degrees true")->type_name("DEG");
  sea_room_option_ =
      watch.add_option("--sea-room", sea_room_, "Nm kept off the shore (default 10)")
          ->type_name("NM");
  avoid_option_ = watch.add_option("--avoid", avoid_, "The winds avoided, 34 (default), 50 or 64")
                      ->type_name("KT");
  watch.add_option("--alarm-hours", alarm_hours_, "Hours ahead the voyage is watched (24)")
      ->type_name("H");
  watch.add_option("--log", log_, "Append every alarm to this JSON-lines file")->type_name("FILE");
  at_option_ =
      watch.add_option("--at", at_, "The advice time instead of the clock's")->type_name("TIME");
  land_option_ = watch.add_option("--land", land_, "Shoreline file (default: the installed one)")
                     ->type_name("FILE");
  watch.add_flag("--no-land", no_land_, "Leave land out (the answer says so)");
  if (own_command) watch.add_flag("--once", once_, "Answer once and exit");
  for (CLI::Option* option : watch.get_options()) {
    if (option->get_expected_min() > 0) option->multi_option_policy(CLI::MultiOptionPolicy::Throw);
  }
}

Result<WatchRequest> WatchOptions::request() const {
  WatchRequest request;
  if (dir_.empty()) return usage("--watch-dir: needs a directory");
  if (ship_speed_option_->count() == 0) return usage("--ship-speed: needed with --watch-dir");
  if (course_option_->count() > 0 && to_option_->count() > 0) {
    return usage("--to and --course exclude each other");
  }
  if (land_option_->count() > 0 && no_land_)
    return usage("--land and --no-land exclude each other");
  request.dir = dir_;
  const Result<double> speed = situation::parse_number(Field::kShipSpeed, ship_speed_);
  if (!speed.ok()) return speed.error();
  request.ship_speed = speed.value();
  auto given = [](const CLI::Option* option, const std::string& text) {
    return option->count() > 0 ? &text : nullptr;
  };
  if (auto failed =
          read_plan_choices({given(course_option_, course_), given(to_option_, to_),
                             given(sea_room_option_, sea_room_), given(avoid_option_, avoid_)},
                            request.forecast)) {
    return std::move(*failed);
  }
  const auto hours = option_number(alarm_hours_);
  if (!hours || *hours <= 0.0 || *hours > 120.0) {
    return unusable_option("--alarm-hours: expected hours above 0, at most 120");
  }
  request.alarm_hours = *hours;
  if (at_option_->count() > 0) request.at = at_;
  request.log = log_;
  request.land_file = land_;
  request.no_land = no_land_;
  request.once = once_;
  return read_ship(std::move(request));
}

Result<WatchRequest> WatchOptions::read_ship(WatchRequest request) const {
  const int sources = static_cast<int>(ship_option_->count() > 0) +
                      static_cast<int>(gpsd_option_->count() > 0) +
                      static_cast<int>(signalk_option_->count() > 0);
  if (sources != 1) return usage("give the ship's position as one of --ship, --gpsd, --signalk");
  if (ship_option_->count() == 0 && at_option_->count() > 0) {
    return usage("--at: a live position is answered at each fix's own time");
  }
  if (ship_option_->count() > 0) request.ship = ship_;
  if (gpsd_option_->count() > 0) {
    auto address = own_ship::parse_gpsd_address(gpsd_.empty() ? kDefaultGpsd : gpsd_);
    if (!address.ok()) return address.error();
    request.gpsd = address.value();
  }
  if (signalk_option_->count() > 0) {
    auto endpoint = own_ship::signalk_endpoint(signalk_);
    if (!endpoint.ok()) return endpoint.error();
    request.signalk = endpoint.value();
  }
  if (nmea_alarms_option_->count() > 0) {
    // The same HOST:PORT form, but an alarm system has no port of its own: it must be given.
    auto address = own_ship::parse_gpsd_address(nmea_alarms_);
    const auto colon = nmea_alarms_.rfind(':');
    const auto bracket = nmea_alarms_.rfind(']');
    if (!address.ok() || colon == std::string::npos ||
        (bracket != std::string::npos && colon < bracket)) {
      return unusable_option("--nmea-alarms: '" + nmea_alarms_ +
                             "': expected HOST:PORT, as 192.168.1.30:10110");
    }
    request.nmea_alarms = address.value();
  }
  return request;
}

}  // namespace hurricane::cli

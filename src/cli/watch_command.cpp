#include "cli/watch_command.h"

#include <memory>
#include <optional>

#include "answer/answer.h"
#include "cli/advise.h"
#include "land/find_shoreline.h"
#include "own_ship/gpsd_source.h"
#include "watch/nmea_alarms.h"
#include "watch/run_watch.h"

namespace hurricane::cli {

int run_watch_command(const WatchRequest& request, std::ostream& out, std::ostream& errors) {
  // The shoreline once, held against every answer as `advise` holds it.
  std::optional<land::Land> shoreline;
  if (!request.no_land) {
    auto loaded = land::load_shoreline(request.land_file);
    if (!loaded.ok()) return report_error(loaded.error(), "", errors);
    shoreline = std::move(loaded.value());
  }
  watch::WatchRun run;
  run.dir = request.dir;
  run.log = request.log;
  run.once = request.once;
  answer::Request& base = run.settings.base;
  base.situation.ship_speed = request.ship_speed;
  base.shoreline = shoreline ? &*shoreline : nullptr;
  base.forecast = request.forecast;
  base.forecast.enabled = true;
  run.settings.at = request.at;
  run.settings.alarm_hours = request.alarm_hours;
  run.fixed_ship = request.ship;
  std::unique_ptr<own_ship::FixSource> fixes;
  if (request.gpsd) fixes = std::make_unique<own_ship::GpsdSource>(*request.gpsd);
  run.fixes = fixes.get();
  std::unique_ptr<watch::NmeaAlarms> nmea;
  if (request.nmea_alarms) {
    nmea = std::make_unique<watch::NmeaAlarms>(request.nmea_alarms->host,
                                               std::to_string(request.nmea_alarms->port));
    run.outputs.push_back(nmea.get());
  }
  return watch::run_watch(run, out, errors);
}

}  // namespace hurricane::cli

#include "cli/watch_command.h"

#include <optional>

#include "answer/answer.h"
#include "cli/advise.h"
#include "cli/live_sources.h"
#include "land/find_shoreline.h"

namespace hurricane::cli {

watch::WatchRun watch_run(const WatchRequest& request) {
  watch::WatchRun run;
  run.dir = request.dir;
  run.log = request.log;
  run.once = request.once;
  run.fixed_ship = request.ship;
  answer::Request& base = run.settings.base;
  base.situation.ship_speed = request.ship_speed;
  base.forecast = request.forecast;
  base.forecast.enabled = true;
  run.settings.at = request.at;
  run.settings.alarm_hours = request.alarm_hours;
  return run;
}

int run_watch_command(const WatchRequest& request, std::ostream& out, std::ostream& errors) {
  // The shoreline once, held against every answer as `advise` holds it.
  std::optional<land::Land> shoreline;
  if (!request.no_land) {
    auto loaded = land::load_shoreline(request.land_file);
    if (!loaded.ok()) return report_error(loaded.error(), "", errors);
    shoreline = std::move(loaded.value());
  }
  watch::WatchRun run = watch_run(request);
  run.settings.base.shoreline = shoreline ? &*shoreline : nullptr;
  const LiveSources sources = open_live_sources(request);
  sources.attach(run);
  return watch::run_watch(run, out, errors);
}

}  // namespace hurricane::cli

#include "cli/live_sources.h"

#include <string>

#include "own_ship/gpsd_source.h"
#include "own_ship/signalk_source.h"
#include "watch/nmea_alarms.h"
#include "watch/signalk_alarms.h"

namespace hurricane::cli {

void LiveSources::attach(watch::WatchRun& run) const {
  run.fixes = fixes.get();
  for (const auto& output : outputs) run.outputs.push_back(output.get());
}

LiveSources open_live_sources(const WatchRequest& request) {
  LiveSources sources;
  if (request.gpsd) sources.fixes = std::make_unique<own_ship::GpsdSource>(*request.gpsd);
  if (request.signalk) {
    // The server the fixes come from hears the alarms too.
    sources.fixes = std::make_unique<own_ship::SignalKSource>(*request.signalk);
    sources.outputs.push_back(std::make_unique<watch::SignalKAlarms>(*request.signalk));
  }
  if (request.nmea_alarms) {
    sources.outputs.push_back(std::make_unique<watch::NmeaAlarms>(
        request.nmea_alarms->host, std::to_string(request.nmea_alarms->port)));
  }
  return sources;
}

}  // namespace hurricane::cli

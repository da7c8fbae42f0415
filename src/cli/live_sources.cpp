#include "cli/live_sources.h"

#include <string>

#include "own_ship/gpsd_source.h"
#include "watch/nmea_alarms.h"

namespace hurricane::cli {

void LiveSources::attach(watch::WatchRun& run) const {
  run.fixes = fixes.get();
  for (const auto& output : outputs) run.outputs.push_back(output.get());
}

LiveSources open_live_sources(const WatchRequest& request) {
  LiveSources sources;
  if (request.gpsd) sources.fixes = std::make_unique<own_ship::GpsdSource>(*request.gpsd);
  if (request.nmea_alarms) {
    sources.outputs.push_back(std::make_unique<watch::NmeaAlarms>(
        request.nmea_alarms->host, std::to_string(request.nmea_alarms->port)));
  }
  return sources;
}

}  // namespace hurricane::cli

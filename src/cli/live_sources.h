// The watch's live connections as the request names them: where the ship's fixes come from and
// where alarms go besides the console and the log. Owned here; the run holds pointers.
#pragma once

#include <memory>
#include <vector>

#include "cli/watch_options.h"
#include "own_ship/fix.h"
#include "watch/alarm_output.h"
#include "watch/run_watch.h"

namespace hurricane::cli {

struct LiveSources {
  std::unique_ptr<own_ship::FixSource> fixes;  // none for a ship given by --ship
  std::vector<std::unique_ptr<watch::AlarmOutput>> outputs;

  // Hands them to `run`; they must outlive it.
  void attach(watch::WatchRun& run) const;
};

LiveSources open_live_sources(const WatchRequest& request);

}  // namespace hurricane::cli

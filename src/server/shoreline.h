// The shoreline the server holds every answer's escapes against, as `advise` does: loaded once,
// before the workers start, and only read after.
#pragma once

#include "land/land.h"

namespace hurricane::server {

// Keeps `land` for every later answer; call before any worker runs.
void hold_shoreline(land::Land land);

// The shoreline held, or null when none was (answers then say nothing of land).
const land::Land* held_shoreline();

}  // namespace hurricane::server

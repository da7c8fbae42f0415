// What the live view says of each storm of the folder beside the advisory itself: how old its
// analysis is, whether its next advisory is overdue, and whether the round advised on it.
#pragma once

#include <vector>

#include "watch/watch_round.h"

namespace hurricane::watch {

struct LiveStorm {
  const FolderStorm* storm = nullptr;  // within the round
  double age_h = 0.0;                  // the analysis's age at the advice time
  bool overdue = false;                // the round holds its overdue alarm
  bool advised = false;                // among the storms the round advised on
};

// live_storms: every storm of the round's folder, in the folder's order.
std::vector<LiveStorm> live_storms(const Round& round);

}  // namespace hurricane::watch

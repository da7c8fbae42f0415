#include "watch/live_storms.h"

#include <algorithm>

namespace hurricane::watch {

std::vector<LiveStorm> live_storms(const Round& round) {
  std::vector<LiveStorm> storms;
  for (const FolderStorm& s : round.folder.storms) {
    const bool overdue =
        std::any_of(round.conditions.begin(), round.conditions.end(), [&](const Condition& c) {
          return c.kind == AlarmKind::kAdvisoryOverdue && c.subject == s.file;
        });
    const bool advised = std::find(round.advised_files.begin(), round.advised_files.end(),
                                   s.file) != round.advised_files.end();
    storms.push_back(
        {&s, navigation::hours_between(s.storm.fix.time, round.advice_time), overdue, advised});
  }
  return storms;
}

}  // namespace hurricane::watch

// The alarm log: one JSON object a line for every alarm raised, cleared or acknowledged.
#pragma once

#include <string>

#include "watch/alarm_book.h"

namespace hurricane::watch {

// {"at": ISO time, "event": "raised", "kind": "decide-soon", "subject": "", "reason": "...",
//  "raised": ISO time, "acknowledged": false}
std::string log_line(const AlarmEvent& event);

}  // namespace hurricane::watch

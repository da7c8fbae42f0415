// The times GPX and RTZ files carry: ISO 8601 (XML Schema dateTime) in UTC.
#pragma once

#include <optional>
#include <string_view>

#include "navigation/utc_time.h"

namespace hurricane::route {

// "2026-09-12T18:00:00Z", with optional fractions of a second (dropped) and a zone of "Z" or
// "+hh:mm"/"-hh:mm" (taken off to give UTC); nothing for anything else, including a time
// without a zone, whose meaning a file does not say.
std::optional<navigation::UtcTime> parse_iso_time(std::string_view text);

}  // namespace hurricane::route

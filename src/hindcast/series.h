// A storm's advisories as a navigator received them, one per fix time, in time order.
#pragma once

#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "advisory/storm.h"
#include "forecast/track.h"

namespace hurricane::hindcast {

struct IssuedAdvisory {
  advisory::Storm storm;
  forecast::Time time{};                      // the fix time
  std::optional<forecast::StormTrack> track;  // its forecast; nothing when it holds none
};

struct AdvisoryText {
  std::string name;   // where it came from, for messages
  std::string bytes;  // a forecast/advisory, an RSS feed holding one, or ATCF records
};

// Every text read (an RSS feed may hold several storms: `storm_id` picks one, empty takes the
// only one) and ordered by fix time; of advisories with the same fix time (a correction, a
// special) the later numbered one stands. An unreadable text is the error, naming it.
std::variant<std::vector<IssuedAdvisory>, std::string> read_series(
    const std::vector<AdvisoryText>& texts, const std::string& storm_id);

}  // namespace hurricane::hindcast

// A storm's advisories as a navigator received them, one per fix time, in time order.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "advisory/storm.h"
#include "error/error.h"
#include "forecast/track.h"

namespace hurricane::hindcast {

struct IssuedAdvisory {
  advisory::Storm storm;
  forecast::Time time{};                      // the fix time
  std::optional<forecast::StormTrack> track;  // its forecast; nothing when it holds none
  std::string text;  // the product as received, which the advice is asked of as `advise` is
};

struct AdvisoryText {
  std::string name;   // where it came from, for messages
  std::string bytes;  // a forecast/advisory, an RSS feed holding one, or ATCF records
};

struct Series {
  std::vector<IssuedAdvisory> advisories;  // at least one
  // Each text left out as unreadable: "name:line: what is wrong", in input order.
  std::vector<std::string> skipped;
};

// Every text read (an RSS feed may hold several storms: `storm_id` picks one, empty takes the
// only one) and ordered by fix time; of advisories with the same fix time (a correction, a
// special) the later numbered one stands. An unreadable text is skipped and named, so one bad
// product costs the hindcast only its own starts; the error is when none can be read.
Result<Series> read_series(const std::vector<AdvisoryText>& texts, const std::string& storm_id);

}  // namespace hurricane::hindcast

// Reading a storm advisory: the one entry point of this area.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "advisory/result.h"

namespace hurricane::advisory {

// Largest input read, in bytes; an advisory is a few KiB, a season's best track some hundred.
inline constexpr std::size_t kMaxInputBytes = std::size_t{4} << 20;

struct ReadOptions {
  // ATCF id of the storm wanted (e.g. "AL132023", letters in either case); empty takes the only
  // storm of the input. Needed when a feed or track file holds several.
  std::string storm_id;
};

// Reads `bytes` as whichever form they hold, judged from the content: an NHC RSS feed (starts
// with '<'), ATCF a-deck or b-deck records (first line "AL, 13, 2023091218, ..."), or a
// forecast/advisory as plain text, with or without the transmission lines before its title, or
// a JTWC tropical cyclone warning (`WTPN32 PGTW 310900`).
// Any bytes give a storm or an error; a storm is only given when every field read parses.
Result<Storm> read_advisory(std::string_view bytes, const ReadOptions& options = {});

// The distinct storm ids of the forecast/advisories that a feed or text holds, in input order;
// empty for ATCF records and for bytes that hold no forecast/advisory.
std::vector<std::string> tcm_storm_ids(std::string_view bytes);

}  // namespace hurricane::advisory

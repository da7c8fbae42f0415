// The heading lines of a forecast/advisory (TCM): title, issuing centre with storm id, issue time.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "advisory/utc_time.h"

namespace hurricane::advisory {

// What marks a TCM's title line.
inline constexpr std::string_view kTcmTitleMark = "FORECAST/ADVISORY NUMBER";

struct TcmTitle {
  std::string kind;  // e.g. "HURRICANE", "POST-TROPICAL CYCLONE"
  std::string name;  // the last word before the product name, e.g. "LEE"
  bool special = false;
  int number = 0;
  bool corrected = false;
};

// "HURRICANE LEE [SPECIAL] FORECAST/ADVISORY NUMBER  30[...CORRECTED]" (trimmed); nothing unless
// a kind, a name and a number of up to 3 digits are there.
std::optional<TcmTitle> read_tcm_title(std::string_view line);

struct TcmCentreLine {
  std::string centre_name;  // e.g. "NWS NATIONAL HURRICANE CENTER MIAMI FL"
  std::string id;           // e.g. "AL132023"
};

// "NWS NATIONAL HURRICANE CENTER MIAMI FL       AL132023": the last word an ATCF id (two
// letters, two digits of number, four of year).
std::optional<TcmCentreLine> read_tcm_centre_line(std::string_view line);

// Whether `word` is an ATCF id such as AL132023 (upper-case letters).
bool is_storm_id(std::string_view word);

// Whether the line has the shape of an issue time, "hhmm UTC ..." (or "hhmmZ ..."), and so
// must read as one.
bool looks_like_issue_time(std::string_view line);

// "2100 UTC TUE SEP 12 2023" (older products: "0300Z THU SEP 11 2003"): hours and minutes,
// UTC, weekday, month, day, year; a real date.
std::optional<UtcTime> read_issue_time(std::string_view line);

}  // namespace hurricane::advisory

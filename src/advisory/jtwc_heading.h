// The heading of a JTWC tropical cyclone warning: the WMO line, the subject, and the date the
// remarks give (the only place a warning states its month and year).
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "advisory/scan.h"
#include "advisory/utc_time.h"

namespace hurricane::advisory {

// "WTPN32 PGTW 310900": product (WT: warning, WD: prognostic reasoning), area (PN, IO, XS, PS),
// part number, station, and the issue day and time.
struct JtwcWmoLine {
  std::string product;  // "WT" or "WD"
  std::string area;     // two letters
  std::string station;  // "PGTW"
  DayTime issued;
};

// The WMO line read in full (any two upper-case letters of area, any four of station); nothing
// when the line does not have that shape.
std::optional<JtwcWmoLine> read_jtwc_wmo_line(std::string_view line);

// Whether `area` is one the warnings are read for: PN, IO, XS or PS.
bool is_warning_area(std::string_view area);

// "SUBJ/TYPHOON 06W (KHANUN) WARNING NR 017//": stage words, storm number with basin letter,
// name in brackets (may be absent), warning number.
struct JtwcSubject {
  std::string kind;       // "TYPHOON", "TROPICAL CYCLONE", ...
  int storm_number = 0;   // 1..99
  char basin_letter = 0;  // W, E, C, A, B, S or P
  std::string name;       // empty when the subject gives none
  int warning_number = 0;
};

// The subject line (trimmed, "SUBJ/" included); nothing unless every part is there and the
// basin letter is one of those above.
std::optional<JtwcSubject> read_jtwc_subject(std::string_view line);

// The ATCF basin of a JTWC basin letter: WP, EP, CP, IO (Arabian Sea, Bay of Bengal) or SH.
std::string_view atcf_basin(char basin_letter);

// The ATCF id of a storm, e.g. "WP062023". Southern-hemisphere seasons run from July to June
// and take the year they end in, so an SH storm from July on belongs to the next year's season.
std::string jtwc_storm_id(const JtwcSubject& subject, const UtcTime& fix_time);

// "31JUL23." as a word of its own anywhere in a line (the first such): day, month and two-digit
// year (of 2000..2099); a real date at 00:00. Nothing for a line without one.
std::optional<UtcTime> read_date_group(std::string_view line);

}  // namespace hurricane::advisory

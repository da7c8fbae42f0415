#include "advisory/jtwc_heading.h"
#include "advisory/characters.h"

#include <array>
#include <cstdio>

#include "advisory/text_lines.h"

namespace hurricane::advisory {
namespace {

bool all_of(std::string_view text, bool (*test)(char)) {
  for (const char c : text) {
    if (!test(c)) return false;
  }
  return !text.empty();
}
int two_digits(std::string_view text) {
  return (text[0] - '0') * 10 + (text[1] - '0');
}

}  // namespace

std::optional<JtwcWmoLine> read_jtwc_wmo_line(std::string_view line) {
  line = trim(line);
  // "WTPN32 PGTW 310900": 6 + 1 + 4 + 1 + 6 characters, single blanks.
  if (line.size() != 18 || line[6] != ' ' || line[11] != ' ') return std::nullopt;
  const std::string_view heading = line.substr(0, 4);
  const std::string_view part = line.substr(4, 2);
  const std::string_view station = line.substr(7, 4);
  const std::string_view time = line.substr(12, 6);
  if (heading[0] != 'W' || !all_of(heading, is_upper) || !all_of(part, is_digit) ||
      !all_of(station, is_upper) || !all_of(time, is_digit)) {
    return std::nullopt;
  }
  const DayTime issued{two_digits(time), two_digits(time.substr(2)), two_digits(time.substr(4))};
  if (issued.day < 1 || issued.day > 31 || issued.hour > 23 || issued.minute > 59) {
    return std::nullopt;
  }
  return JtwcWmoLine{std::string(heading.substr(0, 2)), std::string(heading.substr(2)),
                     std::string(station), issued};
}

bool is_warning_area(std::string_view area) {
  return area == "PN" || area == "IO" || area == "XS" || area == "PS";
}

std::optional<JtwcSubject> read_jtwc_subject(std::string_view line) {
  line = trim(line);
  if (!line.starts_with("SUBJ/")) return std::nullopt;
  line.remove_prefix(5);
  const std::size_t mark = line.find(" WARNING NR ");
  if (mark == std::string_view::npos) return std::nullopt;
  std::string_view before = trim(line.substr(0, mark));
  JtwcSubject subject;
  if (before.ends_with(')')) {
    const std::size_t open = before.rfind('(');
    if (open == std::string_view::npos) return std::nullopt;
    subject.name = std::string(trim(before.substr(open + 1, before.size() - open - 2)));
    before = trim(before.substr(0, open));
  }
  // The last word is the storm's number and basin letter, "06W".
  const std::size_t space = before.find_last_of(' ');
  if (space == std::string_view::npos) return std::nullopt;
  const std::string_view number = before.substr(space + 1);
  if (number.size() != 3 || !is_digit(number[0]) || !is_digit(number[1]) ||
      atcf_basin(number[2]).empty()) {
    return std::nullopt;
  }
  subject.storm_number = two_digits(number);
  subject.basin_letter = number[2];
  subject.kind = std::string(trim(before.substr(0, space)));
  if (subject.kind.empty() || subject.storm_number == 0) return std::nullopt;

  Cursor after{line.substr(mark + 12)};
  const std::optional<int> warning = take_int(after, 3);
  if (!warning || *warning == 0) return std::nullopt;
  subject.warning_number = *warning;
  if (after.rest.find("//") == std::string_view::npos) return std::nullopt;
  return subject;
}

std::string_view atcf_basin(char basin_letter) {
  switch (basin_letter) {
    case 'W':
      return "WP";
    case 'E':
      return "EP";
    case 'C':
      return "CP";
    case 'A':
    case 'B':
      return "IO";
    case 'S':
    case 'P':
      return "SH";
    default:
      return {};
  }
}

std::string jtwc_storm_id(const JtwcSubject& subject, const UtcTime& fix_time) {
  const std::string_view basin = atcf_basin(subject.basin_letter);
  const navigation::CivilTime fix = navigation::civil_fields(fix_time);
  const int season = fix.year + (basin == "SH" && fix.month >= 7 ? 1 : 0);
  char text[16];
  std::snprintf(text, sizeof text, "%02d%04d", subject.storm_number % 100, season % 10000);
  return std::string(basin) + text;
}

std::optional<UtcTime> read_date_group(std::string_view line) {
  // JTWC puts it at the start of a remarks line or after the position sentence on the same one.
  for (std::size_t at = 0; at + 7 <= line.size(); ++at) {
    if (at > 0 && line[at - 1] != ' ') continue;
    const std::string_view group = line.substr(at, 7);
    if (!is_digit(group[0]) || !is_digit(group[1]) || !is_digit(group[5]) || !is_digit(group[6])) {
      continue;
    }
    if (at + 7 < line.size() && line[at + 7] != '.' && line[at + 7] != ' ') continue;
    const int month = month_number(group.substr(2, 3));
    const std::optional<UtcTime> date = month == 0 ? std::nullopt
                                                   : stated_time(2000 + two_digits(group.substr(5)),
                                                                 month, two_digits(group), 0, 0);
    if (date) return date;
  }
  return std::nullopt;
}

}  // namespace hurricane::advisory

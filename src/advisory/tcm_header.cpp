#include "advisory/tcm_header.h"
#include "advisory/characters.h"

#include <array>

#include "advisory/scan.h"
#include "advisory/text_lines.h"

namespace hurricane::advisory {
namespace {

bool is_weekday(std::string_view word) {
  static constexpr std::array<std::string_view, 7> kDays = {"MON", "TUE", "WED", "THU",
                                                            "FRI", "SAT", "SUN"};
  for (const std::string_view day : kDays) {
    if (word == day) return true;
  }
  return false;
}

// The next word of up to three letters.
std::string_view take_short_word(Cursor& cursor) {
  Cursor at = cursor;
  while (at.rest.starts_with(' ')) at.rest.remove_prefix(1);
  std::size_t length = 0;
  while (length < at.rest.size() && is_upper(at.rest[length])) ++length;
  if (length == 0 || length > 3) return {};
  const std::string_view word = at.rest.substr(0, length);
  at.rest.remove_prefix(length);
  cursor = at;
  return word;
}

}  // namespace

std::optional<TcmTitle> read_tcm_title(std::string_view line) {
  const std::size_t mark = line.find(kTcmTitleMark);
  if (mark == std::string_view::npos) return std::nullopt;
  TcmTitle title;
  std::string_view before = trim(line.substr(0, mark));
  if (before.ends_with("SPECIAL")) {
    title.special = true;
    before = trim(before.substr(0, before.size() - 7));
  }
  const std::size_t space = before.find_last_of(' ');
  if (space == std::string_view::npos) return std::nullopt;  // a kind and a name are needed
  title.kind = std::string(trim(before.substr(0, space)));
  title.name = std::string(before.substr(space + 1));

  Cursor after{line.substr(mark + kTcmTitleMark.size())};
  const std::optional<int> number = take_int(after, 3);
  if (!number) return std::nullopt;
  title.number = *number;
  title.corrected = after.rest.find("CORRECTED") != std::string_view::npos;
  return title;
}

bool is_storm_id(std::string_view word) {
  if (word.size() != 8 || !is_upper(word[0]) || !is_upper(word[1])) return false;
  for (std::size_t i = 2; i < 8; ++i) {
    if (!is_digit(word[i])) return false;
  }
  return true;
}

std::optional<TcmCentreLine> read_tcm_centre_line(std::string_view line) {
  line = trim(line);
  const std::size_t space = line.find_last_of(' ');
  if (space == std::string_view::npos) return std::nullopt;
  const std::string_view id = line.substr(space + 1);
  if (!is_storm_id(id)) return std::nullopt;
  return TcmCentreLine{std::string(trim(line.substr(0, space))), std::string(id)};
}

namespace {

// " UTC" after the hours and minutes, or "Z" right after them as older products write it.
bool take_utc_mark(Cursor& cursor) {
  if (cursor.rest.starts_with("Z ")) {
    cursor.rest.remove_prefix(1);
    return true;
  }
  return take_word(cursor, "UTC");
}

}  // namespace

bool looks_like_issue_time(std::string_view line) {
  Cursor cursor{line};
  return take_int(cursor, 4) && take_utc_mark(cursor);
}

std::optional<UtcTime> read_issue_time(std::string_view line) {
  Cursor cursor{line};
  const std::optional<int> hhmm = take_int(cursor, 4);
  if (!hhmm || !take_utc_mark(cursor)) return std::nullopt;
  if (!is_weekday(take_short_word(cursor))) return std::nullopt;
  const int month = month_number(take_short_word(cursor));
  const std::optional<int> day = take_int(cursor, 2);
  const std::optional<int> year = take_int(cursor, 4);
  if (month == 0 || !day || !year || !at_end(cursor)) return std::nullopt;
  return stated_time(*year, month, *day, *hhmm / 100, *hhmm % 100);
}

}  // namespace hurricane::advisory

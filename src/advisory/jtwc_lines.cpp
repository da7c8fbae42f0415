#include "advisory/jtwc_lines.h"
#include "advisory/characters.h"
#include "advisory/result.h"

#include <array>

namespace hurricane::advisory {
namespace {

constexpr const char* kWarningPositionForm =
    "expected a position line such as `310600Z --- NEAR 22.8N 131.6E` (latitude to 90, "
    "longitude to 180, one decimal)";

// The quadrants a compass word names with QUADRANT or SEMICIRCLE; nothing for another word.
std::optional<std::array<bool, 4>> quadrants_of(std::string_view word, bool semicircle) {
  //                                   NE     SE     SW     NW
  if (!semicircle) {
    if (word == "NORTHEAST") return std::array<bool, 4>{true, false, false, false};
    if (word == "SOUTHEAST") return std::array<bool, 4>{false, true, false, false};
    if (word == "SOUTHWEST") return std::array<bool, 4>{false, false, true, false};
    if (word == "NORTHWEST") return std::array<bool, 4>{false, false, false, true};
    return std::nullopt;
  }
  if (word == "NORTH") return std::array<bool, 4>{true, false, false, true};
  if (word == "EAST") return std::array<bool, 4>{true, true, false, false};
  if (word == "SOUTH") return std::array<bool, 4>{false, true, true, false};
  if (word == "WEST") return std::array<bool, 4>{false, false, true, true};
  return std::nullopt;
}

// The next blank-delimited word.
std::string_view take_any_word(Cursor& cursor) {
  while (cursor.rest.starts_with(' ') || cursor.rest.starts_with('\t'))
    cursor.rest.remove_prefix(1);
  std::size_t length = 0;
  while (length < cursor.rest.size() && cursor.rest[length] != ' ' && cursor.rest[length] != '\t') {
    ++length;
  }
  const std::string_view word = cursor.rest.substr(0, length);
  cursor.rest.remove_prefix(length);
  return word;
}

constexpr const char* kRadiusForm =
    "expected a radius such as `070 NM NORTHEAST QUADRANT`, `120 NM NORTH SEMICIRCLE` or "
    "`050 NM ELSEWHERE`";

Result<RadiusEntry> read_entry(Cursor cursor) {
  const std::optional<int> nm = take_int(cursor, 4);
  if (!nm || !take_word(cursor, "NM")) return line_error(kRadiusForm);
  RadiusEntry entry;
  entry.nm = *nm;
  const std::string_view word = take_any_word(cursor);
  if (word == "ELSEWHERE") {
    entry.elsewhere = true;
  } else {
    const std::string_view shape = take_any_word(cursor);
    const bool semicircle = shape == "SEMICIRCLE";
    std::optional<std::array<bool, 4>> quadrants;
    if (semicircle || shape == "QUADRANT") quadrants = quadrants_of(word, semicircle);
    if (!quadrants) return line_error(kRadiusForm);
    entry.quadrants = *quadrants;
  }
  if (!at_end(cursor)) return line_error(kRadiusForm);
  return entry;
}

}  // namespace

std::optional<DayTime> take_dtg(Cursor& cursor) {
  Cursor at = cursor;
  while (at.rest.starts_with(' ')) at.rest.remove_prefix(1);
  if (at.rest.size() < 7 || at.rest[6] != 'Z') return std::nullopt;
  for (std::size_t i = 0; i < 6; ++i) {
    if (!is_digit(at.rest[i])) return std::nullopt;
  }
  const auto pair = [&](std::size_t i) { return (at.rest[i] - '0') * 10 + (at.rest[i + 1] - '0'); };
  const DayTime time{pair(0), pair(2), pair(4)};
  if (time.day < 1 || time.day > 31 || time.hour > 23 || time.minute > 59) return std::nullopt;
  at.rest.remove_prefix(7);
  cursor = at;
  return time;
}

bool starts_with_dtg(std::string_view text) {
  return text.size() >= 7 && text[6] == 'Z' && is_digit(text[0]) && is_digit(text[5]);
}

Result<PositionLine> read_position_line(std::string_view text) {
  Cursor cursor{text};
  const std::optional<DayTime> at = take_dtg(cursor);
  if (at && !cursor.rest.empty() && is_digit(cursor.rest.front())) {
    return line_error(
        "this is the old form with check digits (`280600Z6 --- 06.0N6 166.0E3`), which is "
        "not read: expected `310600Z --- NEAR 22.8N 131.6E`");
  }
  if (!at || !take_word(cursor, "---")) return line_error(kWarningPositionForm);
  take_word(cursor, "NEAR");
  const std::optional<LatLon> centre = take_position(cursor);
  if (centre && !cursor.rest.empty() && is_digit(cursor.rest.front())) {
    return line_error(
        "this is the old form with check digits (`06.0N6 166.0E3`), which is not read");
  }
  if (!centre || !at_end(cursor)) return line_error(kWarningPositionForm);
  return PositionLine{*at, *centre};
}

Result<Motion> read_movement_line(std::string_view text) {
  Cursor cursor{text};
  std::optional<int> track;
  if (take_word(cursor, "MOVEMENT PAST SIX HOURS") && take_word(cursor, "-")) {
    track = take_int(cursor, 3);
  }
  std::optional<int> speed;
  if (track && *track <= 360 && take_word(cursor, "DEGREES") && take_word(cursor, "AT")) {
    speed = take_int(cursor, 3);
  }
  if (!speed || !take_word(cursor, "KTS") || !at_end(cursor)) {
    return line_error(
        "expected `MOVEMENT PAST SIX HOURS - ddd DEGREES AT nn KTS` (degrees to 360)");
  }
  if (*speed == 0) return Motion{Motion::Kind::kStationary, {}};
  return Motion{Motion::Kind::kMoving, {*track == 360 ? 0.0 : *track, static_cast<double>(*speed)}};
}

Result<int> read_accuracy_line(std::string_view text) {
  Cursor cursor{text};
  std::optional<int> nm;
  if (take_word(cursor, "POSITION ACCURATE TO WITHIN")) nm = take_int(cursor, 4);
  if (!nm || !take_word(cursor, "NM") || !at_end(cursor)) {
    return line_error("expected `POSITION ACCURATE TO WITHIN nnn NM`");
  }
  return *nm;
}

Result<WindLine> read_wind_line(std::string_view text) {
  Cursor cursor{text};
  std::optional<int> wind;
  if (take_word(cursor, "MAX SUSTAINED WINDS") && take_word(cursor, "-"))
    wind = take_int(cursor, 3);
  std::optional<int> gusts;
  if (wind && take_word(cursor, "KT") && take_word(cursor, ",") && take_word(cursor, "GUSTS")) {
    gusts = take_int(cursor, 3);
  }
  if (!gusts || !take_word(cursor, "KT") || !at_end(cursor)) {
    return line_error("expected `MAX SUSTAINED WINDS - nnn KT, GUSTS nnn KT`");
  }
  return WindLine{*wind, *gusts};
}

Result<RadiusEntry> read_radius_entry(std::string_view text) {
  return read_entry(Cursor{text});
}

Result<RadiusHead> read_radius_head(std::string_view text) {
  Cursor cursor{text};
  std::optional<int> threshold;
  if (take_word(cursor, "RADIUS OF")) threshold = take_int(cursor, 3);
  if (!threshold || !take_word(cursor, "KT WINDS") || !take_word(cursor, "-")) {
    return line_error("expected `RADIUS OF 034 KT WINDS - 070 NM NORTHEAST QUADRANT`");
  }
  if (*threshold != 34 && *threshold != 50 && *threshold != 64) {
    return line_error("expected a wind threshold of 034, 050 or 064 KT");
  }
  Result<RadiusEntry> first = read_entry(cursor);
  if (!first.ok()) return first.error();
  return RadiusHead{*threshold, first.value()};
}

Result<int> read_valid_at_line(std::string_view text) {
  Cursor cursor{text};
  const std::optional<int> hours = take_int(cursor, 3);
  if (!hours || *hours == 0 || !take_word(cursor, "HRS, VALID AT:") || !at_end(cursor)) {
    return line_error("expected `nn HRS, VALID AT:` with the forecast hour");
  }
  return *hours;
}

Result<VectorLine> read_vector_line(std::string_view text) {
  Cursor cursor{text};
  std::optional<int> hour;
  std::optional<int> track;
  std::optional<int> speed;
  if (take_word(cursor, "VECTOR TO")) hour = take_int(cursor, 3);
  if (hour && take_word(cursor, "HR POSIT:")) track = take_int(cursor, 3);
  if (track && *track <= 360 && take_word(cursor, "DEG/")) speed = take_int(cursor, 3);
  if (!speed || !take_word(cursor, "KTS") || !at_end(cursor)) {
    return line_error("expected `VECTOR TO nn HR POSIT: ddd DEG/ nn KTS` (degrees to 360)");
  }
  return VectorLine{*hour, *track == 360 ? 0 : *track, *speed};
}

bool is_stage_line(std::string_view text) {
  return text.starts_with("BECOMING ") || text.starts_with("EXTRATROPICAL") ||
         text.starts_with("DISSIPATING") || text.starts_with("DISSIPATED");
}

}  // namespace hurricane::advisory

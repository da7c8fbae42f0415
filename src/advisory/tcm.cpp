#include "advisory/tcm.h"

#include <algorithm>
#include <optional>
#include <string_view>

#include "advisory/scan.h"
#include "advisory/tcm_header.h"

namespace hurricane::advisory {
namespace {

// What a line reader gives: nothing when the line read in full, else what was expected (an
// error whose line the caller sets).
using LineError = std::optional<Error>;

constexpr const char* kPositionForm =
    "a position such as `24.7N 66.4W` (latitude to 90, longitude "
    "to 180, one decimal)";

bool starts_with_digit(std::string_view text) {
  return !text.empty() && text.front() >= '0' && text.front() <= '9';
}

// "AT dd/hhmmZ" resolved against the issue time.
LineError resolve(const DayTime& at, const UtcTime& issued, UtcTime& time) {
  const std::optional<UtcTime> resolved = resolve_day_time(issued, at.day, at.hour, at.minute);
  if (!resolved) {
    return line_error("the time " + std::to_string(at.day) + "/" +
                      std::to_string(at.hour * 100 + at.minute) +
                      "Z falls within 10 days of no date near the issue time " +
                      navigation::format_utc_time(issued));
  }
  time = *resolved;
  return std::nullopt;
}

// "64 KT.......110NE 100SE  60SW  70NW."
LineError read_radii_line(std::string_view text, WindRadii& radii) {
  Cursor cursor{text};
  const std::optional<int> threshold = take_int(cursor, 2);
  std::optional<QuadrantRadii> read;
  if (threshold && take_word(cursor, "KT") && take_dots(cursor)) {
    read = take_quadrant_radii(cursor);
  }
  if (!read || !at_end(cursor)) {
    return line_error("expected wind radii such as `34 KT...210NE 200SE 150SW 170NW.`");
  }
  std::optional<QuadrantRadii>* slot = nullptr;
  if (*threshold == 34) slot = &radii.kt34;
  if (*threshold == 50) slot = &radii.kt50;
  if (*threshold == 64) slot = &radii.kt64;
  if (slot == nullptr) return line_error("expected a wind threshold of 34, 50 or 64 KT");
  if (slot->has_value())
    return line_error("a second line of " + std::to_string(*threshold) + "-kt radii");
  *slot = read;
  return std::nullopt;
}

// "12 FT SEAS..390NE 300SE 360SW 390NW." or "4 M SEAS....".
LineError read_seas_line(std::string_view text, std::optional<SeasRadii>& seas) {
  Cursor cursor{text};
  const std::optional<int> height = take_int(cursor, 2);
  const bool feet = take_word(cursor, "FT SEAS");
  const bool metres = !feet && take_word(cursor, "M SEAS");
  std::optional<QuadrantRadii> radii;
  if (height && (feet || metres) && take_dots(cursor)) radii = take_quadrant_radii(cursor);
  if (!radii || !at_end(cursor)) {
    return line_error("expected seas radii such as `12 FT SEAS..390NE 300SE 360SW 390NW.`");
  }
  if (seas) return line_error("a second line of seas radii");
  seas = SeasRadii{*height, feet ? SeasRadii::Unit::kFeet : SeasRadii::Unit::kMetres, *radii};
  return std::nullopt;
}

// "... CENTER LOCATED NEAR 24.7N  66.4W AT 12/2100Z"
LineError read_centre(std::string_view text, const UtcTime& issued, Fix& fix) {
  const std::size_t near = text.find("NEAR", text.find("CENTER LOCATED"));
  if (near == std::string_view::npos)
    return line_error("expected `CENTER LOCATED NEAR` and the position");
  Cursor cursor{text.substr(near + 4)};
  const std::optional<LatLon> centre = take_position(cursor);
  if (!centre) return line_error(std::string("expected ") + kPositionForm + " after NEAR");
  std::optional<DayTime> at;
  if (take_word(cursor, "AT")) at = take_day_time(cursor);
  if (!at) return line_error("expected `AT dd/hhmmZ` after the centre position");
  fix.centre = *centre;
  return resolve(*at, issued, fix.time);
}

// "AT 12/1800Z CENTER WAS LOCATED NEAR 24.5N  66.2W"
LineError read_previous(std::string_view text, const UtcTime& issued,
                        std::optional<Fix>& previous) {
  Cursor cursor{text};
  std::optional<DayTime> at;
  if (take_word(cursor, "AT")) at = take_day_time(cursor);
  if (!at || !take_word(cursor, "CENTER WAS LOCATED NEAR")) {
    return line_error("expected `AT dd/hhmmZ CENTER WAS LOCATED NEAR` and a position");
  }
  const std::optional<LatLon> centre = take_position(cursor);
  if (!centre) return line_error(std::string("expected ") + kPositionForm + " after NEAR");
  Fix fix{*centre, {}};
  if (LineError error = resolve(*at, issued, fix.time)) return error;
  previous = fix;
  return std::nullopt;
}

// "PRESENT MOVEMENT TOWARD THE NORTHWEST OR 315 DEGREES AT   6 KT" or "...STATIONARY".
LineError read_motion(std::string_view text, Motion& motion) {
  if (text.find("STATIONARY") != std::string_view::npos) {
    motion = {Motion::Kind::kStationary, {}};
    return std::nullopt;
  }
  const std::size_t last_or = text.rfind(" OR ");
  Cursor cursor{last_or == std::string_view::npos ? std::string_view{} : text.substr(last_or + 4)};
  const std::optional<int> track = take_int(cursor, 3);
  std::optional<int> speed;
  if (track && *track <= 360 && take_word(cursor, "DEGREES") && take_word(cursor, "AT")) {
    speed = take_int(cursor, 3);
  }
  if (!speed || !take_word(cursor, "KT")) {
    return line_error(
        "expected `PRESENT MOVEMENT ... OR ddd DEGREES AT nn KT` (degrees to 360) or "
        "`PRESENT MOVEMENT...STATIONARY`");
  }
  if (*speed == 0) {
    motion = {Motion::Kind::kStationary, {}};
  } else {
    motion = {Motion::Kind::kMoving, {*track == 360 ? 0.0 : *track, static_cast<double>(*speed)}};
  }
  return std::nullopt;
}

// "MAX SUSTAINED WINDS 100 KT WITH GUSTS TO 120 KT."
LineError read_max_winds(std::string_view text, int& wind, std::optional<int>& gusts) {
  Cursor cursor{text};
  std::optional<int> read;
  if (take_word(cursor, "MAX SUSTAINED WINDS")) read = take_int(cursor, 3);
  if (!read || !take_word(cursor, "KT")) return line_error("expected `MAX SUSTAINED WINDS nnn KT`");
  wind = *read;
  if (take_word(cursor, "WITH GUSTS TO")) {
    gusts = take_int(cursor, 3);
    if (!gusts || !take_word(cursor, "KT")) return line_error("expected `WITH GUSTS TO nnn KT`");
  }
  return std::nullopt;
}

// "MAX WIND 100 KT...GUSTS 120 KT."
LineError read_forecast_wind(std::string_view text, ForecastPoint& point) {
  Cursor cursor{text};
  if (take_word(cursor, "MAX WIND")) point.max_wind_kt = take_int(cursor, 3);
  if (!point.max_wind_kt || !take_word(cursor, "KT"))
    return line_error("expected `MAX WIND nnn KT`");
  take_dots(cursor);
  if (take_word(cursor, "GUSTS")) {
    point.gusts_kt = take_int(cursor, 3);
    if (!point.gusts_kt || !take_word(cursor, "KT")) return line_error("expected `GUSTS nnn KT`");
  }
  return std::nullopt;
}

// "FORECAST VALID 13/0600Z 25.4N  67.0W[...STAGE]" or "OUTLOOK VALID 17/1800Z...DISSIPATED".
LineError read_forecast_point(std::string_view text, const UtcTime& issued,
                              std::vector<ForecastPoint>& forecast) {
  ForecastPoint point;
  point.outlook = text.starts_with("OUTLOOK");
  Cursor cursor{text.substr(text.find("VALID") + 5)};
  const std::optional<DayTime> at = take_day_time(cursor);
  if (!at) return line_error("expected `VALID dd/hhmmZ`");
  if (LineError error = resolve(*at, issued, point.time)) return error;
  point.centre = take_position(cursor);
  const bool dots = take_dots(cursor);
  if (!point.centre && !dots) {
    return line_error(std::string("expected ") + kPositionForm +
                      " or `...DISSIPATED` after the time");
  }
  if (!dots && !at_end(cursor))
    return line_error("expected the end of the line or `...` after the position");
  point.stage = std::string(trim(cursor.rest));
  forecast.push_back(std::move(point));
  return std::nullopt;
}

// The accumulating reading of one TCM body.
struct Body {
  Storm& storm;
  bool has_centre = false;
  bool has_motion = false;
  bool has_wind = false;
  std::size_t centre_index = 0;
};

// One line of the body, trimmed.
LineError read_body_line(std::string_view text, std::size_t index, Body& body) {
  Storm& storm = body.storm;
  const UtcTime& issued = *storm.issued;
  if (starts_with_digit(text)) {
    Cursor cursor{text};
    if (!take_int(cursor, 2)) return std::nullopt;
    if (take_word(cursor, "KT")) {
      return read_radii_line(text,
                             storm.forecast.empty() ? storm.radii : storm.forecast.back().radii);
    }
    if (take_word(cursor, "FT SEAS") || take_word(cursor, "M SEAS")) {
      std::optional<SeasRadii> ignored;  // seas are only kept for the present position
      return read_seas_line(text, storm.forecast.empty() ? storm.seas : ignored);
    }
    return std::nullopt;
  }
  if (text.starts_with("REPEAT")) return std::nullopt;
  if (text.starts_with("NEXT ADVISORY AT")) {
    Cursor cursor{text.substr(16)};
    const std::optional<DayTime> at = take_day_time(cursor);
    if (!at) return line_error("expected `NEXT ADVISORY AT dd/hhmmZ`");
    UtcTime next{};
    if (LineError error = resolve(*at, issued, next)) return error;
    storm.next_advisory = next;
    return std::nullopt;
  }
  if (text.starts_with("FORECAST VALID") || text.starts_with("OUTLOOK VALID")) {
    return read_forecast_point(text, issued, storm.forecast);
  }
  if (text.starts_with("MAX WIND") && !storm.forecast.empty()) {
    return read_forecast_wind(text, storm.forecast.back());
  }
  if (!body.has_centre && !text.starts_with("AT ") &&
      text.find("CENTER LOCATED") != std::string_view::npos) {
    body.has_centre = true;
    body.centre_index = index;
    return read_centre(text, issued, storm.fix);
  }
  if (text.starts_with("AT ") && text.find("CENTER WAS LOCATED") != std::string_view::npos) {
    return read_previous(text, issued, storm.previous);
  }
  if (text.starts_with("POSITION ACCURATE WITHIN")) {
    Cursor cursor{text.substr(24)};
    storm.accuracy_nm = take_int(cursor, 4);
    if (!storm.accuracy_nm || !take_word(cursor, "NM")) {
      return line_error("expected `POSITION ACCURATE WITHIN nn NM`");
    }
    return std::nullopt;
  }
  if (text.starts_with("PRESENT MOVEMENT")) {
    body.has_motion = true;
    return read_motion(text, storm.motion);
  }
  if (text.starts_with("ESTIMATED MINIMUM CENTRAL PRESSURE")) {
    Cursor cursor{text.substr(34)};
    storm.pressure_mb = take_int(cursor, 4);
    if (!storm.pressure_mb || !take_word(cursor, "MB")) {
      return line_error("expected `ESTIMATED MINIMUM CENTRAL PRESSURE nnnn MB`");
    }
    return std::nullopt;
  }
  if (text.starts_with("MAX SUSTAINED WINDS")) {
    body.has_wind = true;
    return read_max_winds(text, storm.max_wind_kt, storm.gusts_kt);
  }
  return std::nullopt;
}

// The index of the first line after `index` that is not blank, or lines.size().
std::size_t next_filled(const std::vector<TextLine>& lines, std::size_t index) {
  ++index;
  while (index < lines.size() && trim(lines[index].text).empty()) ++index;
  return index;
}

// Title, issuing centre with id, an optional ISSUED BY line and the issue time. Gives the index
// of the issue time line.
Result<std::size_t> read_heading(const std::vector<TextLine>& lines, std::size_t title_index,
                                 Storm& storm) {
  const std::optional<TcmTitle> title = read_tcm_title(trim(lines[title_index].text));
  if (!title) {
    return error_at(lines[title_index],
                    "expected a title such as `HURRICANE LEE FORECAST/ADVISORY NUMBER 30`");
  }
  storm.kind = title->kind;
  storm.name = title->name;
  storm.special = title->special;
  storm.number = title->number;
  storm.corrected = title->corrected;

  std::size_t index = next_filled(lines, title_index);
  const std::optional<TcmCentreLine> centre =
      index < lines.size() ? read_tcm_centre_line(lines[index].text) : std::nullopt;
  if (!centre) {
    return error_at(lines[std::min(index, lines.size() - 1)],
                    "expected the issuing centre and the storm id after the title, such as "
                    "`NWS NATIONAL HURRICANE CENTER MIAMI FL  AL132023`");
  }
  storm.centre_name = centre->centre_name;
  storm.id = centre->id;

  index = next_filled(lines, index);
  if (index < lines.size() && trim(lines[index].text).starts_with("ISSUED BY ")) {
    storm.issued_by = std::string(trim(lines[index].text).substr(10));
    index = next_filled(lines, index);
  }
  if (index < lines.size()) storm.issued = read_issue_time(trim(lines[index].text));
  if (!storm.issued) {
    return error_at(lines[std::min(index, lines.size() - 1)],
                    "expected the issue time, such as `2100 UTC TUE SEP 12 2023` (a real date)");
  }
  return index;
}

// `$$` or the forecaster's name: the forecast/advisory is complete.
bool closes_tcm(std::string_view text) {
  return text.starts_with("$$") || text.starts_with("FORECASTER");
}

// The end of transmission or the next forecast/advisory.
bool ends_text(std::string_view text) {
  return text == "NNNN" || text.find(kTcmTitleMark) != text.npos;
}

// A forecast/advisory cut in transmission or copying would be judged as a shorter forecast (or
// as none): the index of its last filled line when no closing line comes before its end.
std::optional<std::size_t> cut_at(const std::vector<TextLine>& lines, std::size_t first) {
  std::size_t last = first - 1;
  for (std::size_t i = first; i < lines.size(); ++i) {
    const std::string_view text = trim(lines[i].text);
    if (closes_tcm(text)) return std::nullopt;
    if (ends_text(text)) break;
    if (!text.empty()) last = i;
  }
  return last;
}

}  // namespace

std::vector<TcmStart> find_tcms(const std::vector<TextLine>& lines) {
  std::vector<TcmStart> found;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (lines[i].text.find(kTcmTitleMark) == std::string::npos) continue;
    TcmStart start{i, {}};
    const std::size_t next = next_filled(lines, i);
    if (next < lines.size()) {
      if (const auto centre = read_tcm_centre_line(lines[next].text)) start.id = centre->id;
    }
    found.push_back(std::move(start));
  }
  return found;
}

Result<Storm> read_tcm(const std::vector<TextLine>& lines, std::size_t title_index,
                       SourceForm form) {
  Storm storm;
  storm.form = form;
  const auto heading = read_heading(lines, title_index, storm);
  if (!heading.ok()) return heading.error();

  const std::size_t first = heading.value() + 1;
  if (const std::optional<std::size_t> cut = cut_at(lines, first)) {
    return error_at(lines[*cut],
                    "the forecast/advisory stops here without its closing `$$` or `FORECASTER` "
                    "line: it looks cut; read the whole product");
  }
  Body body{storm};
  for (std::size_t i = first; i < lines.size(); ++i) {
    const std::string_view text = trim(lines[i].text);
    if (closes_tcm(text) || ends_text(text)) break;
    if (LineError error = read_body_line(text, i, body)) return error_at(lines[i], *error);
  }
  if (!body.has_centre) {
    return error_at(lines[title_index],
                    "this forecast/advisory has no line `... CENTER LOCATED NEAR 24.7N 66.4W AT "
                    "12/2100Z`");
  }
  const TextLine& centre_line = lines[body.centre_index];
  if (!body.has_motion) {
    return error_at(centre_line,
                    "expected a line `PRESENT MOVEMENT ... OR ddd DEGREES AT nn KT` (or "
                    "`...STATIONARY`) after the centre");
  }
  if (!body.has_wind) {
    return error_at(centre_line, "expected a line `MAX SUSTAINED WINDS nnn KT` after the centre");
  }
  return storm;
}

}  // namespace hurricane::advisory

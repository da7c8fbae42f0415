#include "advisory/jtwc.h"

#include <algorithm>
#include <cstdio>
#include <string>
#include <string_view>

#include "advisory/jtwc_heading.h"
#include "advisory/jtwc_lines.h"
#include "advisory/jtwc_product.h"
#include "advisory/jtwc_radii.h"
#include "advisory/jtwc_remarks.h"
#include "advisory/jtwc_vector.h"

namespace hurricane::advisory {
namespace {

// What a line reader gives: nothing when the line read in full, else what was expected (an
// error whose line the caller sets).
using LineError = std::optional<Error>;

enum class Section { kHead, kPosition, kForecast, kRemarks };

// A "VECTOR TO nn HR POSIT" and the point it starts from (0: the warning position, k: the
// k-th forecast point).
struct StatedVector {
  VectorLine vector;
  std::size_t from_point = 0;
  std::size_t index = 0;
};

// The accumulating reading of one warning.
struct Reading {
  Reading(const std::vector<TextLine>& all, Storm& read, const UtcTime& issue)
      : lines(all), storm(read), issued(issue) {}

  const std::vector<TextLine>& lines;
  Storm& storm;
  UtcTime issued;
  Section section = Section::kHead;
  bool outlook = false;
  JtwcSubject subject;
  bool has_subject = false;
  bool has_fix = false;
  bool has_motion = false;
  bool has_wind = false;
  std::size_t fix_index = 0;
  std::size_t subject_index = 0;
  std::optional<int> pending_hour;  // "nn HRS, VALID AT:" read, its position line awaited
  std::size_t pending_index = 0;
  std::vector<int> point_hours{0};  // the warning position's, then each forecast point's
  std::optional<RadiiGroup> group;
  std::vector<StatedVector> vectors;
  std::vector<TextLine> remarks;
};

// "090 NM ...": a line that continues a radii group (a forecast hour or a position does not).
bool continues_radii(std::string_view text) {
  Cursor cursor{text};
  return take_int(cursor, 4) && take_word(cursor, "NM ");
}

void warn(Reading& reading, std::size_t index, std::string message) {
  reading.storm.warnings.push_back({reading.lines[index].line, std::move(message)});
}

std::string hhz(const DayTime& at) {
  char text[16];
  std::snprintf(text, sizeof text, "%02d%02d%02dZ", at.day % 100, at.hour % 100, at.minute % 100);
  return text;
}

// Closes the open radii group: every quadrant needs its radius.
LineError close_group(Reading& reading) {
  if (!reading.group) return std::nullopt;
  const RadiiGroup group = *reading.group;
  reading.group.reset();
  if (!is_complete(group)) {
    return line_error("the " + std::to_string(group.threshold_kt) +
                      "-kt radii do not cover all four quadrants (NE, SE, SW, NW)");
  }
  *group.slot = group.radii;
  return std::nullopt;
}

LineError read_radius_head_line(std::string_view text, std::size_t index, Reading& reading) {
  Result<RadiusHead> head = read_radius_head(text);
  if (!head.ok()) return head.error();
  const RadiusHead& read = head.value();
  WindRadii& radii = reading.section == Section::kForecast ? reading.storm.forecast.back().radii
                                                           : reading.storm.radii;
  std::optional<QuadrantRadii>* slot = read.threshold_kt == 34   ? &radii.kt34
                                       : read.threshold_kt == 50 ? &radii.kt50
                                                                 : &radii.kt64;
  if (slot->has_value())
    return line_error("a second group of " + std::to_string(read.threshold_kt) + "-kt radii");
  reading.group = RadiiGroup{read.threshold_kt, {}, {}, index, slot};
  return add_radius(*reading.group, read.first);
}

// The warning position, or a forecast point's position after its "nn HRS, VALID AT:".
LineError read_position(std::string_view text, std::size_t index, Reading& reading) {
  Result<PositionLine> read = read_position_line(text);
  if (!read.ok()) return read.error();
  const PositionLine& position = read.value();
  Storm& storm = reading.storm;
  if (!reading.pending_hour) {
    if (reading.section != Section::kPosition || reading.has_fix) {
      return line_error(
          "a position line outside `WARNING POSITION:` and without `nn HRS, VALID AT:` "
          "before it");
    }
    const auto time =
        resolve_day_time(reading.issued, position.at.day, position.at.hour, position.at.minute);
    if (!time)
      return line_error("the time " + hhz(position.at) +
                        " lies within 10 days of no date near the issue time");
    storm.fix = {position.centre, *time};
    reading.has_fix = true;
    reading.fix_index = index;
    return std::nullopt;
  }
  if (!reading.has_fix) return line_error("a forecast position before the warning position");
  const UtcTime& before = storm.forecast.empty() ? storm.fix.time : storm.forecast.back().time;
  const auto time = resolve_day_time(before, position.at.day, position.at.hour, position.at.minute);
  if (!time || *time <= before) {
    return line_error("the time " + hhz(position.at) + " does not come after the point before it");
  }
  const int hour = *reading.pending_hour;
  if (*time - storm.fix.time != std::chrono::hours{hour}) {
    warn(reading, index,
         hhz(position.at) + " is not " + std::to_string(hour) +
             " h after the warning position's time; the stated time is used");
  }
  ForecastPoint point;
  point.time = *time;
  point.outlook = reading.outlook;
  point.centre = position.centre;
  storm.forecast.push_back(std::move(point));
  reading.point_hours.push_back(hour);
  reading.pending_hour.reset();
  return std::nullopt;
}

// "SUBJ/TYPHOON 06W (KHANUN) WARNING NR 017//".
LineError read_subject(std::string_view text, std::size_t index, Reading& reading) {
  if (reading.has_subject) return std::nullopt;  // a later part repeats it
  const std::optional<JtwcSubject> subject = read_jtwc_subject(text);
  if (!subject) {
    return line_error(
        "expected a subject such as `SUBJ/TYPHOON 06W (KHANUN) WARNING NR 017//` (storm "
        "number with basin letter W, E, C, A, B, S or P)");
  }
  Storm& storm = reading.storm;
  storm.kind = subject->kind;
  storm.name = subject->name;
  storm.number = subject->warning_number;
  reading.subject = *subject;
  reading.has_subject = true;
  reading.subject_index = index;
  return std::nullopt;
}

// MSGID and the lines that open a section; whether `text` was one of them.
bool read_marker(std::string_view text, Reading& reading) {
  if (text.starts_with("MSGID/")) {
    if (reading.storm.centre_name.empty()) {
      std::string_view name = text.substr(6);
      if (name.starts_with("GENADMIN/")) name.remove_prefix(9);
      if (name.ends_with("//")) name.remove_suffix(2);
      reading.storm.centre_name = std::string(trim(name));
    }
    return true;
  }
  if (text == "WARNING POSITION:") {
    reading.section = Section::kPosition;
  } else if (text == "FORECASTS:") {
    reading.section = Section::kForecast;
  } else if (text == "EXTENDED OUTLOOK:" || text == "LONG RANGE OUTLOOK:") {
    reading.outlook = true;
  } else if (text.starts_with("REMARKS:")) {
    reading.section = Section::kRemarks;
  } else {
    return false;
  }
  return true;
}

// "MAX SUSTAINED WINDS BASED ON ONE-MINUTE AVERAGE": the only averaging read.
LineError read_wind_basis(std::string_view text) {
  if (text.find("ONE-MINUTE AVERAGE") == std::string_view::npos) {
    return line_error("expected `MAX SUSTAINED WINDS BASED ON ONE-MINUTE AVERAGE`");
  }
  return std::nullopt;
}

// "12 HRS, VALID AT:": the hour whose position line comes next.
LineError read_forecast_hour(std::string_view text, std::size_t index, Reading& reading) {
  if (reading.section != Section::kForecast)
    return line_error("a forecast hour before `FORECASTS:`");
  const Result<int> hour = read_valid_at_line(text);
  if (!hour.ok()) return hour.error();
  reading.pending_hour = hour.value();
  reading.pending_index = index;
  return std::nullopt;
}

LineError read_movement(std::string_view text, Reading& reading) {
  const Result<Motion> motion = read_movement_line(text);
  if (!motion.ok()) return motion.error();
  reading.storm.motion = motion.value();
  reading.has_motion = true;
  return std::nullopt;
}

LineError read_accuracy(std::string_view text, Reading& reading) {
  const Result<int> accuracy = read_accuracy_line(text);
  if (!accuracy.ok()) return accuracy.error();
  reading.storm.accuracy_nm = accuracy.value();
  return std::nullopt;
}

// The winds of the warning position, or of the forecast point being read (`in_point`).
LineError read_winds(std::string_view text, bool in_point, Reading& reading) {
  const Result<WindLine> wind = read_wind_line(text);
  if (!wind.ok()) return wind.error();
  Storm& storm = reading.storm;
  if (in_point) {
    storm.forecast.back().max_wind_kt = wind.value().max_wind_kt;
    storm.forecast.back().gusts_kt = wind.value().gusts_kt;
  } else {
    storm.max_wind_kt = wind.value().max_wind_kt;
    storm.gusts_kt = wind.value().gusts_kt;
    reading.has_wind = true;
  }
  return std::nullopt;
}

LineError read_vector(std::string_view text, std::size_t index, Reading& reading) {
  const Result<VectorLine> vector = read_vector_line(text);
  if (!vector.ok()) return vector.error();
  reading.vectors.push_back({vector.value(), reading.storm.forecast.size(), index});
  return std::nullopt;
}

// "REPEAT POSIT: 22.8N 131.6E": checked against the warning position.
LineError read_repeat_posit(std::string_view text, std::size_t index, Reading& reading) {
  Cursor cursor{text.substr(13)};
  const std::optional<LatLon> centre = take_position(cursor);
  if (!centre || !at_end(cursor)) return line_error("expected `REPEAT POSIT: 22.8N 131.6E`");
  if (reading.has_fix && !(*centre == reading.storm.fix.centre)) {
    warn(reading, index,
         "REPEAT POSIT differs from the warning position; the warning position is used");
  }
  return std::nullopt;
}

// A line that states something of the warning position or of a forecast point.
LineError read_point_line(std::string_view text, std::size_t index, Reading& reading) {
  const bool forecasts = reading.section == Section::kForecast;
  const bool in_point = forecasts && !reading.storm.forecast.empty();
  if (forecasts && (text.starts_with("MOVEMENT PAST") || text.starts_with("POSITION ACCURATE"))) {
    return line_error("the warning position's movement or accuracy among the forecasts");
  }
  if (forecasts && !in_point &&
      (text.starts_with("MAX SUSTAINED WINDS") || text.starts_with("RADIUS OF"))) {
    return line_error("winds or radii under `FORECASTS:` before the first forecast position");
  }
  if (text.starts_with("MOVEMENT PAST")) return read_movement(text, reading);
  if (text.starts_with("POSITION ACCURATE")) return read_accuracy(text, reading);
  if (text.starts_with("MAX SUSTAINED WINDS")) return read_winds(text, in_point, reading);
  if (text.starts_with("RADIUS OF")) return read_radius_head_line(text, index, reading);
  if (text.starts_with("VECTOR TO")) return read_vector(text, index, reading);
  if (text.starts_with("REPEAT POSIT:")) return read_repeat_posit(text, index, reading);
  if (in_point && is_stage_line(text)) {
    std::string& stage = reading.storm.forecast.back().stage;
    stage += (stage.empty() ? "" : "; ") + std::string(text);
  }
  return std::nullopt;
}

LineError read_line(std::string_view text, std::size_t index, Reading& reading) {
  if (reading.pending_hour && !starts_with_dtg(text)) {
    return line_error("expected the position line `311800Z --- 24.0N 130.2E` after `" +
                      std::to_string(*reading.pending_hour) + " HRS, VALID AT:`");
  }
  if (text.find("END PART") != std::string_view::npos) return std::nullopt;
  if (reading.section == Section::kRemarks) {
    reading.remarks.push_back({std::string(text), reading.lines[index].line});
    return std::nullopt;
  }
  if (read_marker(text, reading)) return std::nullopt;
  if (text.starts_with("SUBJ/")) return read_subject(text, index, reading);
  if (text.starts_with("MAX SUSTAINED WINDS BASED ON")) return read_wind_basis(text);
  if (text.ends_with("VALID AT:")) return read_forecast_hour(text, index, reading);
  if (starts_with_dtg(text)) return read_position(text, index, reading);
  return read_point_line(text, index, reading);
}

// Each stated vector against the rhumb line from its point to the next one.
void check_vectors(Reading& reading) {
  const Storm& storm = reading.storm;
  for (const StatedVector& stated : reading.vectors) {
    const std::string head = "VECTOR TO " + std::to_string(stated.vector.to_hour) + " HR POSIT ";
    if (stated.from_point >= storm.forecast.size()) {
      warn(reading, stated.index, head + "leads to no later point");
      continue;
    }
    const int next_hour = reading.point_hours[stated.from_point + 1];
    if (next_hour != stated.vector.to_hour) {
      warn(reading, stated.index,
           head + "names another hour than the next point's, " + std::to_string(next_hour) + " h");
      continue;
    }
    const Fix from = stated.from_point == 0 ? storm.fix
                                            : Fix{*storm.forecast[stated.from_point - 1].centre,
                                                  storm.forecast[stated.from_point - 1].time};
    const ForecastPoint& to = storm.forecast[stated.from_point];
    const double hours = navigation::hours_between(from.time, to.time);
    const navigation::Motion actual = rhumb_motion(from.centre, *to.centre, hours);
    if (auto disagreement =
            vector_disagreement(stated.vector.track_deg, stated.vector.speed_kn, actual)) {
      warn(reading, stated.index, head + *disagreement);
    }
  }
}

// The things every warning must state, once the lines are read.
std::optional<Error> check_complete(const Reading& reading, std::size_t start) {
  const auto& lines = reading.lines;
  if (reading.pending_hour) {
    return error_at(lines[reading.pending_index], "expected the forecast position after this line");
  }
  if (!reading.has_subject) {
    return error_at(lines[start],
                    "expected a subject line such as `SUBJ/TYPHOON 06W (KHANUN) WARNING NR 017//`");
  }
  if (!reading.has_fix) {
    return error_at(lines[reading.subject_index],
                    "expected `WARNING POSITION:` and a line such as `310600Z --- NEAR 22.8N "
                    "131.6E`");
  }
  if (!reading.has_motion) {
    return error_at(
        lines[reading.fix_index],
        "expected `MOVEMENT PAST SIX HOURS - ddd DEGREES AT nn KTS` after the position");
  }
  if (!reading.has_wind) {
    return error_at(lines[reading.fix_index],
                    "expected `MAX SUSTAINED WINDS - nnn KT, GUSTS nnn KT` for the warning "
                    "position");
  }
  return std::nullopt;
}

}  // namespace

std::optional<std::size_t> find_jtwc(const std::vector<TextLine>& lines) {
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const std::optional<JtwcWmoLine> wmo = read_jtwc_wmo_line(lines[i].text);
    if (wmo && wmo->station == "PGTW") return i;
    if (trim(lines[i].text).starts_with("MSGID/GENADMIN/JOINT TYPHOON")) return i;
  }
  return std::nullopt;
}

Result<Storm> read_jtwc(const std::vector<TextLine>& lines, std::size_t start) {
  const auto issued = read_warning_issue(lines, start);
  if (!issued.ok()) return issued.error();
  if (auto error = refuse_lone_part(lines, start)) return *error;
  Storm storm;
  storm.form = SourceForm::kJtwcWarning;
  storm.issued = issued.value();
  Reading reading{lines, storm, *storm.issued};
  for (std::size_t i = start + 1; i < lines.size(); ++i) {
    const std::string_view text = trim(lines[i].text);
    if (text == "NNNN") break;
    if (reading.group) {
      if (continues_radii(text)) {
        if (is_complete(*reading.group))
          return error_at(lines[i], "a radius after all four quadrants have one");
        Result<RadiusEntry> entry = read_radius_entry(text);
        if (!entry.ok()) return error_at(lines[i], entry.error());
        if (LineError error = add_radius(*reading.group, entry.value())) {
          return error_at(lines[i], *error);
        }
        continue;
      }
      const std::size_t head = reading.group->index;
      if (LineError error = close_group(reading)) return error_at(lines[head], *error);
    }
    if (LineError error = read_line(text, i, reading)) return error_at(lines[i], *error);
  }
  if (reading.group) {
    const std::size_t head = reading.group->index;
    if (LineError error = close_group(reading)) return error_at(lines[head], *error);
  }
  if (auto error = check_complete(reading, start)) return *error;

  storm.id = jtwc_storm_id(reading.subject, storm.fix.time);

  const auto remarks = read_remarks(reading.remarks, *storm.issued);
  if (!remarks.ok()) return remarks.error();
  const Remarks& read = remarks.value();
  storm.pressure_mb = read.pressure_mb;
  WarningDetails details;
  details.final_warning = read.final_warning;
  details.remarks_fix = read.position;
  details.wave_height_ft = read.wave_height_ft;
  details.next_warnings = read.next_warnings;
  if (!read.next_warnings.empty()) storm.next_advisory = read.next_warnings.front();
  storm.warning = details;
  check_vectors(reading);
  std::stable_sort(storm.warnings.begin(), storm.warnings.end(),
                   [](const TextWarning& a, const TextWarning& b) { return a.line < b.line; });
  return storm;
}

}  // namespace hurricane::advisory

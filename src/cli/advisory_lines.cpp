#include "cli/advisory_lines.h"

#include <algorithm>
#include <cstdio>

#include "cli/messages.h"
#include "navigation/utc_time.h"
#include "situation/position.h"
#include "situation/utc_time.h"

namespace hurricane::cli {
namespace {

using answer::MotionSource;
using answer::nm_text;

constexpr std::size_t kWidth = 79;
constexpr std::string_view kIndent = "                ";  // where values start

std::string at_text(const advisory::Fix& fix) {
  return situation::format_position(fix.centre) + " at " + navigation::format_utc_time(fix.time);
}

// "   label        value", the label padded to the values' column.
std::string labelled(const char* label, const std::string& value) {
  char head[24];
  std::snprintf(head, sizeof head, "   %-13s", label);
  return head + value;
}

// `value` after `label`, broken before a " + " or " = " where it would pass kWidth.
void add_wrapped(const char* label, const std::string& value, std::vector<std::string>& lines) {
  std::string line = labelled(label, "");
  std::size_t start = 0;
  while (start < value.size()) {
    // The next " + " or " = " after `start`, so each piece is at least one character.
    const std::size_t next =
        std::min({value.find(" + ", start + 1), value.find(" = ", start + 1), value.size()});
    const std::string piece = value.substr(start, next - start);
    if (line.size() > kIndent.size() && line.size() + piece.size() > kWidth) {
      lines.push_back(line);
      line = std::string(kIndent) + piece.substr(piece.find_first_not_of(' '));
    } else {
      line += piece;
    }
    start = next;
  }
  lines.push_back(line);
}

std::string source_text(advisory::SourceForm form) {
  switch (form) {
    case advisory::SourceForm::kTcm:
      return "forecast/advisory text";
    case advisory::SourceForm::kRssFeed:
      return "forecast/advisory in an NHC RSS feed";
    case advisory::SourceForm::kAtcf:
      return "ATCF track records";
    case advisory::SourceForm::kJtwcWarning:
      return "JTWC tropical cyclone warning";
  }
  return "?";
}

std::string storm_text(const advisory::Storm& storm) {
  std::string text = storm.kind;
  if (!storm.name.empty()) text += " " + storm.name;
  return text + ", " + storm.id;
}

std::string advisory_text(const advisory::Storm& storm) {
  if (!storm.number) {
    std::string text = "no number (ATCF records have none)";
    if (!storm.analysis_technique.empty()) {
      text += "; analysis from " + storm.analysis_technique + " at hour 0";
      text += storm.forecast.empty() ? ", no OFCL forecast" : ", forecast from OFCL";
    }
    return text;
  }
  std::string text = (storm.warning ? "warning " : "number ") + std::to_string(*storm.number);
  if (storm.warning && storm.warning->final_warning) text += " (FINAL)";
  if (storm.special && storm.corrected) {
    text += " (SPECIAL, CORRECTED)";
  } else if (storm.special) {
    text += " (SPECIAL)";
  } else if (storm.corrected) {
    text += " (CORRECTED)";
  }
  if (storm.issued) text += ", issued " + navigation::format_utc_time(*storm.issued);
  return text;
}

std::string centre_text(const advisory::Storm& storm) {
  return at_text(storm.fix) + (storm.accuracy_nm
                                   ? ", within " + std::to_string(*storm.accuracy_nm) + " nm"
                                   : ", accuracy not given");
}

std::string movement_text(const answer::AdvisedStorm& advised) {
  const answer::StormMotion& motion = advised.motion;
  const std::optional<advisory::WarningDetails>& warning = advised.storm.warning;
  const std::string past =
      warning ? " (the past " + std::to_string(warning->movement_past_h) + " h, used as present)"
              : "";
  char text[96];
  switch (motion.source) {
    case MotionSource::kStated:
      return nm_text(motion.motion.track) + " deg at " + nm_text(motion.motion.speed) + " kn" +
             past;
    case MotionSource::kStationary:
      return "stationary: speed 0 kn, no track" + past;
    case MotionSource::kFixes:
      std::snprintf(text, sizeof text, "%.1f deg at %.1f kn, from the fix %.1f h before",
                    motion.motion.track, motion.motion.speed,
                    situation::hours_between((*motion.fixes)[0].time, (*motion.fixes)[1].time));
      return text;
  }
  return "?";
}

// "115 kt (1-minute average), gusts 140 kt": the averaging said where the text states it.
std::string wind_text(const advisory::Storm& storm) {
  std::string text = std::to_string(storm.max_wind_kt) + " kt";
  if (storm.warning)
    text += " (" + std::to_string(storm.warning->wind_average_min) + "-minute average)";
  if (storm.gusts_kt) text += ", gusts " + std::to_string(*storm.gusts_kt) + " kt";
  return text;
}

// `value` after `label`, broken between words where it would pass kWidth.
void add_words(const char* label, const std::string& value, std::vector<std::string>& lines) {
  std::string line = labelled(label, "");
  std::size_t start = 0;
  while (start < value.size()) {
    const std::size_t end = std::min(value.find(' ', start + 1), value.size());
    const std::string word = value.substr(start, end - start);
    if (line.size() > kIndent.size() && line.size() + word.size() > kWidth) {
      lines.push_back(line);
      line = std::string(kIndent) + word.substr(word.find_first_not_of(' '));
    } else {
      line += word;
    }
    start = end;
  }
  lines.push_back(line);
}

// What a JTWC warning's remarks add.
void add_warning_remarks(const advisory::WarningDetails& warning, std::vector<std::string>& lines) {
  if (warning.wave_height_ft) {
    lines.push_back(
        labelled("waves", "highest " + std::to_string(*warning.wave_height_ft) + " ft"));
  }
  if (warning.remarks_fix) {
    lines.push_back(labelled("issue posit", at_text(*warning.remarks_fix) + ", for information"));
  }
  if (!warning.next_warnings.empty()) {
    std::string times;
    for (const advisory::UtcTime& time : warning.next_warnings) {
      times += (times.empty() ? "" : ", ") + navigation::format_day_time(time);
    }
    lines.push_back(labelled("next warning", times));
  }
}

// Where the text disagrees with itself: kept as read, and said.
void add_text_warnings(const advisory::Storm& storm, std::vector<std::string>& lines) {
  for (const advisory::TextWarning& warning : storm.warnings) {
    add_words("warning", "line " + std::to_string(warning.line) + ": " + warning.message, lines);
  }
}

std::string age_text(const answer::AdvisoryProvenance& advised,
                     const situation::Situation& situation) {
  char text[64];
  const std::optional<situation::Derived>& derived = situation.derived;
  if (!derived || !derived->moved_from) return "0.0 h: no --at, the centre at its fix time";
  std::snprintf(text, sizeof text, "%.1f h at --at ", advised.fix_age_hours);
  return text + situation::format_utc_time(*derived->storm_time);
}

// How the centre was brought to --at: along the forecast track, or in a straight line beyond it.
void add_placement(const answer::AdvisoryProvenance& advised, std::vector<std::string>& lines) {
  using answer::CentreSource;
  if (advised.centre.source == CentreSource::kForecastTrack) {
    add_words("placed", "on the forecast track at --at, moving as its leg there", lines);
  } else if (advised.centre.forecast_ends) {
    add_words("placed",
              "WARNING: beyond the forecast, which ends " +
                  navigation::format_day_time(*advised.centre.forecast_ends) +
                  ": moved in a straight line along the present motion",
              lines);
  }
}

// "advisory at 13/0300Z": when the next product is due, as the text states it.
void add_next_due(const advisory::Storm& storm, std::vector<std::string>& lines) {
  if (!storm.next_advisory) return;
  lines.push_back(labelled("next due", std::string(storm.warning ? "warning" : "advisory") +
                                           " at " +
                                           navigation::format_day_time(*storm.next_advisory)));
}

std::string radii_row(const char* label, const advisory::QuadrantRadii& radii) {
  char text[64];
  std::snprintf(text, sizeof text, "   %-11s%5d%5d%5d%5d", label, radii[advisory::Quadrant::kNE],
                radii[advisory::Quadrant::kSE], radii[advisory::Quadrant::kSW],
                radii[advisory::Quadrant::kNW]);
  return text;
}

void add_radii(const advisory::Storm& storm, std::vector<std::string>& lines) {
  const std::pair<const char*, const std::optional<advisory::QuadrantRadii>*> rows[] = {
      {"64 kt", &storm.radii.kt64}, {"50 kt", &storm.radii.kt50}, {"34 kt", &storm.radii.kt34}};
  lines.emplace_back(" Radii, nm       NE   SE   SW   NW");
  bool any = false;
  for (const auto& [label, radii] : rows) {
    if (!*radii) continue;
    lines.push_back(radii_row(label, **radii));
    any = true;
  }
  if (storm.seas) {
    const std::string label =
        std::to_string(storm.seas->height) +
        (storm.seas->unit == advisory::SeasRadii::Unit::kFeet ? " ft" : " m") + " seas";
    lines.push_back(radii_row(label.c_str(), storm.seas->radii));
    any = true;
  }
  if (!any) lines.emplace_back("   none given");
}

// A forecast point: valid time as the advisory writes it (day/hour minute), centre (padded
// apart, by characters rather than bytes), wind, gusts, 34-kt radii NE/SE/SW/NW, stage.
constexpr const char* kPointRow = "   %-9s %s%4s%6s %-16s%s";

// `text` followed by blanks up to `width` characters; a UTF-8 character counts once.
std::string padded(const std::string& text, std::size_t width) {
  std::size_t characters = 0;
  for (const char c : text) {
    if ((static_cast<unsigned char>(c) & 0xC0u) != 0x80u) ++characters;
  }
  return text + std::string(characters < width ? width - characters : 0, ' ');
}

constexpr std::size_t kCentreWidth = 20;

std::string optional_number(const std::optional<int>& value) {
  return value ? std::to_string(*value) : "-";
}

std::string point_row(const advisory::ForecastPoint& point) {
  char text[128];
  const std::string where = point.centre ? situation::format_position(*point.centre) : "-";
  std::string radii = "-";
  if (point.radii.kt34) {
    const advisory::QuadrantRadii& r = *point.radii.kt34;
    radii = std::to_string(r[advisory::Quadrant::kNE]) + "/" +
            std::to_string(r[advisory::Quadrant::kSE]) + "/" +
            std::to_string(r[advisory::Quadrant::kSW]) + "/" +
            std::to_string(r[advisory::Quadrant::kNW]);
  }
  const std::string time = navigation::format_day_time(point.time);
  std::snprintf(text, sizeof text, kPointRow, time.c_str(), padded(where, kCentreWidth).c_str(),
                optional_number(point.max_wind_kt).c_str(), optional_number(point.gusts_kt).c_str(),
                radii.c_str(), point.stage.c_str());
  std::string row = text;
  row.erase(row.find_last_not_of(' ') + 1);
  return row;
}

void add_points(const advisory::Storm& storm, bool outlook, std::vector<std::string>& lines) {
  bool heading = false;
  for (const advisory::ForecastPoint& point : storm.forecast) {
    if (point.outlook != outlook) continue;
    if (!heading) {
      lines.emplace_back("");
      char text[96];
      std::snprintf(text, sizeof text, kPointRow, outlook ? "Outlook" : "Forecast",
                    padded("centre", kCentreWidth).c_str(), "wind", "gusts", "34-kt radii",
                    "stage");
      lines.emplace_back(text);
      heading = true;
    }
    lines.push_back(point_row(point));
  }
}

}  // namespace

std::vector<std::string> advisory_provenance_lines(const answer::AdvisoryProvenance& advised,
                                                   const situation::Situation& situation,
                                                   std::string_view file) {
  const advisory::Storm& storm = advised.storm.storm;
  std::vector<std::string> lines;
  lines.push_back(" From the advisory in " + tamed(file, 1024) + ":");
  lines.push_back(labelled("storm", storm_text(storm)));
  lines.push_back(labelled("advisory", advisory_text(storm)));
  lines.push_back(labelled("centre", centre_text(storm)));
  lines.push_back(labelled("movement", movement_text(advised.storm)));
  if (storm.warning) lines.push_back(labelled("max wind", wind_text(storm)));
  lines.push_back(labelled("fix age", age_text(advised, situation)));
  add_placement(advised, lines);
  add_next_due(storm, lines);
  add_text_warnings(storm, lines);
  add_wrapped("keep", advised.keep_source, lines);
  lines.emplace_back("");
  return lines;
}

std::vector<std::string> advisory_summary_lines(const answer::AdvisedStorm& advised,
                                                std::string_view file,
                                                std::string_view keep_source) {
  const advisory::Storm& storm = advised.storm;
  std::vector<std::string> lines;
  lines.push_back(" Read from " + tamed(file, 1024) + ":");
  lines.push_back(labelled("form", source_text(storm.form)));
  lines.push_back(labelled("storm", storm_text(storm)));
  lines.push_back(labelled("advisory", advisory_text(storm)));
  if (!storm.centre_name.empty()) lines.push_back(labelled("centre name", storm.centre_name));
  if (!storm.issued_by.empty()) lines.push_back(labelled("issued by", storm.issued_by));
  lines.push_back(labelled("centre", centre_text(storm)));
  lines.push_back(labelled("movement", movement_text(advised)));
  if (storm.previous) lines.push_back(labelled("previous fix", at_text(*storm.previous)));
  lines.push_back(labelled("max wind", wind_text(storm)));
  if (storm.pressure_mb) {
    lines.push_back(labelled("pressure", std::to_string(*storm.pressure_mb) + " mb"));
  }
  if (storm.warning) {
    add_warning_remarks(*storm.warning, lines);
  } else {
    add_next_due(storm, lines);
  }
  add_text_warnings(storm, lines);
  add_wrapped("keep", std::string(keep_source), lines);
  lines.emplace_back("");
  add_radii(storm, lines);
  add_points(storm, false, lines);
  add_points(storm, true, lines);
  return lines;
}

}  // namespace hurricane::cli

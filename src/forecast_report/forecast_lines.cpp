#include "forecast_report/forecast_lines.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

namespace hurricane::forecast_report {
namespace {

namespace fc = hurricane::forecast;

constexpr const char* kHeading = "          ==> Along the official forecast [F]:";

std::string number(double value, int decimals = 0) {
  char text[32];
  std::snprintf(text, sizeof text, "%.*f", decimals, value);
  return text;
}

std::string course(int degrees) {
  char text[8];
  std::snprintf(text, sizeof text, "%03d", degrees);
  return text;
}

std::string hours(double h) {
  return number(h, 1) + " h";
}

std::string table_name(const fc::ConeTable& table) {
  return table.basin + " " + std::to_string(table.season);
}

// The basin of a storm whose own basin has no official cone (the JTWC's) and borrows another's.
std::optional<std::string> borrowing_basin(const fc::StormSummary& storm) {
  if (storm.storm_id.rfind(storm.error.table.basin, 0) == 0) return std::nullopt;
  return storm.storm_id.substr(0, 2);
}

// The cone tables the storms are judged with: one name when they share one, else each storm's.
std::string cones_text(const fc::ForecastAdvice& advice) {
  bool shared = true;
  for (const fc::StormSummary& storm : advice.storms) {
    shared = shared && table_name(storm.error.table) == table_name(advice.error.table);
  }
  std::string text;
  if (shared) {
    text = "two-thirds cone " + table_name(advice.error.table);
  } else {
    text = "two-thirds cones";
    for (std::size_t i = 0; i < advice.storms.size(); ++i) {
      const fc::StormSummary& storm = advice.storms[i];
      text += (i == 0 ? " " : ", ") + table_name(storm.error.table) + " for " + storm.storm_id;
    }
  }
  std::vector<std::string> borrowing;
  for (const fc::StormSummary& storm : advice.storms) {
    const auto basin = borrowing_basin(storm);
    if (basin && std::find(borrowing.begin(), borrowing.end(), *basin) == borrowing.end()) {
      borrowing.push_back(*basin);
      text += "; " + *basin + " has no official cone table, so " +
              (shared ? std::string("this one") : table_name(storm.error.table)) + " is used";
    }
  }
  return text;
}

std::string model_line(const fc::ForecastAdvice& advice) {
  const fc::ErrorModel& error = advice.error;
  std::string text = "Model: error ";
  switch (error.kind) {
    case fc::ErrorModel::Kind::kCone:
      text += "cone:" + number(error.scale, error.scale == std::floor(error.scale) ? 0 : 2) + " (" +
              cones_text(advice) + ")";
      break;
    case fc::ErrorModel::Kind::kMarinersRule:
      text += "1-2-3 (100 nm per 24 h)";
      break;
    case fc::ErrorModel::Kind::kNone:
      text += "none";
      break;
  }
  text += " + margin " + number(error.margin_nm) + " nm around the 34-kt winds, horizon " +
          number(advice.sweep.horizon_h, 1) + " h";
  if (advice.sweep.horizon_h < advice.requested_horizon_h) {
    text += " (of " + number(advice.requested_horizon_h) + ", cut where the forecast ends)";
  }
  text += advice.land_checked ? "; a course that meets land within it is not open."
                              : "; land not checked.";
  return text;
}

std::string storm_line(const fc::StormSummary& storm) {
  std::string text = storm.storm_id;
  if (!storm.advisory.empty()) text += " advisory " + storm.advisory;
  text += ": " + std::to_string(storm.points) + " points, not judged after " +
          navigation::format_day_time(storm.ends_at);
  if (storm.dissipated_at)
    text += " (dissipated " + navigation::format_day_time(*storm.dissipated_at) + ")";
  if (storm.radii_carried_from_h) {
    text += "; radii carried from the point before from " + hours(*storm.radii_carried_from_h);
  }
  return text + ".";
}

std::string ranges_text(const std::vector<fc::CourseRange>& ranges) {
  if (ranges.empty()) return "none";
  std::string text;
  for (const fc::CourseRange& range : ranges) {
    if (!text.empty()) text += ", ";
    text += range.first == range.last ? course(range.first)
                                      : course(range.first) + "-" + course(range.last);
  }
  return text;
}

std::string winds_text(const fc::Passage& passage) {
  if (passage.land_at_h) {
    return "meets land at " + hours(*passage.land_at_h) +
           (passage.wind_kt == 0 ? std::string()
                                 : " and the forecast " + std::to_string(passage.wind_kt) +
                                       "-kt winds at " + hours(passage.wind_at_h.value_or(0.0)));
  }
  if (passage.wind_kt == 0) return "meets no forecast winds of 34 kt";
  return "meets the forecast " + std::to_string(passage.wind_kt) + "-kt winds at " +
         hours(passage.wind_at_h.value_or(0.0));
}

std::string storm_of(const fc::ForecastAdvice& advice, const fc::Passage& passage) {
  if (advice.storms.size() < 2) return "";
  return " (" + advice.storms.at(passage.storm).storm_id + ")";
}

}  // namespace

std::vector<std::string> forecast_lines(const fc::ForecastAdvice& advice) {
  std::vector<std::string> lines = {"", kHeading, model_line(advice)};
  for (const fc::StormSummary& storm : advice.storms) lines.push_back(storm_line(storm));
  if (!advice.sweep.judged || !advice.recommended) {
    lines.push_back("No storm's forecast reaches the advice time: nothing to judge.");
    return lines;
  }
  const double full = advice.speeds_kn[0];
  lines.push_back("Open courses at " + number(full, 1) + " kn: " + ranges_text(advice.open[0]) +
                  ".");
  const fc::Recommendation& r = *advice.recommended;
  const fc::Passage& p = r.passage;
  if (advice.none_open) {
    lines.push_back("No course keeps clear of the danger area at " + number(full, 1) +
                    " kn. Least bad: course " + course(r.course_deg) + ", " +
                    number(-p.clearance_nm) + " nm inside at " + hours(p.min_at_h) +
                    storm_of(advice, p) + "; it " + winds_text(p) + ".");
    for (std::size_t v = 1; v < advice.open.size(); ++v) {
      if (advice.open[v].empty()) continue;
      lines.push_back("Open at " + number(advice.speeds_kn[v], 1) +
                      " kn: " + ranges_text(advice.open[v]) + ".");
      break;
    }
  } else {
    std::string why =
        advice.voyage_course_deg
            ? "nearest the voyage course " +
                  course(static_cast<int>(std::lround(*advice.voyage_course_deg)) % 360) +
                  (advice.voyage_toward.empty() ? "" : " (toward " + advice.voyage_toward + ")")
            : "largest clearance";
    lines.push_back("Recommended (" + why + "): course " + course(r.course_deg) + " at " +
                    number(r.speed_kn, 1) + " kn, least clearance " + number(p.clearance_nm) +
                    " nm at " + hours(p.min_at_h) + storm_of(advice, p) + "; it " + winds_text(p) +
                    ".");
  }
  const fc::Passage& stay = advice.sweep.stay;
  if (stay.enters_at_h) {
    lines.push_back("Staying put: inside the danger area from " + hours(*stay.enters_at_h) +
                    "; it " + winds_text(stay) + ".");
  } else {
    lines.push_back("Staying put: open, least clearance " + number(stay.clearance_nm) + " nm at " +
                    hours(stay.min_at_h) + ".");
  }
  if (advice.disagrees_with_classic) {
    lines.push_back("[F] and the classic advice disagree: its course " +
                    course(*advice.classic_course) +
                    " is not open along the forecast. [F] rests on the official forecast; the "
                    "classic advice above on the present motion.");
  }
  return lines;
}

std::vector<std::string> no_forecast_lines(std::string_view reason) {
  return {"", kHeading, "No forecast: " + std::string(reason) + "."};
}

}  // namespace hurricane::forecast_report

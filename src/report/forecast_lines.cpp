#include "report/forecast_lines.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace hurricane::report {
namespace {

namespace fc = hurricane::forecast;

constexpr const char* kHeadingText = "          ==> Along the official forecast [F]:";

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

// Hours from the advice time `at`, with the time they fall at as the bridge reads it:
// "12.0 h (13/0900Z)".
std::string hours(fc::Time at, double h) {
  return hours(h) + " (" + navigation::format_day_time(navigation::add_hours(at, h)) + ")";
}

// What clearance and the danger area are, said once where either is first named.
constexpr std::string_view kClearanceMeans =
    " (distance outside the 34-kt winds + forecast error + margin)";
constexpr std::string_view kDangerAreaMeans = " (the 34-kt winds + forecast error + margin)";

std::string table_name(const fc::ConeTable& table) {
  return table.basin + " " + std::to_string(table.season);
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
    const auto& basin = storm.basin_without_cone;
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
  text += ", judged from " + navigation::format_day_time(advice.at) + " to " +
          navigation::format_day_time(fc::judged_until(advice));
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

std::string winds_text(fc::Time at, const fc::Passage& passage) {
  if (passage.land_at_h) {
    return "meets land at " + hours(at, *passage.land_at_h) +
           (passage.wind_kt == 0
                ? std::string()
                : " and the forecast " + std::to_string(passage.wind_kt) + "-kt winds at " +
                      hours(at, passage.wind_at_h.value_or(0.0)));
  }
  if (passage.wind_kt == 0) return "meets no forecast winds of 34 kt";
  return "meets the forecast " + std::to_string(passage.wind_kt) + "-kt winds at " +
         hours(at, passage.wind_at_h.value_or(0.0));
}

std::string storm_of(const fc::ForecastAdvice& advice, const fc::Passage& passage) {
  if (advice.storms.size() < 2) return "";
  return " (" + advice.storms.at(passage.storm).storm_id + ")";
}

std::string clear_or_inside(double clearance_nm) {
  return clearance_nm < 0.0 ? number(-clearance_nm) + " nm inside"
                            : number(clearance_nm) + " nm clear";
}

// Why a course is shut, as words after "is".
std::string shut_reason(fc::ShutBy by) {
  switch (by) {
    case fc::ShutBy::kDanger:
      return "shut by the danger area";
    case fc::ShutBy::kLand:
      return "shut by land";
    case fc::ShutBy::kBoth:
      return "shut by the danger area and land";
    case fc::ShutBy::kOpen:
      break;
  }
  return "open";
}

// Why no course is open at full speed: the reason that holds for every course, with the courses
// the other reason shuts as well; else each reason's courses.
std::string shut_line(const fc::ForecastAdvice& advice) {
  const std::string at = " at " + number(advice.speeds_kn[0], 1) + " kn";
  auto courses_by = [&](fc::ShutBy by) {
    std::vector<fc::CourseRange> courses;
    for (const fc::ShutRange& run : advice.shut[0]) {
      if (run.by == by) courses.push_back(run.courses);
    }
    return courses;
  };
  const auto both = courses_by(fc::ShutBy::kBoth);
  switch (advice.none_open_because.value_or(fc::NoneOpenBecause::kDangerAndLand)) {
    case fc::NoneOpenBecause::kInside:
      return "The ship is inside the danger area now: no course" + at + " keeps clear of it.";
    case fc::NoneOpenBecause::kLand:
      return "Every course" + at + " meets land within the horizon" +
             (both.empty() ? "" : "; " + ranges_text(both) + " also run into the danger area") +
             ".";
    case fc::NoneOpenBecause::kDanger:
      return "No course" + at + " keeps clear of the danger area" +
             (both.empty() ? "" : "; " + ranges_text(both) + " also meet land") + ".";
    case fc::NoneOpenBecause::kDangerAndLand:
      break;
  }
  return "No course is open" + at + ": the danger area shuts " +
         ranges_text(courses_by(fc::ShutBy::kDanger)) + ", land " +
         ranges_text(courses_by(fc::ShutBy::kLand)) +
         (both.empty() ? "" : ", both " + ranges_text(both)) + ".";
}

// What clearance or the danger area means, said once right after the first "least clearance"
// (a figure, not a rule's name) or "danger area" of the lines, whichever comes first.
void explain_clearance(std::vector<ForecastLine>& lines) {
  constexpr std::string_view kClearance = "least clearance", kDangerArea = "danger area";
  for (ForecastLine& each : lines) {
    std::string& line = each.text;
    const std::size_t clearance = line.find(kClearance);
    const std::size_t danger = line.find(kDangerArea);
    if (clearance == std::string::npos && danger == std::string::npos) continue;
    if (clearance < danger) {
      line.insert(clearance + kClearance.size(), kClearanceMeans);
    } else {
      line.insert(danger + kDangerArea.size(), kDangerAreaMeans);
    }
    return;
  }
}

std::optional<std::string> recommendation_line(const fc::ForecastAdvice& advice) {
  const fc::Recommendation& r = *advice.recommended;
  const fc::Passage& p = r.passage;
  const fc::Time at = advice.at;
  const std::string speed = number(r.speed_kn, 1) + " kn";
  const std::string least = "least clearance " + number(p.clearance_nm) + " nm at " +
                            hours(at, p.min_at_h) + storm_of(advice, p) + "; it " +
                            winds_text(at, p) + ".";
  std::string voyage;
  if (advice.voyage_course_deg) {
    voyage = course(static_cast<int>(std::lround(*advice.voyage_course_deg)) % 360) +
             (advice.voyage_toward.empty() ? "" : " (toward " + advice.voyage_toward + ")");
  }
  if (r.stay_put && r.choice != fc::Choice::kStayPut) {
    const std::string why = r.choice == fc::Choice::kLeavesSoonest
                                ? "every course meets land"
                                : "no course keeps more clearance off land";
    return "Least bad (" + why + "): stay put, " + clear_or_inside(p.clearance_nm) + " at " +
           hours(at, p.min_at_h) + storm_of(advice, p) + ".";
  }
  switch (r.choice) {
    case fc::Choice::kNearVoyage:
    case fc::Choice::kMostClearance: {
      const std::string why = r.choice == fc::Choice::kNearVoyage
                                  ? "most clearance near the voyage course " + voyage
                                  : "largest clearance";
      const std::string slower = r.speed_index == 0
                                     ? ""
                                     : "Slowed to " + speed + ", courses " +
                                           ranges_text(advice.open[r.speed_index]) + " are open. ";
      return slower + "Recommended (" + why + "): course " + course(r.course_deg) + " at " + speed +
             ", " + least;
    }
    case fc::Choice::kStayPut:
      return "No course is open at any speed swept; staying put keeps clear: recommended.";
    case fc::Choice::kLeavesSoonest: {
      const std::string out =
          p.leaves_at_h ? "out of it soonest, at " + hours(at, *p.leaves_at_h)
                        : "none comes out of it within the horizon; the most clear at its end";
      return "Least bad (" + out + "): course " + course(r.course_deg) + " at " + speed + ", " +
             clear_or_inside(p.horizon_clearance_nm) + " at " + hours(at, advice.sweep.horizon_h) +
             storm_of(advice, p) + "; it " + winds_text(at, p) + ".";
    }
    case fc::Choice::kLeastBad:
      return "Least bad (largest clearance" +
             std::string(advice.land_closed.empty() ? "" : ", off land") + "): course " +
             course(r.course_deg) + " at " + speed + ", " + clear_or_inside(p.clearance_nm) +
             " at " + hours(at, p.min_at_h) + storm_of(advice, p) + "; it " + winds_text(at, p) +
             ".";
    case fc::Choice::kCannotMove:
      break;
  }
  return std::nullopt;
}

}  // namespace

const char* forecast_part_name(ForecastPart part) {
  switch (part) {
    case ForecastPart::kBlank:
      return "blank";
    case ForecastPart::kHeading:
      return "heading";
    case ForecastPart::kModel:
      return "model";
    case ForecastPart::kStorm:
      return "storm";
    case ForecastPart::kNotJudged:
      return "not_judged";
    case ForecastPart::kNoForecast:
      return "no_forecast";
    case ForecastPart::kCannotMove:
      return "cannot_move";
    case ForecastPart::kOpen:
      return "open";
    case ForecastPart::kNoneOpen:
      return "none_open";
    case ForecastPart::kRecommendation:
      return "recommendation";
    case ForecastPart::kStay:
      return "stay";
    case ForecastPart::kClassicShut:
      return "classic_shut";
    case ForecastPart::kDisagrees:
      return "disagrees";
  }
  return "blank";
}

std::vector<ForecastLine> forecast_block(const fc::ForecastAdvice& advice) {
  using enum ForecastPart;
  std::vector<ForecastLine> lines = {
      {kBlank, ""}, {kHeading, kHeadingText}, {kModel, model_line(advice)}};
  for (const fc::StormSummary& storm : advice.storms) lines.push_back({kStorm, storm_line(storm)});
  if (!advice.sweep.judged || !advice.recommended) {
    lines.push_back({kNotJudged, "No storm's forecast reaches the advice time: nothing to judge."});
    return lines;
  }
  if (advice.cannot_move) {
    lines.push_back(
        {kCannotMove, "The ship has no speed: no course is given, only staying put is judged."});
  } else {
    lines.push_back({kOpen, "Open courses at " + number(advice.speeds_kn[0], 1) +
                                " kn: " + ranges_text(advice.open[0]) + "."});
    if (advice.none_open) lines.push_back({kNoneOpen, shut_line(advice)});
    if (const auto line = recommendation_line(advice)) lines.push_back({kRecommendation, *line});
  }
  const fc::Time at = advice.at;
  const fc::Passage& stay = advice.sweep.stay;
  if (stay.enters_at_h) {
    lines.push_back({kStay, "Staying put: inside the danger area from " +
                                hours(at, *stay.enters_at_h) + "; it " + winds_text(at, stay) +
                                "."});
  } else {
    lines.push_back({kStay, "Staying put: open, least clearance " + number(stay.clearance_nm) +
                                " nm at " + hours(at, stay.min_at_h) + "."});
  }
  if (advice.classic_course && advice.none_open && advice.classic_shut_by != fc::ShutBy::kOpen) {
    lines.push_back({kClassicShut, "No [F] course is open at " + number(advice.speeds_kn[0], 1) +
                                       " kn, and the classic advice's course " +
                                       course(*advice.classic_course) + " is " +
                                       shut_reason(advice.classic_shut_by) +
                                       " along the forecast too."});
  }
  if (advice.disagrees_with_classic) {
    lines.push_back({kDisagrees, "[F] and the classic advice disagree: its course " +
                                     course(*advice.classic_course) +
                                     " is not open along the forecast. [F] rests on the official "
                                     "forecast; the classic advice above on the present motion."});
  }
  explain_clearance(lines);
  return lines;
}

std::vector<ForecastLine> no_forecast_block(std::string_view reason) {
  return {{ForecastPart::kBlank, ""},
          {ForecastPart::kHeading, kHeadingText},
          {ForecastPart::kNoForecast, "No forecast: " + std::string(reason) + "."}};
}

namespace {

std::vector<std::string> texts_of(const std::vector<ForecastLine>& block) {
  std::vector<std::string> lines;
  lines.reserve(block.size());
  for (const ForecastLine& line : block) lines.push_back(line.text);
  return lines;
}

}  // namespace

std::vector<std::string> forecast_lines(const fc::ForecastAdvice& advice) {
  return texts_of(forecast_block(advice));
}

std::vector<std::string> no_forecast_lines(std::string_view reason) {
  return texts_of(no_forecast_block(reason));
}

}  // namespace hurricane::report

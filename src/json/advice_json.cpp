#include "json/advice_json.h"

#include <cmath>
#include <string>

#include "json/keys.h"
#include "report/report.h"
#include "situation/position.h"
#include "situation/utc_time.h"

namespace hurricane::json {
namespace {

using json = nlohmann::ordered_json;

// A real that is not finite (the analysis lets NaN flow where a construction has no
// solution) is null: JSON has no NaN.
json real(double value) {
  return std::isfinite(value) ? json(value) : json(nullptr);
}

json position(const situation::LatLon& at) {
  return {{"lat", at.lat}, {"lon", at.lon}};
}

json optional_position(const std::optional<situation::LatLon>& at) {
  return at ? position(*at) : json(nullptr);
}

json optional_time(const std::optional<situation::UtcTime>& time) {
  return time ? json(situation::format_utc_time(*time)) : json(nullptr);
}

json situation_values(const analysis::RoundValues& v) {
  return {{"distance_nm", v.dist},     {"bearing_deg", v.bear}, {"track_deg", v.track},
          {"speed_kn", v.speed},       {"keep_nm", v.cpa},      {"ship_speed_kn", v.vship},
          {"uncertainty_kn", v.dspeed}};
}

json derived_record(const situation::Derived& d) {
  json record = {{"method", "geodesic-wgs84"},
                 {"ship", optional_position(d.ship)},
                 {"storm", optional_position(d.storm)},
                 {"time", optional_time(d.storm_time)},
                 {"distance_from", d.ship ? "positions" : "given"},
                 {"motion_from", d.fixes ? "fixes" : "given"}};
  if (d.fixes) {
    json fixes = json::array();
    for (const situation::StormFix& fix : *d.fixes) {
      fixes.push_back({{"time", situation::format_utc_time(fix.time)},
                       {"lat", fix.centre.lat},
                       {"lon", fix.centre.lon}});
    }
    record["fixes"] = fixes;
  }
  if (d.moved_from) {
    record["moved_from"] = {{"lat", d.moved_from->lat},
                            {"lon", d.moved_from->lon},
                            {"time", optional_time(d.moved_from_time)},
                            {"hours", d.hours_moved}};
  }
  return record;
}

// A course as every course of the document is given: whole degrees true 0..359, 0 for north
// (the classic analysis counts 1..360).
int course(int degrees) {
  return ((degrees % 360) + 360) % 360;
}

json advice_a(const analysis::CourseAdvice& a) {
  json ranges = json::array();
  for (const analysis::CourseRange& range : a.ranges) {
    ranges.push_back({{"first", course(range.first)}, {"last", course(range.last)}});
  }
  json escapes = json::array();
  const std::optional<std::size_t> recommended = analysis::recommended_escape(a);
  for (std::size_t k = 0; k < a.escapes.size(); ++k) {
    const analysis::Escape& escape = a.escapes[k];
    const auto& land = escape.land;
    escapes.push_back(
        {{"course", escape.course},
         {"min_speed_kn", escape.speed_shown ? real(escape.speed) : json(nullptr)},
         {"land_at_h", land ? real(land->hour) : json(nullptr)},
         {"land_at", land ? json{{"lat", land->lat}, {"lon", land->lon}} : json(nullptr)},
         {"speed_needed_fraction",
          escape.speed_needed_fraction ? real(*escape.speed_needed_fraction) : json(nullptr)},
         {"little_reserve", escape.little_reserve},
         {"recommended", recommended == k}});
  }
  return {{"moving_away", a.moving_away},
          {"course_away", a.moving_away ? json(course(a.course_away)) : json(nullptr)},
          {"all_courses", a.all_courses},
          {"ranges", ranges},
          {"escapes", escapes},
          {"stay_possible", a.stay_possible}};
}

json land_record(const analysis::LandCheckInfo& land) {
  switch (land.check) {
    case analysis::LandCheck::kChecked:
      return {{"checked", "yes"}, {"shoreline", land.shoreline}, {"horizon_h", land.horizon_h}};
    case analysis::LandCheck::kOff:
      return {{"checked", "off"}, {"shoreline", nullptr}, {"horizon_h", nullptr}};
    case analysis::LandCheck::kNoPosition:
      break;
  }
  return {{"checked", "no_position"}, {"shoreline", nullptr}, {"horizon_h", nullptr}};
}

const char* case_name(analysis::CpaCase kind) {
  switch (kind) {
    case analysis::CpaCase::kFaster:
      return "faster";
    case analysis::CpaCase::kAchieved:
      return "achieved";
    case analysis::CpaCase::kCpaAhead:
      return "cpa_ahead";
  }
  return "faster";
}

json advice_b(const analysis::MaxCpa& b) {
  return {{"case", case_name(b.kind)},
          {"max_cpa_nm", real(b.cpa)},
          {"time_to_go_h", b.course ? real(b.time_to_go.count()) : json(nullptr)},
          {"course_deg", b.course && !b.ship_cannot_move ? real(*b.course) : json(nullptr)},
          {"suggested_course",
           b.course || b.ship_cannot_move ? json(nullptr) : json(course(b.suggested_course))},
          {"slow_ship_hint", b.slow_ship_hint},
          {"ship_cannot_move", b.ship_cannot_move}};
}

const char* side_name(analysis::TrackSide side) {
  return side == analysis::TrackSide::kLeft ? "left" : "right";
}

const char* wind_side_name(analysis::WindSide side) {
  return side == analysis::WindSide::kPort ? "port" : "starboard";
}

// The verdict as the classic report words it: the dangerous quarter's line when the ship is in
// it, then the area's lines (the last of "report").
json verdict(const analysis::Advice& advice) {
  report::Lines lines;
  report::verdict_lines(advice, lines);
  json quarter = nullptr;
  if (advice.verdict.in_dangerous_quarter && !lines.empty()) {
    quarter = lines.front();
    lines.erase(lines.begin());
  }
  return {{"kind", analysis::area_name(advice.verdict.area)},
          {"quarter_line", quarter},
          {"lines", lines}};
}

}  // namespace

nlohmann::ordered_json advice_json(const situation::Situation& situation,
                                   const analysis::Advice& advice, std::string_view version) {
  json object = {{"schema_version", kSchemaVersion},
                 {"version", std::string(version)},
                 {"hemisphere", analysis::hemisphere_name(advice.hemisphere)},
                 {"situation", situation_values(advice.values)}};
  if (situation.derived) object["derived"] = derived_record(*situation.derived);
  object["advice_a"] = advice_a(advice.courses);
  object["land"] = land_record(advice.courses.land);
  object["advice_b"] = advice_b(advice.max_cpa);
  object["dangerous_quarter"] = advice.verdict.in_dangerous_quarter;
  object["area"] = analysis::area_name(advice.verdict.area);
  object["dangerous_side"] = side_name(advice.verdict.dangerous_side);
  object["keep_wind_on"] = wind_side_name(advice.verdict.keep_wind_on);
  object["verdict"] = verdict(advice);
  object["report"] = report::result_lines(advice);
  object["notes"] = report::notes_lines(advice);
  json warnings = json::array();
  for (const std::string& warning : situation.warnings) {
    warnings.push_back(hurricane::worded(warning, key_words));
  }
  object["warnings"] = warnings;
  return object;
}

nlohmann::ordered_json advice_json_without_classic(const situation::Situation& situation,
                                                   std::string_view version) {
  json values = situation_values(analysis::round_values(situation.answers));
  values["keep_nm"] = nullptr;
  json object = {{"schema_version", kSchemaVersion},
                 {"version", std::string(version)},
                 {"hemisphere", analysis::hemisphere_name(situation.hemisphere)},
                 {"situation", values}};
  if (situation.derived) object["derived"] = derived_record(*situation.derived);
  for (const char* key : {"advice_a", "land", "advice_b", "dangerous_quarter", "area",
                          "dangerous_side", "keep_wind_on", "verdict"}) {
    object[key] = nullptr;
  }
  object["report"] = json::array();
  object["notes"] = json::array();
  object["warnings"] = situation.warnings;
  return object;
}

}  // namespace hurricane::json

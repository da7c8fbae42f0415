#include "json/forecast_json.h"

#include <cmath>
#include <string>

#include "report/forecast_lines.h"

namespace hurricane::json {
namespace {

using json = nlohmann::ordered_json;
namespace fc = hurricane::forecast;

// Tenths of a nautical mile or hour; null for a value never judged.
json tenths(double value) {
  if (!std::isfinite(value)) return nullptr;
  return std::round(value * 10.0) / 10.0;
}

json optional_tenths(const std::optional<double>& value) {
  return value ? tenths(*value) : json(nullptr);
}

json error_model(const fc::ErrorModel& model) {
  const bool cone = model.kind == fc::ErrorModel::Kind::kCone;
  json radii = json::array();
  for (const double r : model.table.radii_nm) radii.push_back(r);
  return {{"kind", fc::kind_name(model.kind)},
          {"basin", cone ? json(model.table.basin) : json(nullptr)},
          {"season", cone ? json(model.table.season) : json(nullptr)},
          {"scale", cone ? json(model.scale) : json(nullptr)},
          {"radii_nm", cone ? radii : json(nullptr)},
          {"margin_nm", model.margin_nm}};
}

json storms(const fc::ForecastAdvice& advice) {
  json list = json::array();
  for (const fc::StormSummary& storm : advice.storms) {
    list.push_back({{"storm_id", storm.storm_id},
                    {"advisory", storm.advisory.empty() ? json(nullptr) : json(storm.advisory)},
                    {"points", storm.points},
                    {"ends_at", navigation::format_utc_time(storm.ends_at)},
                    {"dissipated_at", storm.dissipated_at
                                          ? json(navigation::format_utc_time(*storm.dissipated_at))
                                          : json(nullptr)},
                    {"radii_carried_from_h", optional_tenths(storm.radii_carried_from_h)},
                    {"error_model", error_model(storm.error)},
                    {"basin_without_cone",
                     storm.basin_without_cone ? json(*storm.basin_without_cone) : json(nullptr)}});
  }
  return list;
}

json ranges(const std::vector<fc::CourseRange>& courses) {
  json list = json::array();
  for (const fc::CourseRange& range : courses) {
    list.push_back({{"first", range.first}, {"last", range.last}});
  }
  return list;
}

// The block's lines as the text prints them (before its 80-column wrapping), and beside them
// which part each line is.
void add_report(json& object, const std::vector<report::ForecastLine>& block) {
  json lines = json::array();
  json parts = json::array();
  for (const report::ForecastLine& line : block) {
    lines.push_back(line.text);
    parts.push_back(report::forecast_part_name(line.part));
  }
  object["report"] = lines;
  object["report_parts"] = parts;
}

// Per speed, every course's passage; none when no storm was judged (a passage then holds no
// clearance to state).
json speeds(const fc::ForecastAdvice& advice) {
  json list = json::array();
  if (!advice.sweep.judged) return list;
  for (std::size_t v = 0; v < fc::kSpeedFractions.size(); ++v) {
    json clearance = json::array();
    json min_at = json::array();
    json land_at = json::array();
    for (const fc::Passage& passage : advice.sweep.passages[v]) {
      clearance.push_back(tenths(passage.clearance_nm));
      min_at.push_back(tenths(passage.min_at_h));
      land_at.push_back(optional_tenths(passage.land_at_h));
    }
    json shut = json::array();
    for (const fc::ShutRange& run : advice.shut[v]) {
      shut.push_back({{"first", run.courses.first},
                      {"last", run.courses.last},
                      {"by", fc::shut_by_name(run.by)}});
    }
    list.push_back({{"speed_kn", advice.speeds_kn[v]},
                    {"clearance_nm", clearance},
                    {"min_at_h", min_at},
                    {"land_at_h", land_at},
                    {"open", ranges(advice.open[v])},
                    {"shut", shut}});
  }
  return list;
}

json recommended(const fc::ForecastAdvice& advice) {
  if (!advice.recommended) return nullptr;
  const fc::Recommendation& r = *advice.recommended;
  return {{"course_deg", r.stay_put ? json(nullptr) : json(r.course_deg)},
          {"stay_put", r.stay_put},
          {"choice", fc::choice_name(r.choice)},
          {"speed_kn", r.speed_kn},
          {"clearance_nm", tenths(r.passage.clearance_nm)},
          {"min_at_h", tenths(r.passage.min_at_h)},
          {"storm_id", advice.storms.at(r.passage.storm).storm_id},
          {"enters_at_h", optional_tenths(r.passage.enters_at_h)},
          {"wind_kt", r.passage.wind_kt > 0 ? json(r.passage.wind_kt) : json(nullptr)},
          {"wind_at_h", optional_tenths(r.passage.wind_at_h)},
          {"land_at_h", optional_tenths(r.passage.land_at_h)},
          {"leaves_at_h", optional_tenths(r.passage.leaves_at_h)},
          {"horizon_clearance_nm", tenths(r.passage.horizon_clearance_nm)},
          {"mean_clearance_nm", tenths(r.passage.mean_clearance_nm)}};
}

// Staying put over the horizon: what it meets and when, as the course passages say it.
json stay(const fc::Passage& stay) {
  return {{"clearance_nm", tenths(stay.clearance_nm)},
          {"min_at_h", tenths(stay.min_at_h)},
          {"enters_at_h", optional_tenths(stay.enters_at_h)},
          {"wind_kt", stay.wind_kt > 0 ? json(stay.wind_kt) : json(nullptr)},
          {"wind_at_h", optional_tenths(stay.wind_at_h)}};
}

json slower_speed(const fc::ForecastAdvice& advice) {
  const auto& r = advice.recommended;
  if (!r || r->stay_put || r->speed_index == 0) return nullptr;
  return r->speed_kn;
}

}  // namespace

nlohmann::ordered_json forecast_json(const forecast::ForecastAdvice& advice) {
  json object = {
      {"error_model", error_model(advice.error)},
      {"horizon_h", tenths(advice.sweep.horizon_h)},
      {"requested_horizon_h", tenths(advice.requested_horizon_h)},
      {"judged_from", navigation::format_utc_time(advice.at)},
      {"judged_until", navigation::format_utc_time(forecast::judged_until(advice))},
      {"voyage_course_deg",
       advice.voyage_course_deg
           ? json(static_cast<int>(std::lround(*advice.voyage_course_deg)) % 360)
           : json(nullptr)},
      {"voyage_toward", advice.voyage_toward.empty() ? json(nullptr) : json(advice.voyage_toward)},
      {"storms", storms(advice)},
      {"speeds", speeds(advice)},
      {"stay", stay(advice.sweep.stay)},
      {"recommended", recommended(advice)},
      {"none_open", advice.none_open},
      {"none_open_because", advice.none_open_because
                                ? json(fc::none_open_because_name(*advice.none_open_because))
                                : json(nullptr)},
      {"land_checked", advice.land_checked},
      {"land_closed", ranges(advice.land_closed)},
      {"classic_course_deg", advice.classic_course ? json(*advice.classic_course) : json(nullptr)},
      {"disagrees_with_classic", advice.disagrees_with_classic},
      {"classic_shut_by",
       advice.classic_course ? json(fc::shut_by_name(advice.classic_shut_by)) : json(nullptr)},
      {"starts_inside", advice.starts_inside},
      {"cannot_move", advice.cannot_move},
      {"stay_open", advice.stay_open},
      {"slower_speed_kn", slower_speed(advice)},
      {"no_forecast",
       advice.sweep.judged ? json(nullptr) : json("no storm's forecast reaches the advice time")}};
  add_report(object, report::forecast_block(advice));
  return object;
}

nlohmann::ordered_json forecast_json_without(std::string_view reason) {
  json object = {{"error_model", nullptr},
                 {"horizon_h", 0},
                 {"requested_horizon_h", nullptr},
                 {"judged_from", nullptr},
                 {"judged_until", nullptr},
                 {"voyage_course_deg", nullptr},
                 {"voyage_toward", nullptr},
                 {"storms", json::array()},
                 {"speeds", json::array()},
                 {"stay", nullptr},
                 {"recommended", nullptr},
                 {"none_open", false},
                 {"none_open_because", nullptr},
                 {"land_checked", false},
                 {"land_closed", json::array()},
                 {"classic_course_deg", nullptr},
                 {"disagrees_with_classic", false},
                 {"classic_shut_by", nullptr},
                 {"starts_inside", false},
                 {"cannot_move", false},
                 {"stay_open", false},
                 {"slower_speed_kn", nullptr},
                 {"no_forecast", std::string(reason)}};
  add_report(object, report::no_forecast_block(reason));
  return object;
}

}  // namespace hurricane::json

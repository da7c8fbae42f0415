#include "json/advisory_json.h"

#include <string>

#include "navigation/utc_time.h"

namespace hurricane::json {
namespace {

using json = nlohmann::ordered_json;

template <class T>
json optional(const std::optional<T>& value) {
  return value ? json(*value) : json(nullptr);
}

json radii(const std::optional<advisory::QuadrantRadii>& radii) {
  if (!radii) return nullptr;
  return {{"ne", (*radii)[advisory::Quadrant::kNE]},
          {"se", (*radii)[advisory::Quadrant::kSE]},
          {"sw", (*radii)[advisory::Quadrant::kSW]},
          {"nw", (*radii)[advisory::Quadrant::kNW]}};
}

json wind_radii(const advisory::WindRadii& given) {
  return {{"34", radii(given.kt34)}, {"50", radii(given.kt50)}, {"64", radii(given.kt64)}};
}

json forecast(const std::vector<advisory::ForecastPoint>& points) {
  json list = json::array();
  for (const advisory::ForecastPoint& point : points) {
    list.push_back({{"time", navigation::format_utc_time(point.time)},
                    {"outlook", point.outlook},
                    {"lat", point.centre ? json(point.centre->lat) : json(nullptr)},
                    {"lon", point.centre ? json(point.centre->lon) : json(nullptr)},
                    {"max_wind_kt", optional(point.max_wind_kt)},
                    {"gusts_kt", optional(point.gusts_kt)},
                    {"stage", point.stage.empty() ? json(nullptr) : json(point.stage)},
                    {"radii_nm", wind_radii(point.radii)}});
  }
  return list;
}

json fix(const advisory::Fix& fix) {
  return {{"lat", fix.centre.lat},
          {"lon", fix.centre.lon},
          {"time", navigation::format_utc_time(fix.time)}};
}

// What only a JTWC warning states; null for the other forms.
json warning_details(const std::optional<advisory::WarningDetails>& warning) {
  if (!warning) return nullptr;
  json next = json::array();
  for (const advisory::UtcTime& time : warning->next_warnings)
    next.push_back(navigation::format_utc_time(time));
  return {{"final", warning->final_warning},
          {"wind_average_min", warning->wind_average_min},
          {"movement_past_h", warning->movement_past_h},
          {"remarks_position", warning->remarks_fix ? fix(*warning->remarks_fix) : json(nullptr)},
          {"wave_height_ft", optional(warning->wave_height_ft)},
          {"next_warnings", next}};
}

json text_warnings(const std::vector<advisory::TextWarning>& warnings) {
  json list = json::array();
  for (const advisory::TextWarning& warning : warnings) {
    list.push_back({{"line", warning.line}, {"message", warning.message}});
  }
  return list;
}

json seas(const std::optional<advisory::SeasRadii>& seas) {
  if (!seas) return nullptr;
  return {{"height", seas->height},
          {"unit", seas->unit == advisory::SeasRadii::Unit::kFeet ? "ft" : "m"},
          {"radii_nm", radii(seas->radii)}};
}

json previous(const std::optional<advisory::Fix>& previous_fix) {
  return previous_fix ? fix(*previous_fix) : json(nullptr);
}

}  // namespace

nlohmann::ordered_json advisory_json(const answer::AdvisedStorm& advised,
                                     std::string_view keep_source) {
  const advisory::Storm& storm = advised.storm;
  const bool stationary = advised.motion.source == answer::MotionSource::kStationary;
  return {
      {"storm_id", storm.id},
      {"name", storm.name},
      {"kind", storm.kind},
      {"number", optional(storm.number)},
      {"issued", storm.issued ? json(navigation::format_utc_time(*storm.issued)) : json(nullptr)},
      {"analysis_technique",
       storm.analysis_technique.empty() ? json(nullptr) : json(storm.analysis_technique)},
      {"special", storm.special},
      {"corrected", storm.corrected},
      {"office", storm.centre_name},
      {"issued_by", storm.issued_by.empty() ? json(nullptr) : json(storm.issued_by)},
      {"centre", fix(storm.fix)},
      {"accuracy_nm", optional(storm.accuracy_nm)},
      {"movement", stationary ? json(nullptr)
                              : json{{"track_deg", advised.motion.motion.track},
                                     {"speed_kn", advised.motion.motion.speed}}},
      {"previous", previous(storm.previous)},
      {"max_wind_kt", storm.max_wind_kt},
      {"gusts_kt", optional(storm.gusts_kt)},
      {"pressure_mb", optional(storm.pressure_mb)},
      {"radii_nm", wind_radii(storm.radii)},
      {"seas", seas(storm.seas)},
      {"forecast", forecast(storm.forecast)},
      {"keep_source", std::string(keep_source)},
      {"next_advisory", storm.next_advisory
                            ? json(navigation::format_utc_time(*storm.next_advisory))
                            : json(nullptr)},
      {"jtwc_warning", warning_details(storm.warning)},
      {"text_warnings", text_warnings(storm.warnings)},
      {"advisory_keep", advised.keep
                            ? json{{"nm", advised.keep->nm}, {"source", advised.keep->source}}
                            : json(nullptr)}};
}

}  // namespace hurricane::json

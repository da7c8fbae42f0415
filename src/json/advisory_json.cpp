#include "json/advisory_json.h"

#include <string>

#include "situation/utc_time.h"

namespace hurricane::json {
namespace {

using json = nlohmann::ordered_json;

std::string iso_time(const advisory::UtcTime& time) {
  return situation::format_utc_time(advisory_situation::utc_time(time));
}

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
    list.push_back({{"time", iso_time(point.time)},
                    {"outlook", point.outlook},
                    {"lat", point.centre ? json(point.centre->lat_deg) : json(nullptr)},
                    {"lon", point.centre ? json(point.centre->lon_deg) : json(nullptr)},
                    {"max_wind_kt", optional(point.max_wind_kt)},
                    {"gusts_kt", optional(point.gusts_kt)},
                    {"stage", point.stage.empty() ? json(nullptr) : json(point.stage)},
                    {"radii_nm", wind_radii(point.radii)}});
  }
  return list;
}

json seas(const std::optional<advisory::SeasRadii>& seas) {
  if (!seas) return nullptr;
  return {{"height", seas->height},
          {"unit", seas->unit == advisory::SeasRadii::Unit::kFeet ? "ft" : "m"},
          {"radii_nm", radii(seas->radii)}};
}

json previous(const std::optional<advisory::Fix>& fix) {
  if (!fix) return nullptr;
  return {
      {"lat", fix->centre.lat_deg}, {"lon", fix->centre.lon_deg}, {"time", iso_time(fix->time)}};
}

}  // namespace

nlohmann::ordered_json advisory_json(const advisory_situation::AdvisedStorm& advised,
                                     std::string_view keep_source) {
  const advisory::Storm& storm = advised.storm;
  const bool stationary = advised.motion.source == advisory_situation::MotionSource::kStationary;
  return {{"storm_id", storm.id},
          {"name", storm.name},
          {"kind", storm.kind},
          {"number", optional(storm.number)},
          {"issued", storm.issued ? json(iso_time(*storm.issued)) : json(nullptr)},
          {"special", storm.special},
          {"corrected", storm.corrected},
          {"office", storm.centre_name},
          {"issued_by", storm.issued_by.empty() ? json(nullptr) : json(storm.issued_by)},
          {"centre",
           {{"lat", storm.fix.centre.lat_deg},
            {"lon", storm.fix.centre.lon_deg},
            {"time", iso_time(storm.fix.time)}}},
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
          {"keep_source", std::string(keep_source)}};
}

}  // namespace hurricane::json

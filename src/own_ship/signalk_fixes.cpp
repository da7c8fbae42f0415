#include "own_ship/signalk_fixes.h"

#include <cmath>
#include <cstdio>
#include <nlohmann/json.hpp>
#include <numbers>

#include "navigation/utc_time.h"

namespace hurricane::own_ship {
namespace {

using nlohmann::json;

constexpr const char* kPosition = "navigation.position";
constexpr const char* kCourse = "navigation.courseOverGroundTrue";
constexpr const char* kSpeed = "navigation.speedOverGround";
constexpr const char* kDatetime = "navigation.datetime";

// "2026-12-10T12:00:02.000Z" (fractions and the zone letter as Signal K writes them) to the
// whole second; nothing for any other form.
std::optional<UtcTime> iso_time(const std::string& text) {
  int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0;
  int read = 0;
  if (std::sscanf(text.c_str(), "%4d-%2d-%2dT%2d:%2d:%2d%n", &year, &month, &day, &hour, &minute,
                  &second, &read) != 6) {
    return std::nullopt;
  }
  std::size_t at = static_cast<std::size_t>(read);
  if (at < text.size() && text[at] == '.') {
    ++at;
    while (at < text.size() && text[at] >= '0' && text[at] <= '9') ++at;
  }
  if (text.substr(at) != "Z" && text.substr(at) != "+00:00") return std::nullopt;
  return navigation::civil_time(year, month, day, hour, minute, second);
}

std::optional<double> finite_number(const json& value) {
  if (!value.is_number()) return std::nullopt;
  const double number = value.get<double>();
  if (!std::isfinite(number)) return std::nullopt;
  return number;
}

// {"latitude": degrees, "longitude": degrees}, on the Earth.
std::optional<LatLon> lat_lon(const json& value) {
  if (!value.is_object() || !value.contains("latitude") || !value.contains("longitude")) {
    return std::nullopt;
  }
  const json& lat = value["latitude"];
  const json& lon = value["longitude"];
  if (!lat.is_number() || !lon.is_number()) return std::nullopt;
  const LatLon position{lat.get<double>(), lon.get<double>()};
  // Written so that NaN fails too.
  if (!(std::abs(position.lat) <= 90.0 && std::abs(position.lon) <= 180.0)) return std::nullopt;
  return position;
}

}  // namespace

std::string signalk_subscription() {
  json rows = json::array();
  for (const char* path : {kPosition, kCourse, kSpeed, kDatetime}) {
    rows.push_back({{"path", path}, {"policy", "instant"}, {"minPeriod", kMinPeriodMs}});
  }
  return json{{"context", "vessels.self"}, {"subscribe", rows}}.dump();
}

std::vector<Fix> SignalKFixes::take(std::string_view message) {
  std::vector<Fix> fixes;
  const json delta = json::parse(message, nullptr, false);
  if (!delta.is_object() || !delta.contains("updates") || !delta["updates"].is_array()) {
    return fixes;
  }
  for (const json& update : delta["updates"]) {
    if (!update.is_object() || !update.contains("values") || !update["values"].is_array()) {
      continue;
    }
    const std::string timestamp =
        update.contains("timestamp") && update["timestamp"].is_string() ? update["timestamp"] : "";
    // A value of a later update: the waiting position has all of its own by now.
    if (position_ && timestamp != position_timestamp_) {
      if (auto fix = flush()) fixes.push_back(*fix);
    }
    for (const json& entry : update["values"]) {
      if (!entry.is_object() || !entry.contains("path") || !entry["path"].is_string()) continue;
      const std::string path = entry["path"];
      const json value = entry.contains("value") ? entry["value"] : json();
      if (path == kPosition) {
        if (position_ && timestamp == position_timestamp_) continue;  // the same update again
        const std::optional<LatLon> position = lat_lon(value);
        if (!position) continue;
        position_ = position;
        position_timestamp_ = timestamp;
      } else if (path == kCourse) {
        cog_deg_ = finite_number(value);
        if (cog_deg_) {
          *cog_deg_ = std::fmod(*cog_deg_ * 180.0 / std::numbers::pi, 360.0);
          if (*cog_deg_ < 0.0) *cog_deg_ += 360.0;
        }
      } else if (path == kSpeed) {
        sog_kn_ = finite_number(value);
        if (sog_kn_) *sog_kn_ *= kKnotsPerMetrePerSecond;
      } else if (path == kDatetime) {
        datetime_ = value.is_string() ? iso_time(value.get<std::string>()) : std::nullopt;
        datetime_timestamp_ = timestamp;
        receiver_dates_ = receiver_dates_ || datetime_.has_value();
      }
    }
  }
  return fixes;
}

std::optional<Fix> SignalKFixes::flush() {
  if (!position_) return std::nullopt;
  Fix fix{*position_, cog_deg_, sog_kn_, UtcTime{}, "signalk"};
  // The receiver's own time when it came with this position, else the update's stamp.
  std::optional<UtcTime> time;
  if (datetime_ && datetime_timestamp_ == position_timestamp_) time = datetime_;
  if (!time && !receiver_dates_ && ++undated_ > kUndatedBeforeStamps) {
    time = iso_time(position_timestamp_);
  }
  position_.reset();
  if (!time) return std::nullopt;  // a fix with no time cannot be judged for age or jumps
  fix.time = *time;
  return fix;
}

}  // namespace hurricane::own_ship

#include "forecast/track.h"

#include <cmath>
#include <cstdio>

namespace hurricane::forecast {

double hours_between(Time from, Time to) {
  return static_cast<double>((to - from).count()) / 3600.0;
}

Time add_hours(Time from, double hours) {
  return from + std::chrono::seconds(static_cast<long long>(std::llround(hours * 3600.0)));
}

Time track_start(const StormTrack& track) {
  return add_hours(track.points.front().time, -kHindcastHours);
}

Time track_end(const StormTrack& track) {
  return track.points.back().time;
}

}  // namespace hurricane::forecast

namespace hurricane::forecast {
namespace {

struct Fields {
  int year, month, day, hour, minute, second;
};

Fields fields_of(Time time) {
  const auto days = std::chrono::floor<std::chrono::days>(time);
  const std::chrono::year_month_day date{days};
  const auto seconds = (time - days).count();
  return {static_cast<int>(date.year()),
          static_cast<int>(static_cast<unsigned>(date.month())),
          static_cast<int>(static_cast<unsigned>(date.day())),
          static_cast<int>(seconds / 3600),
          static_cast<int>(seconds / 60 % 60),
          static_cast<int>(seconds % 60)};
}

}  // namespace

std::string to_iso8601(Time time) {
  const Fields f = fields_of(time);
  char text[32];
  std::snprintf(text, sizeof text, "%04d-%02d-%02dT%02d:%02d:%02dZ", f.year, f.month, f.day, f.hour,
                f.minute, f.second);
  return text;
}

std::string to_day_time(Time time) {
  const Fields f = fields_of(time);
  char text[16];
  std::snprintf(text, sizeof text, "%02d/%02d%02dZ", f.day, f.hour, f.minute);
  return text;
}

}  // namespace hurricane::forecast

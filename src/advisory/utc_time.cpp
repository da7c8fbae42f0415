#include "advisory/utc_time.h"

namespace hurricane::advisory {

std::optional<UtcTime> stated_time(int year, int month, int day, int hour, int minute) {
  if (year < kFirstYear || year > kLastYear) return std::nullopt;
  return navigation::civil_time(year, month, day, hour, minute);
}

std::optional<UtcTime> resolve_day_time(UtcTime reference, int day, int hour, int minute) {
  constexpr std::chrono::days kWindow{10};
  const std::optional<UtcTime> time = navigation::nearest_day_time(reference, day, hour, minute);
  if (!time || std::chrono::abs(*time - reference) > kWindow) return std::nullopt;
  return time;
}

}  // namespace hurricane::advisory

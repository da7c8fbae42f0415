#include "cli/plan_choices.h"

#include <charconv>
#include <cmath>
#include <system_error>
#include <utility>

#include "situation/position.h"

namespace hurricane::cli {

Error unusable_option(std::string text) {
  return Error{ErrorKind::kUnusable, Field::kCommand, "", std::move(text)};
}

std::optional<double> option_number(const std::string& text) {
  double value = 0.0;
  const char* end = text.data() + text.size();
  const auto [stop, failed] = std::from_chars(text.data(), end, value);
  if (failed != std::errc{} || stop != end || !std::isfinite(value)) return std::nullopt;
  return value;
}

std::optional<Error> read_plan_choices(const PlanChoiceTexts& texts,
                                       answer::ForecastOptions& options) {
  if (texts.course) {
    const auto value = option_number(*texts.course);
    if (!value || *value < 0.0 || *value > 360.0) {
      return unusable_option("--course: expected degrees true from 0 to 360, such as 045");
    }
    options.voyage_course_deg = *value == 360.0 ? 0.0 : *value;
  }
  if (texts.to) {
    const Result<situation::LatLon> to = situation::parse_position(Field::kShip, *texts.to);
    if (!to.ok()) return unusable_option("--to: expected a position, such as 25.8N 080.2W");
    options.plan_to = to.value();
  }
  if (texts.sea_room) {
    const auto value = option_number(*texts.sea_room);
    if (!value || *value < 0.0 || *value > 100.0) {
      return unusable_option("--sea-room: expected nm from 0 to 100");
    }
    options.sea_room_nm = *value;
  }
  if (texts.avoid) {
    const std::string& avoid = *texts.avoid;
    if (avoid != "34" && avoid != "50" && avoid != "64") {
      return unusable_option("--avoid: expected 34, 50 or 64 (kt)");
    }
    options.avoid_kt = std::stoi(avoid);
  }
  return std::nullopt;
}

}  // namespace hurricane::cli

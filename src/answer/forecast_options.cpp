#include "answer/forecast_options.h"

#include <charconv>
#include <cmath>

namespace hurricane::answer {

std::optional<ErrorChoice> parse_error_choice(std::string_view text) {
  using Kind = forecast::ErrorModel::Kind;
  if (text == "none") return ErrorChoice{Kind::kNone, 1.0};
  if (text == "1-2-3") return ErrorChoice{Kind::kMarinersRule, 1.0};
  if (text == "cone") return ErrorChoice{Kind::kCone, 1.0};
  if (!text.starts_with("cone:")) return std::nullopt;
  const std::string_view number = text.substr(5);
  double scale = 0.0;
  const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), scale);
  if (error != std::errc{} || end != number.data() + number.size() || !std::isfinite(scale) ||
      scale <= 0.0 || scale > 10.0) {
    return std::nullopt;
  }
  return ErrorChoice{Kind::kCone, scale};
}

}  // namespace hurricane::answer

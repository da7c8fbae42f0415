#include "situation/position.h"

#include <cmath>
#include <cstdio>

#include "situation/number.h"

namespace hurricane::situation {
namespace {

constexpr const char* kForm = "expected LAT,LON such as 24.7,-66.4 or 24.7N,66.4W";

std::string_view trimmed(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
  return text;
}

// One coordinate: a number, or an unsigned number and one of the two letters `positive` and
// `negative`. Returns false when the text has neither form.
bool read_coordinate(std::string_view text, char positive, char negative, double& degrees) {
  text = trimmed(text);
  if (text.empty()) return false;
  double sign = 1.0;
  const char last = text.back();
  const bool lettered =
      last == positive || last == negative || last == positive + 32 || last == negative + 32;
  if (lettered) {
    text = trimmed(text.substr(0, text.size() - 1));
    if (text.empty() || text.front() == '-' || text.front() == '+') return false;
    if (last == negative || last == negative + 32) sign = -1.0;
  }
  const Result<double> number = parse_number(Field::kShip, text);
  if (!number.ok()) return false;
  degrees = sign * number.value();
  return true;
}

}  // namespace

Result<LatLon> parse_position(Field field, std::string_view text) {
  auto unusable = [&](std::string problem) {
    return Error{ErrorKind::kUnusable, field, std::string(text), std::move(problem)};
  };
  const std::size_t comma = text.find(',');
  if (comma == std::string_view::npos || text.find(',', comma + 1) != std::string_view::npos) {
    return unusable(kForm);
  }
  LatLon position;
  if (!read_coordinate(text.substr(0, comma), 'N', 'S', position.lat)) {
    return unusable(std::string("unreadable latitude: ") + kForm);
  }
  if (!read_coordinate(text.substr(comma + 1), 'E', 'W', position.lon)) {
    return unusable(std::string("unreadable longitude: ") + kForm);
  }
  if (std::fabs(position.lat) > 90.0) return unusable("latitude beyond 90 degrees");
  if (std::fabs(position.lon) > 180.0) return unusable("longitude beyond 180 degrees");
  return position;
}

std::string format_position(LatLon position) {
  // Rounded first, so that -0.04 reads 0.0N rather than 0.0S.
  const double lat = std::round(position.lat * 10.0) / 10.0;
  const double lon = std::round(position.lon * 10.0) / 10.0;
  char text[32];
  std::snprintf(text, sizeof text, "%.1f%c %.1f%c", std::fabs(lat), lat < 0 ? 'S' : 'N',
                std::fabs(lon), lon < 0 ? 'W' : 'E');
  return text;
}

}  // namespace hurricane::situation

#include "route/xml_source.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <system_error>
#include <utility>

namespace hurricane::route {
namespace {

std::string_view trimmed(std::string_view text) {
  constexpr std::string_view kBlanks = " \t\r\n";
  const auto first = text.find_first_not_of(kBlanks);
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
}

// A decimal number that is the whole (trimmed) text and finite.
std::optional<double> decimal(std::string_view text) {
  text = trimmed(text);
  if (!text.empty() && text.front() == '+') text.remove_prefix(1);
  double value = 0.0;
  const char* end = text.data() + text.size();
  const auto [stop, failed] = std::from_chars(text.data(), end, value);
  if (text.empty() || failed != std::errc{} || stop != end || !std::isfinite(value)) {
    return std::nullopt;
  }
  return value;
}

// The value of one coordinate attribute, or why it cannot be used.
Result<double> coordinate(const XmlSource& source, pugi::xml_node node, const char* name,
                          double limit, const char* what) {
  const pugi::xml_attribute attribute = node.attribute(name);
  if (!attribute)
    return source.error(node, std::string(local_name(node)) + ": no " + name + " attribute");
  const std::string shown =
      std::string(local_name(node)) + " " + name + " \"" + attribute.value() + "\"";
  const auto value = decimal(attribute.value());
  if (!value) return source.error(node, shown + ": not a number of degrees");
  if (std::abs(*value) > limit) {
    return source.error(node, shown + ": " + what + " beyond " +
                                  std::to_string(static_cast<int>(limit)) + " degrees");
  }
  return *value;
}

}  // namespace

std::size_t XmlSource::line_of(std::ptrdiff_t offset) const {
  if (offset < 0) return 1;
  const auto end =
      static_cast<std::size_t>(offset) < bytes.size() ? bytes.begin() + offset : bytes.end();
  return 1 + static_cast<std::size_t>(std::count(bytes.begin(), end, '\n'));
}

Error XmlSource::error_at_line(std::size_t line, std::string problem) const {
  return Error{ErrorKind::kUnusable, Field::kRoute, std::string(name), std::move(problem), line};
}

std::string_view local_name(pugi::xml_node node) {
  const std::string_view name = node.name();
  const auto colon = name.find(':');
  return colon == std::string_view::npos ? name : name.substr(colon + 1);
}

pugi::xml_node child(pugi::xml_node node, std::string_view name) {
  for (pugi::xml_node element : node.children()) {
    if (element.type() == pugi::node_element && local_name(element) == name) return element;
  }
  return {};
}

std::string_view namespace_of(pugi::xml_node node) {
  const std::string_view name = node.name();
  const auto colon = name.find(':');
  const std::string attribute =
      colon == std::string_view::npos ? "xmlns" : "xmlns:" + std::string(name.substr(0, colon));
  for (pugi::xml_node at = node; at; at = at.parent()) {
    if (const pugi::xml_attribute bound = at.attribute(attribute.c_str())) return bound.value();
  }
  return {};
}

std::string child_text(pugi::xml_node node, std::string_view name) {
  return std::string(trimmed(child(node, name).text().get()));
}

Result<navigation::LatLon> attribute_position(const XmlSource& source, pugi::xml_node node) {
  const Result<double> lat = coordinate(source, node, "lat", 90.0, "latitude");
  if (!lat.ok()) return lat.error();
  const Result<double> lon = coordinate(source, node, "lon", 180.0, "longitude");
  if (!lon.ok()) return lon.error();
  return navigation::LatLon{lat.value(), lon.value()};
}

std::optional<Error> too_many(const XmlSource& source, pugi::xml_node point, std::size_t count) {
  if (count <= kMaxWaypoints) return std::nullopt;
  return source.error(
      point, "more than " + std::to_string(kMaxWaypoints) + " points: not a route a plotter holds");
}

std::string name_or_place(std::string name, std::size_t index) {
  return name.empty() ? "WP" + std::to_string(index + 1) : std::move(name);
}

}  // namespace hurricane::route

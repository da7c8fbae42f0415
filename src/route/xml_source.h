// What the GPX and RTZ readers share: element names without prefixes, numbers, lines.
#pragma once

#include <cstddef>
#include <optional>
#include <pugixml.hpp>
#include <string>
#include <string_view>
#include <utility>

#include "route/route.h"

namespace hurricane::route {

// The file being read: its name and bytes, for the line of a node.
struct XmlSource {
  std::string_view name;
  std::string_view bytes;

  std::size_t line_of(std::ptrdiff_t offset) const;
  std::size_t line_of(pugi::xml_node node) const { return line_of(node.offset_debug()); }
  // The error of the file at the 1-based `line`, or at `node`'s line.
  Error error_at_line(std::size_t line, std::string problem) const;
  Error error(pugi::xml_node node, std::string problem) const {
    return error_at_line(line_of(node), std::move(problem));
  }
};

// An element's name without its namespace prefix ("gpx:rtept" -> "rtept").
std::string_view local_name(pugi::xml_node node);
// The first child element of that local name; a null node when there is none.
pugi::xml_node child(pugi::xml_node node, std::string_view name);
// The namespace URI bound to the prefix of `node`'s name, looked up on it and its ancestors.
std::string_view namespace_of(pugi::xml_node node);
// The trimmed text content of the child element `name`; empty when there is none.
std::string child_text(pugi::xml_node node, std::string_view name);

// A waypoint's position from its lat and lon attributes, or why they cannot be used (at `node`).
Result<navigation::LatLon> attribute_position(const XmlSource& source, pugi::xml_node node);

// Checks the point count as points are gathered: the error at the point beyond the limit.
std::optional<Error> too_many(const XmlSource& source, pugi::xml_node point, std::size_t count);

// "WP<n>" for the n-th (1-based) point when it has no name.
std::string name_or_place(std::string name, std::size_t index);

}  // namespace hurricane::route

#include "route/gpx_reader.h"

#include <utility>

#include "route/iso_time.h"

namespace hurricane::route {
namespace {

// One rtept or trkpt: its position, name and time.
Result<Waypoint> read_point(const XmlSource& source, pugi::xml_node point, std::size_t index) {
  const Result<navigation::LatLon> position = attribute_position(source, point);
  if (!position.ok()) return position.error();
  Waypoint waypoint{name_or_place(child_text(point, "name"), index), position.value(),
                    std::nullopt};
  if (const pugi::xml_node time = child(point, "time")) {
    const std::string text = child_text(point, "time");
    waypoint.time = parse_iso_time(text);
    if (!waypoint.time) {
      return source.error(
          time, "time \"" + text + "\": expected ISO 8601 UTC such as " + "2026-09-12T18:00:00Z");
    }
  }
  return waypoint;
}

// The child elements `point_name` of `parent`, in order, added to the route.
std::optional<Error> read_points(const XmlSource& source, pugi::xml_node parent,
                                 std::string_view point_name, Route& route) {
  for (pugi::xml_node point : parent.children()) {
    if (point.type() != pugi::node_element || local_name(point) != point_name) continue;
    if (auto error = too_many(source, point, route.waypoints.size() + 1)) return error;
    Result<Waypoint> read = read_point(source, point, route.waypoints.size());
    if (!read.ok()) return read.error();
    route.waypoints.push_back(std::move(read.value()));
  }
  return std::nullopt;
}

}  // namespace

Result<Route> read_gpx(const XmlSource& source, pugi::xml_node gpx) {
  Route route;
  pugi::xml_node holder = child(gpx, "rte");
  if (holder) {
    if (auto error = read_points(source, holder, "rtept", route)) return std::move(*error);
  } else if ((holder = child(gpx, "trk"))) {
    for (pugi::xml_node segment : holder.children()) {
      if (segment.type() != pugi::node_element || local_name(segment) != "trkseg") continue;
      if (auto error = read_points(source, segment, "trkpt", route)) return std::move(*error);
    }
  } else {
    return source.error(gpx, "the GPX file holds no route (rte) and no track (trk)");
  }
  if (route.waypoints.size() < 2) {
    return source.error(holder, std::string(local_name(holder)) + " holds " +
                                    std::to_string(route.waypoints.size()) +
                                    " points: a route needs at least 2");
  }
  route.name = child_text(holder, "name");
  if (route.name.empty()) route.name = child_text(child(gpx, "metadata"), "name");
  return route;
}

}  // namespace hurricane::route

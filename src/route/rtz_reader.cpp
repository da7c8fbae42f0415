#include "route/rtz_reader.h"

#include <map>
#include <utility>

#include "route/iso_time.h"

namespace hurricane::route {
namespace {

// The elements of the schedule's list to take times from: the first schedule's calculated
// times, else its manual ones; a null node when there are none.
pugi::xml_node schedule_list(pugi::xml_node root) {
  const pugi::xml_node schedule = child(child(root, "schedules"), "schedule");
  if (const pugi::xml_node calculated = child(schedule, "calculated")) return calculated;
  return child(schedule, "manual");
}

// Sets the waypoints' times from `list`'s scheduleElements (eta, else etd).
std::optional<Error> read_times(const XmlSource& source, pugi::xml_node list,
                                const std::map<std::string, std::size_t>& by_id, Route& route) {
  for (pugi::xml_node element : list.children()) {
    if (element.type() != pugi::node_element || local_name(element) != "scheduleElement") {
      continue;
    }
    const std::string id = element.attribute("waypointId").value();
    const auto found = by_id.find(id);
    if (found == by_id.end()) {
      return source.error(element,
                          "scheduleElement waypointId \"" + id + "\": no waypoint has that id");
    }
    pugi::xml_attribute time = element.attribute("eta");
    if (!time) time = element.attribute("etd");
    if (!time) continue;
    const auto moment = parse_iso_time(time.value());
    if (!moment) {
      return source.error(element, std::string("scheduleElement ") + time.name() + " \"" +
                                       time.value() +
                                       "\": expected ISO 8601 UTC such as 2026-09-12T18:00:00Z");
    }
    route.waypoints[found->second].time = moment;
  }
  return std::nullopt;
}

}  // namespace

Result<Route> read_rtz(const XmlSource& source, pugi::xml_node root) {
  const pugi::xml_node waypoints = child(root, "waypoints");
  if (!waypoints) return source.error(root, "the RTZ route has no waypoints element");
  Route route;
  std::map<std::string, std::size_t> by_id;
  for (pugi::xml_node point : waypoints.children()) {
    if (point.type() != pugi::node_element || local_name(point) != "waypoint") continue;
    if (auto error = too_many(source, point, route.waypoints.size() + 1)) return std::move(*error);
    const pugi::xml_node position = child(point, "position");
    if (!position) return source.error(point, "waypoint without a position");
    const Result<navigation::LatLon> place = attribute_position(source, position);
    if (!place.ok()) return place.error();
    const std::string id = point.attribute("id").value();
    if (!id.empty() && !by_id.emplace(id, route.waypoints.size()).second) {
      return source.error(point, "waypoint id \"" + id + "\" is given twice");
    }
    route.waypoints.push_back(
        {name_or_place(point.attribute("name").value(), route.waypoints.size()), place.value(),
         std::nullopt});
  }
  if (route.waypoints.size() < 2) {
    return source.error(waypoints, "waypoints holds " + std::to_string(route.waypoints.size()) +
                                       " waypoints: a route needs at least 2");
  }
  if (auto error = read_times(source, schedule_list(root), by_id, route)) {
    return std::move(*error);
  }
  route.name = child(root, "routeInfo").attribute("routeName").value();
  return route;
}

}  // namespace hurricane::route

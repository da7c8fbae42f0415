#include "route/write_route.h"

#include <array>
#include <charconv>
#include <pugixml.hpp>
#include <sstream>

namespace hurricane::route {
namespace {

// Degrees to 1e-7 (about 0.00001' of arc): reading back gives the same point.
std::string degrees(double value) {
  std::array<char, 32> text{};
  const auto end =
      std::to_chars(text.data(), text.data() + text.size(), value, std::chars_format::fixed, 7);
  return std::string(text.data(), end.ptr);
}

void set_position(pugi::xml_node node, navigation::LatLon position) {
  node.append_attribute("lat").set_value(degrees(position.lat).c_str());
  node.append_attribute("lon").set_value(degrees(position.lon).c_str());
}

std::string document_text(const pugi::xml_document& document) {
  std::ostringstream out;
  document.save(out, "  ", pugi::format_default, pugi::encoding_utf8);
  return out.str();
}

pugi::xml_node declared(pugi::xml_document& document) {
  pugi::xml_node declaration = document.append_child(pugi::node_declaration);
  declaration.append_attribute("version").set_value("1.0");
  declaration.append_attribute("encoding").set_value("UTF-8");
  return declaration;
}

}  // namespace

std::string gpx_text(const Route& route) {
  pugi::xml_document document;
  declared(document);
  pugi::xml_node gpx = document.append_child("gpx");
  gpx.append_attribute("version").set_value("1.1");
  gpx.append_attribute("creator").set_value("hurricane-escape");
  gpx.append_attribute("xmlns").set_value("http://www.topografix.com/GPX/1/1");
  pugi::xml_node rte = gpx.append_child("rte");
  rte.append_child("name").text().set(route.name.c_str());
  for (const Waypoint& waypoint : route.waypoints) {
    pugi::xml_node point = rte.append_child("rtept");
    set_position(point, waypoint.position);
    // GPX orders a point's children: time comes before name.
    if (waypoint.time) {
      point.append_child("time").text().set(navigation::format_utc_time(*waypoint.time).c_str());
    }
    point.append_child("name").text().set(waypoint.name.c_str());
  }
  return document_text(document);
}

std::string rtz_text(const Route& route) {
  pugi::xml_document document;
  declared(document);
  pugi::xml_node root = document.append_child("route");
  root.append_attribute("xmlns").set_value("http://www.cirm.org/RTZ/1/1");
  root.append_attribute("version").set_value("1.1");
  root.append_child("routeInfo").append_attribute("routeName").set_value(route.name.c_str());
  pugi::xml_node waypoints = root.append_child("waypoints");
  bool timed = false;
  for (std::size_t i = 0; i < route.waypoints.size(); ++i) {
    const Waypoint& waypoint = route.waypoints[i];
    pugi::xml_node point = waypoints.append_child("waypoint");
    point.append_attribute("id").set_value(std::to_string(i + 1).c_str());
    point.append_attribute("name").set_value(waypoint.name.c_str());
    set_position(point.append_child("position"), waypoint.position);
    timed = timed || waypoint.time.has_value();
  }
  if (timed) {
    pugi::xml_node schedule = root.append_child("schedules").append_child("schedule");
    schedule.append_attribute("id").set_value("1");
    pugi::xml_node calculated = schedule.append_child("calculated");
    for (std::size_t i = 0; i < route.waypoints.size(); ++i) {
      if (!route.waypoints[i].time) continue;
      pugi::xml_node element = calculated.append_child("scheduleElement");
      element.append_attribute("waypointId").set_value(std::to_string(i + 1).c_str());
      element.append_attribute("eta").set_value(
          navigation::format_utc_time(*route.waypoints[i].time).c_str());
    }
  }
  return document_text(document);
}

}  // namespace hurricane::route

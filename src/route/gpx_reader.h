// GPX 1.0 and 1.1: the first route, else the first track's points.
#pragma once

#include <pugixml.hpp>

#include "route/route.h"
#include "route/xml_source.h"

namespace hurricane::route {

// The route of the GPX document whose root element is `gpx`.
Result<Route> read_gpx(const XmlSource& source, pugi::xml_node gpx);

}  // namespace hurricane::route

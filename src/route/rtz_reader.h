// RTZ 1.0 and 1.1, the route exchange format of ECDIS.
#pragma once

#include <pugixml.hpp>

#include "route/route.h"
#include "route/xml_source.h"

namespace hurricane::route {

// The route of the RTZ document whose root element is `route`.
Result<Route> read_rtz(const XmlSource& source, pugi::xml_node root);

}  // namespace hurricane::route

// The dangerous quarter and the area verdict that close the report.
#pragma once

#include "console/output.h"
#include "report/escape_sectors.h"

namespace hurricane::report {

// Prints the dangerous-quarter warning when the ship lies ahead of the
// hurricane and on its dangerous side (right of the track in the northern
// hemisphere, left in the southern: `nosu` above 1), then the verdict for `area`.
// `alfa` is the angle from the track to the ship, degrees, positive clockwise.
void write_verdict(int nosu, double alfa, Area area, console::Output& out);

}  // namespace hurricane::report

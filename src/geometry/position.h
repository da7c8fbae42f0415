// Conversion between bearing/range and plane coordinates (x north, y east).
#pragma once

namespace hurricane::geometry {

// xbepo: bearing `be` (degrees, reduced in place into [0, 360)) and range `ra` (any unit, a
// negative range gives the opposite point) to the point xx = ra cos be (north), yy = ra sin be
// (east).
void xbepo(double& be, double ra, double& xx, double& yy);

// xpobe: point (xx north, yy east) to bearing `be` in [0, 360) and range `ra`, which carries a
// bias of single-precision 1e-19 under the root (never 0; the origin gives 180 and 3.1623e-10).
// A coordinate equal to 0 counts as south or west; a NaN coordinate gives a NaN bearing.
void xpobe(double xx, double yy, double& be, double& ra);

}  // namespace hurricane::geometry

// Shapes the parts of the picture share: sectors, arrows, lines.
#pragma once

#include <string>
#include <string_view>

#include "navigation/units.h"
#include "picture/layout.h"

namespace hurricane::picture {

// sector_path: the path data of the annular sector around (cx, cy) between the radii
// `inner` and `outer` (pixels; inner 0 gives a wedge), clockwise from the bearing
// `from` through `span` degrees (clockwise). A span of 360 or more gives the whole annulus.
std::string sector_path(double cx, double cy, double inner, double outer, double from, double span);

// Stroke of a line: its colour, width (pixels) and dash pattern ("" for solid).
struct Stroke {
  std::string_view colour;
  double width = 1;
  std::string_view dash;
};

// line: appends a line from `a` to `b` with the given stroke.
void line(std::string& out, Screen a, Screen b, const Stroke& stroke);

// arrow: appends a shaft from `tail` to `tip` with the given stroke and a solid head at the
// tip, `head` pixels long. Nothing when either end is not finite.
void arrow(std::string& out, Screen tail, Screen tip, const Stroke& stroke, double head);

// label: appends text at `at`, anchored so that it lies beyond a point in the direction
// `bearing` (degrees) from it: to the right of points on the east side, and so on.
void label(std::string& out, Screen at, double bearing, std::string_view colour,
           std::string_view content, double size = 13);

}  // namespace hurricane::picture

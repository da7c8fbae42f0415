#include "picture/shapes.h"

#include <cmath>
#include <numbers>

#include "picture/svg.h"

namespace hurricane::picture {
namespace {

std::string point_text(Screen p) {
  return coord(p.x) + "," + coord(p.y);
}

}  // namespace

std::string sector_path(double cx, double cy, double inner, double outer, double from,
                        double span) {
  if (span >= 360) {
    // The whole annulus: two circles, the inner one a hole (even-odd fill).
    std::string d;
    for (const double r : {outer, inner}) {
      if (r <= 0) continue;
      d += "M" + coord(cx) + "," + coord(cy - r) + " A" + coord(r) + "," + coord(r) + " 0 1 1 " +
           coord(cx) + "," + coord(cy + r) + " A" + coord(r) + "," + coord(r) + " 0 1 1 " +
           coord(cx) + "," + coord(cy - r) + " Z ";
    }
    return d;
  }
  const std::string large = span > 180 ? "1" : "0";
  const Screen o1 = at_bearing(cx, cy, from, outer);
  const Screen o2 = at_bearing(cx, cy, from + span, outer);
  std::string d = "M" + point_text(o1) + " A" + coord(outer) + "," + coord(outer) + " 0 " + large +
                  " 1 " + point_text(o2);
  if (inner > 0) {
    const Screen i2 = at_bearing(cx, cy, from + span, inner);
    const Screen i1 = at_bearing(cx, cy, from, inner);
    d += " L" + point_text(i2) + " A" + coord(inner) + "," + coord(inner) + " 0 " + large + " 0 " +
         point_text(i1);
  } else {
    d += " L" + coord(cx) + "," + coord(cy);
  }
  return d + " Z";
}

void line(std::string& out, Screen a, Screen b, const Stroke& stroke) {
  if (!finite(a) || !finite(b)) return;
  element(out, "line",
          {{"x1", coord(a.x)},
           {"y1", coord(a.y)},
           {"x2", coord(b.x)},
           {"y2", coord(b.y)},
           {"stroke", std::string(stroke.colour)},
           {"stroke-width", coord(stroke.width)},
           {"stroke-dasharray", stroke.dash.empty() ? "none" : std::string(stroke.dash)}});
}

void arrow(std::string& out, Screen tail, Screen tip, const Stroke& stroke, double head) {
  if (!finite(tail) || !finite(tip)) return;
  const double dx = tip.x - tail.x;
  const double dy = tip.y - tail.y;
  const double length = std::hypot(dx, dy);
  if (!(length > 0)) return;
  const double ux = dx / length;
  const double uy = dy / length;
  // The shaft stops where the head begins, so a dashed shaft does not show through it.
  const Screen base{tip.x - ux * head, tip.y - uy * head};
  line(out, tail, base, stroke);
  const double half = head * 0.4;
  const Screen left{base.x - uy * half, base.y + ux * half};
  const Screen right{base.x + uy * half, base.y - ux * half};
  element(out, "polygon",
          {{"points", point_text(tip) + " " + point_text(left) + " " + point_text(right)},
           {"fill", std::string(stroke.colour)}});
}

void label(std::string& out, Screen at, double bearing, std::string_view colour,
           std::string_view content, double size) {
  if (!finite(at)) return;
  const double b = bearing * kRadiansPerDegree;
  const double east = std::sin(b);
  const double north = std::cos(b);
  const std::string anchor = east > 0.35 ? "start" : east < -0.35 ? "end" : "middle";
  // Text hangs below points to the south and sits above points to the north.
  const double dy = north > 0.35 ? -4 : north < -0.35 ? size : size * 0.35;
  text(out,
       {{"x", coord(at.x + 4 * east)},
        {"y", coord(at.y + dy)},
        {"fill", std::string(colour)},
        {"font-size", coord(size)},
        {"text-anchor", anchor}},
       content);
}

}  // namespace hurricane::picture

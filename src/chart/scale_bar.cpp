// The scale bar: a round number of nautical miles at the chart's middle latitude, in the plot's
// lower right corner. Mercator's scale grows away from the equator, so the bar names its latitude.
#include <cmath>

#include "chart/scene.h"
#include "picture/svg.h"

namespace hurricane::chart {
namespace {

using picture::coord;

// The bar is the longest round length no longer than this.
constexpr double kMostPx = 160.0;

}  // namespace

double scale_bar_nm(double pixels_per_nm) {
  if (!(pixels_per_nm > 0.0) || !std::isfinite(pixels_per_nm)) return 0.0;
  const double most_nm = kMostPx / pixels_per_nm;
  double best = 0.0;
  for (double decade = std::pow(10.0, std::floor(std::log10(most_nm)) - 1.0); decade <= most_nm;
       decade *= 10.0) {
    for (const double step : {1.0, 2.0, 5.0}) {
      if (step * decade <= most_nm) best = step * decade;
    }
  }
  return best;
}

void draw_scale_bar(const Scene& scene, std::string& out) {
  const Projection& projection = scene.projection;
  const double lat = projection.centre_lat_deg();
  const double per_nm = projection.pixels_per_nm(lat);
  const double nm = scale_bar_nm(per_nm);
  if (nm <= 0.0) return;
  const double length = nm * per_nm;
  const PlotArea& area = projection.area();
  const std::string text = picture::amount(nm) + " nm at " +
                           picture::amount(std::round(std::abs(lat))) + (lat >= 0.0 ? "°N" : "°S");
  const Box size = label_size(text);
  // Right-aligned above the row of longitude labels; labels keep off it.
  const double right = area.left + area.width - 12.0;
  const double y = area.top + area.height - 30.0;
  const double left = right - std::max(length, size.width);
  scene.labels.block({left - 4.0, y - size.height - 4.0, right - left + 8.0, size.height + 12.0});
  const double x0 = right - length;
  const ChartPalette& c = scene.colours;
  picture::open(out, "g",
                {{"class", "scale-bar"},
                 {"data-nm", picture::exact(nm)},
                 {"data-lat", picture::exact(lat)},
                 {"data-px", picture::exact(length)}});
  // White and ink halves over a halo casing, readable over land and sea alike.
  picture::element(out, "rect",
                   {{"x", coord(x0 - 2.0)},
                    {"y", coord(y - 2.0)},
                    {"width", coord(length + 4.0)},
                    {"height", "9"},
                    {"fill", c.halo}});
  picture::element(out, "rect",
                   {{"x", coord(x0)},
                    {"y", coord(y)},
                    {"width", coord(length / 2.0)},
                    {"height", "5"},
                    {"fill", c.ink}});
  picture::element(out, "rect",
                   {{"x", coord(x0 + length / 2.0)},
                    {"y", coord(y)},
                    {"width", coord(length / 2.0)},
                    {"height", "5"},
                    {"fill", c.halo},
                    {"stroke", c.ink},
                    {"stroke-width", "1"}});
  picture::element(out, "rect",
                   {{"x", coord(x0)},
                    {"y", coord(y)},
                    {"width", coord(length)},
                    {"height", "5"},
                    {"fill", "none"},
                    {"stroke", c.ink},
                    {"stroke-width", "1"}});
  picture::text(out,
                {{"x", coord(right - size.width + 2.0)},
                 {"y", coord(y - 4.0)},
                 {"font-size", "11"},
                 {"fill", c.ink},
                 {"paint-order", "stroke"},
                 {"stroke", c.halo},
                 {"stroke-width", "3"}},
                text);
  picture::close(out, "g");
}

}  // namespace hurricane::chart

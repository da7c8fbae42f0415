#include "picture/maneuvering_board.h"

#include "picture/parts.h"
#include "picture/svg.h"

namespace hurricane::picture {

std::string maneuvering_board(const analysis::Advice& advice, const PictureOptions& options) {
  Legend legend;
  const Scene scene{advice, board_for(advice), palette(options.night), legend};
  std::string out = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
  open(out, "svg",
       {{"xmlns", "http://www.w3.org/2000/svg"},
        {"version", "1.1"},
        {"width", coord(kCanvasWidth)},
        {"height", coord(kCanvasHeight)},
        {"viewBox", "0 0 " + coord(kCanvasWidth) + " " + coord(kCanvasHeight)},
        {"font-family", "sans-serif"},
        {"data-area", analysis::area_name(advice.verdict.area)},
        {"data-dangerous-quarter", advice.verdict.in_dangerous_quarter ? "true" : "false"},
        {"data-hemisphere", analysis::hemisphere_name(advice.hemisphere)},
        {"data-palette", options.night ? "night" : "day"}});
  element(out, "rect",
          {{"width", coord(kCanvasWidth)},
           {"height", coord(kCanvasHeight)},
           {"fill", scene.colours.background}});
  draw_definitions(scene, out);
  draw_quarter(scene, out);
  draw_shore(scene, out);
  draw_range_rings(scene, out);
  draw_bearing_ring(scene, out);
  draw_storm(scene, out);
  draw_plan(scene, out);  // under the arrows of [A] and [B], which it may lie along
  draw_courses(scene, out);
  draw_velocity_inset(scene, out);
  draw_texts(scene, out);
  close(out, "svg");
  return out;
}

}  // namespace hurricane::picture

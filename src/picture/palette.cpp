#include "picture/palette.h"

namespace hurricane::picture {

const Palette& palette(bool night) {
  static const Palette kDay{
      .background = "#ffffff",
      .ink = "#000000",
      .faint = "#8c8c8c",
      .admissible = "#009e73",  // bluish green
      .closed = "#e6e6e6",
      .closed_hatch = "#6e6e6e",
      .storm = "#d55e00",    // vermillion
      .quarter = "#e69f00",  // orange
      .escape = "#0072b2",   // blue
      .max_cpa = "#cc79a7",  // reddish purple
      .uncertainty = "#b3b3b3",
      .plan = "#000000",
      .shore = "#8c6d31",  // brown
  };
  // Night: only reds, bright for what carries advice, dim for the frame.
  static const Palette kNight{
      .background = "#000000",
      .ink = "#ff3b3b",
      .faint = "#701010",
      .admissible = "#ff1a1a",
      .closed = "#240000",
      .closed_hatch = "#7a1616",
      .storm = "#ff5c5c",
      .quarter = "#ff4a4a",  // brighter than the closed courses' hatch
      .escape = "#ff7070",
      .max_cpa = "#ff9999",
      .uncertainty = "#5a0a0a",
      .plan = "#ffd6d6",
      .shore = "#b04040",
  };
  return night ? kNight : kDay;
}

}  // namespace hurricane::picture

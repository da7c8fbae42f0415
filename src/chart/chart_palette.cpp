#include "chart/chart_palette.h"

namespace hurricane::chart {

const ChartPalette& chart_palette(bool night) {
  static const ChartPalette kDay{
      .sea = "#f4f9fc",
      .land = "#e9e2cc",
      .shore = "#8c7b55",
      .graticule = "#9fb4c2",
      .ink = "#000000",
      .halo = "#ffffff",
      .storm = "#d55e00",  // vermillion
      .wind = {"#f0e442", "#e69f00", "#d55e00"},
      .swath_fill = "#f2b8b8",
      .swath_edge = "#b2182b",
      .fan = "#009e73",      // bluish green
      .track = "#0072b2",    // blue
      .classic = "#cc79a7",  // reddish purple
      .plan = "#003f7f",     // the recommended track's blue, darker
  };
  // Night: only reds, dim for the frame and the areas, bright for what carries advice.
  static const ChartPalette kNight{
      .sea = "#000000",
      .land = "#1c0303",
      .shore = "#6a1212",
      .graticule = "#4a0c0c",
      .ink = "#ff3b3b",
      .halo = "#000000",
      .storm = "#ff5c5c",
      .wind = {"#3a0606", "#5a0a0a", "#7a0e0e"},
      .swath_fill = "#2e0404",
      .swath_edge = "#ff2020",
      .fan = "#c01010",
      .track = "#ff8080",
      .classic = "#ff9999",
      .plan = "#ffb3b3",
  };
  return night ? kNight : kDay;
}

}  // namespace hurricane::chart

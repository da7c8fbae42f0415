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
      .fan_opacity = "0.22",
      .wind_opacity = "0.3",
  };
  // Night: only reds, dim for the frame and the areas, bright for what carries advice; every
  // area still apart from the black sea (see the chart tests' contrast check).
  static const ChartPalette kNight{
      .sea = "#000000",
      .land = "#4f2016",  // dim brown-red: apart from the black sea, still dark
      .shore = "#a03a2a",
      .graticule = "#4a0c0c",
      .ink = "#ff3b3b",
      .halo = "#000000",
      .storm = "#ff5c5c",
      .wind = {"#8c1414", "#a81616", "#c81a1a"},
      .swath_fill = "#2e0404",
      .swath_edge = "#ff2020",
      .fan = "#ff2a2a",
      .track = "#ff8080",
      .classic = "#ff9999",
      .plan = "#ffb3b3",
      .fan_opacity = "0.4",
      .wind_opacity = "0.5",
  };
  return night ? kNight : kDay;
}

}  // namespace hurricane::chart

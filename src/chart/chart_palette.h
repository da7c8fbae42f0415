// The chart's colours: a day palette after the Okabe-Ito colours the board uses, and a
// red-on-black night palette. Every element also has its own line style or label.
#pragma once

#include <array>
#include <string>

namespace hurricane::chart {

struct ChartPalette {
  std::string sea;
  std::string land;
  std::string shore;
  std::string graticule;
  std::string ink;                  // text, ship, markers' outlines
  std::string halo;                 // behind label text
  std::string storm;                // storm track and forecast points
  std::array<std::string, 3> wind;  // 34-, 50-, 64-kt areas
  std::string swath_fill;           // the danger swath's tint
  std::string swath_edge;
  std::string fan;      // open courses at full speed
  std::string track;    // the recommended track
  std::string classic;  // the classic escape course
  std::string plan;     // the escape plan, first in importance
  // Fill opacities of the open courses' fan and the wind areas: at night the sea is black, so
  // a tint needs more of its colour to show.
  std::string fan_opacity;
  std::string wind_opacity;
};

// chart_palette: the night palette when `night`, else the day palette.
const ChartPalette& chart_palette(bool night);

}  // namespace hurricane::chart

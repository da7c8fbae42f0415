// Where land lies on the chart, on a grid of small cells, so that labels can keep off it.
#pragma once

#include <cstddef>
#include <vector>

#include "chart/labels.h"
#include "chart/projection.h"

namespace hurricane::chart {

class LandMask {
 public:
  // A cell is land when its centre lies inside an odd number of `rings` (pixels): the even-odd
  // rule the shoreline is filled with.
  LandMask(const PlotArea& area, const std::vector<std::vector<Pixel>>& rings);

  // Whether any cell whose centre lies in `box` is land.
  bool covers(const Box& box) const;

 private:
  static constexpr double kCellPx = 3.0;
  PlotArea area_;
  std::size_t columns_ = 0, rows_ = 0;
  std::vector<bool> land_;
};

}  // namespace hurricane::chart

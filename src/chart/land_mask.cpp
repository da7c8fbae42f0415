#include "chart/land_mask.h"

#include <algorithm>
#include <cmath>

namespace hurricane::chart {

LandMask::LandMask(const PlotArea& area, const std::vector<std::vector<Pixel>>& rings)
    : area_(area),
      columns_(static_cast<std::size_t>(std::ceil(area.width / kCellPx))),
      rows_(static_cast<std::size_t>(std::ceil(area.height / kCellPx))),
      land_(columns_ * rows_, false) {
  // Per row of cell centres, where every ring's edges cross it; between crossings taken in
  // pairs lies land.
  std::vector<std::vector<double>> crossings(rows_);
  for (const std::vector<Pixel>& ring : rings) {
    for (std::size_t i = 0, j = ring.size() - 1; i < ring.size(); j = i++) {
      const Pixel a = ring[j], b = ring[i];
      if (a.y == b.y) continue;
      const double low = std::min(a.y, b.y), high = std::max(a.y, b.y);
      // Rows whose centre y satisfies low <= y < high, so a shared vertex counts once.
      const double first = std::ceil((low - area_.top) / kCellPx - 0.5);
      const double last = std::ceil((high - area_.top) / kCellPx - 0.5) - 1.0;
      for (double r = std::max(first, 0.0); r <= std::min(last, static_cast<double>(rows_) - 1.0);
           r += 1.0) {
        const double y = area_.top + (r + 0.5) * kCellPx;
        crossings[static_cast<std::size_t>(r)].push_back(a.x +
                                                         (y - a.y) * (b.x - a.x) / (b.y - a.y));
      }
    }
  }
  for (std::size_t r = 0; r < rows_; ++r) {
    std::vector<double>& xs = crossings[r];
    std::sort(xs.begin(), xs.end());
    for (std::size_t k = 0; k + 1 < xs.size(); k += 2) {
      // Cells whose centre x lies in [xs[k], xs[k + 1]).
      const double from = std::max(std::ceil((xs[k] - area_.left) / kCellPx - 0.5), 0.0);
      const double to = std::min(std::ceil((xs[k + 1] - area_.left) / kCellPx - 0.5),
                                 static_cast<double>(columns_));
      for (double c = from; c < to; c += 1.0) {
        land_[r * columns_ + static_cast<std::size_t>(c)] = true;
      }
    }
  }
}

bool LandMask::covers(const Box& box) const {
  const auto index_range = [](double from, double to, std::size_t count) {
    const double first = std::max(std::ceil(from / kCellPx - 0.5), 0.0);
    const double last = std::min(std::ceil(to / kCellPx - 0.5), static_cast<double>(count));
    return std::pair{static_cast<std::size_t>(first),
                     static_cast<std::size_t>(std::max(last, first))};
  };
  const auto [c0, c1] = index_range(box.x - area_.left, box.x + box.width - area_.left, columns_);
  const auto [r0, r1] = index_range(box.y - area_.top, box.y + box.height - area_.top, rows_);
  for (std::size_t r = r0; r < r1; ++r) {
    for (std::size_t c = c0; c < c1; ++c) {
      if (land_[r * columns_ + c]) return true;
    }
  }
  return false;
}

}  // namespace hurricane::chart

#include "chart/labels.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <utility>

namespace hurricane::chart {

bool overlaps(const Box& a, const Box& b) {
  return a.x < b.x + b.width && b.x < a.x + a.width && a.y < b.y + b.height && b.y < a.y + a.height;
}

Box label_size(std::string_view text) {
  // One advance per character: continuation bytes of UTF-8 (as in "°") add none.
  std::size_t characters = 0;
  for (const char c : text) characters += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
  return {0.0, 0.0, kLabelCharPx * static_cast<double>(characters) + 4.0, kLabelHeightPx};
}

LabelPlacer::LabelPlacer(Box bounds) : bounds_(bounds) {}

void LabelPlacer::block(const Box& box) {
  blocked_.push_back(box);
}

void LabelPlacer::block_line(const std::vector<std::pair<double, double>>& points,
                             double half_width) {
  // Boxes along each piece no further apart than their size, so no label slips between them.
  const double step = std::max(half_width, 2.0);
  for (std::size_t i = 1; i < points.size(); ++i) {
    const auto [x0, y0] = points[i - 1];
    const auto [x1, y1] = points[i];
    const double length = std::hypot(x1 - x0, y1 - y0);
    const auto pieces = static_cast<int>(std::min(std::ceil(length / step), 4000.0));
    for (int k = 0; k <= pieces; ++k) {
      const double t = pieces == 0 ? 0.0 : static_cast<double>(k) / pieces;
      const double x = x0 + t * (x1 - x0);
      const double y = y0 + t * (y1 - y0);
      blocked_.push_back({x - half_width, y - half_width, 2.0 * half_width, 2.0 * half_width});
    }
  }
}

bool LabelPlacer::free(const Box& box) const {
  if (box.x < bounds_.x || box.y < bounds_.y || box.x + box.width > bounds_.x + bounds_.width ||
      box.y + box.height > bounds_.y + bounds_.height) {
    return false;
  }
  for (const Box& other : labels_) {
    if (overlaps(box, other)) return false;
  }
  for (const Box& other : blocked_) {
    if (overlaps(box, other)) return false;
  }
  return true;
}

void LabelPlacer::prefer_off(std::function<bool(const Box&)> covered) {
  covered_ = std::move(covered);
}

std::optional<Box> LabelPlacer::first_free(double x, double y, const Box& size,
                                           bool uncovered) const {
  const double w = size.width;
  const double h = size.height;
  // Right, left, above, below, then the diagonals, at growing distances.
  const std::array<double, 5> distances = {5.0, 14.0, 26.0, 42.0, 64.0};
  for (const double d : distances) {
    const std::array<Box, 8> spots = {{
        {x + d, y - h / 2, w, h},
        {x - d - w, y - h / 2, w, h},
        {x - w / 2, y - d - h, w, h},
        {x - w / 2, y + d, w, h},
        {x + d * 0.7, y - d * 0.7 - h, w, h},
        {x + d * 0.7, y + d * 0.7, w, h},
        {x - d * 0.7 - w, y - d * 0.7 - h, w, h},
        {x - d * 0.7 - w, y + d * 0.7, w, h},
    }};
    for (const Box& spot : spots) {
      if (free(spot) && (!uncovered || !covered_(spot))) return spot;
    }
  }
  return std::nullopt;
}

std::optional<Box> LabelPlacer::place(double x, double y, const Box& size) {
  std::optional<Box> spot;
  if (covered_) spot = first_free(x, y, size, true);
  if (!spot) spot = first_free(x, y, size, false);
  if (spot) labels_.push_back(*spot);
  return spot;
}

std::optional<Box> LabelPlacer::place_at(const Box& box) {
  if (!free(box)) return std::nullopt;
  labels_.push_back(box);
  return box;
}

}  // namespace hurricane::chart

// Labels placed without collisions: each label tries spots around its anchor, nearest first,
// and takes the first that stays in the plot and overlaps no label or marker placed before.
#pragma once

#include <functional>
#include <optional>
#include <string_view>
#include <utility>
#include <vector>

namespace hurricane::chart {

// A rectangle of the drawing, pixels: top-left corner and size.
struct Box {
  double x = 0.0;
  double y = 0.0;
  double width = 0.0;
  double height = 0.0;
};

// Whether `a` and `b` share any area (touching edges do not).
bool overlaps(const Box& a, const Box& b);

// The chart's label text: monospace, so its width follows from its length.
inline constexpr double kLabelFontPx = 11.0;
inline constexpr double kLabelCharPx = 6.8;  // advance of one character, with room to spare
inline constexpr double kLabelHeightPx = 14.0;

// The box a label of `text` needs, with its top-left at the origin.
Box label_size(std::string_view text);

class LabelPlacer {
 public:
  // Labels stay inside `bounds`.
  explicit LabelPlacer(Box bounds);

  // A marker or line piece no label may cover.
  void block(const Box& box);
  // A drawn line through `points` (pixels), `half_width` either side of it, kept free of labels.
  void block_line(const std::vector<std::pair<double, double>>& points, double half_width);

  // Spots `covered` says yes to (e.g. over land) are taken only when no other spot is free.
  void prefer_off(std::function<bool(const Box&)> covered);

  // A spot for a label of `size` near (`x`, `y`), pixels, and records it; nothing when every
  // spot tried collides (the label is then left out).
  std::optional<Box> place(double x, double y, const Box& size);

  // A label at a fixed spot (e.g. at the plot's edge), recorded when it collides with nothing.
  std::optional<Box> place_at(const Box& box);

  const std::vector<Box>& labels() const { return labels_; }

 private:
  bool free(const Box& box) const;
  std::optional<Box> first_free(double x, double y, const Box& size, bool uncovered) const;

  Box bounds_;
  std::vector<Box> labels_;
  std::vector<Box> blocked_;
  std::function<bool(const Box&)> covered_;
};

}  // namespace hurricane::chart

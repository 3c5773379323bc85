#pragma once

#include <cstddef>
#include <span>

namespace tabulo::charts::engine {

// Room kept free between neighbouring labels.
inline constexpr double kLabelGap = 6.0;

// How the labels of a horizontal category axis are drawn.
struct CategoryLabelPlan {
  std::size_t every = 1;  // only every n-th label is drawn, starting with the first
  double max_width = 0.0;  // the width a drawn label may take (longer: wrapped or ellipsised)
  int max_lines = 1;       // the lines a label may wrap to

  friend bool operator==(const CategoryLabelPlan&, const CategoryLabelPlan&) = default;
};

// Labels that all fit their slot stay on one line; when some do not but a
// slot still holds `min_readable_width`, they wrap to up to three lines;
// narrower slots show only every n-th label, each over n slots, on up to two
// lines. A drawn label never reaches into its neighbour's room.
CategoryLabelPlan PlanCategoryLabels(std::span<const double> label_widths, double slot_width,
                                     double min_readable_width);

// For labels stacked vertically (the categories of a bar chart): how many
// slots of `slot_extent` one label of `label_extent` needs, so that only
// every n-th label is drawn.
std::size_t LabelThinning(double slot_extent, double label_extent, std::size_t label_count);

}  // namespace tabulo::charts::engine

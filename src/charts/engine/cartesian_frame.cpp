#include "charts/engine/cartesian_frame.h"

#include <algorithm>

namespace tabulo::charts::engine {

double CartesianFrame::ValuePosition(double value) const {
  double range = scale.maximum - scale.minimum;
  double share = range > 0.0 ? (value - scale.minimum) / range : 0.0;
  if (horizontal_values) return plot.left + share * plot.width;
  return plot.Bottom() - share * plot.height;
}

double CartesianFrame::SlotLength() const {
  double length = horizontal_values ? plot.height : plot.width;
  return categories == 0 ? length : length / static_cast<double>(categories);
}

Interval CartesianFrame::Slot(std::size_t category) const { return SlotPart(category, 0.0, 1.0); }

Interval CartesianFrame::SlotPart(std::size_t category, double start, double size) const {
  double slot = SlotLength();
  double offset = (static_cast<double>(category) + start) * slot;
  double extent = size * slot;
  if (!horizontal_values) return {plot.left + offset, plot.left + offset + extent};
  if (categories_downward) return {plot.top + offset, plot.top + offset + extent};
  // Bars list their categories upwards from the value axis.
  return {plot.Bottom() - offset - extent, plot.Bottom() - offset};
}

Point CartesianFrame::At(double category_position, double value_position) const {
  if (horizontal_values) return {value_position, category_position};
  return {category_position, value_position};
}

Box CartesianFrame::Between(Interval category_stretch, double value_from, double value_to) const {
  double low = std::min(value_from, value_to);
  double high = std::max(value_from, value_to);
  if (horizontal_values) return {low, category_stretch.low, high - low, category_stretch.Extent()};
  return {category_stretch.low, low, category_stretch.Extent(), high - low};
}

}  // namespace tabulo::charts::engine

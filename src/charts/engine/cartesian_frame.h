#pragma once

#include <cstddef>

#include "charts/engine/geometry.h"
#include "charts/engine/value_scale.h"

namespace tabulo::charts::engine {

// A stretch along one screen axis, low < high in screen coordinates.
struct Interval {
  double low = 0.0;
  double high = 0.0;

  double Extent() const { return high - low; }
  double Middle() const { return (low + high) / 2.0; }
};

// The geometry of a chart with a category axis and a value axis: where the
// plot's front plane lies, how values and categories map onto the screen,
// and how far a 3D chart's depth reaches back.
struct CartesianFrame {
  Box plot;                           // the front plane
  ValueScale scale;
  std::size_t categories = 0;
  bool horizontal_values = false;     // bars: values run to the right
  bool categories_downward = false;   // bars: the first category at the top
  Point depth;                        // screen offset of the full depth; (0, 0) when flat

  // The screen coordinate of a value along the value axis (x for bars, y
  // otherwise); values outside the scale lie outside the plot.
  double ValuePosition(double value) const;
  // The stretch of the category axis (y for bars, x otherwise) that a
  // category takes.
  Interval Slot(std::size_t category) const;
  // A part of a category's slot: from `start` to `start + size`, both
  // fractions of the slot, counted in the direction the categories run.
  Interval SlotPart(std::size_t category, double start, double size) const;
  // The screen point at a category-axis and a value-axis coordinate.
  Point At(double category_position, double value_position) const;
  // The box between two category-axis and two value-axis coordinates.
  Box Between(Interval category_stretch, double value_from, double value_to) const;
  // The length of one category slot.
  double SlotLength() const;
};

}  // namespace tabulo::charts::engine

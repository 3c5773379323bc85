#pragma once

#include <cstddef>
#include <span>
#include <vector>

namespace tabulo::charts::engine {

// One slice: its category and its angles in radians, measured clockwise on
// the screen from three o'clock; the first slice starts at twelve o'clock.
struct PieSlice {
  std::size_t category = 0;
  double start = 0.0;
  double end = 0.0;

  double Middle() const { return (start + end) / 2.0; }
};

// The slices of the values in category order: one per positive value, each
// taking its share of the full turn. Zero, negative and unusable values get
// no slice (a share of a whole cannot be negative).
std::vector<PieSlice> SliceAngles(std::span<const double> values);

}  // namespace tabulo::charts::engine

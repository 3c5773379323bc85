#pragma once

#include <optional>
#include <span>

#include "office/chart/chart_series.h"
#include "office/chart/chart_type.h"

namespace tabulo::office {

// The lowest and highest value the value axis has to show.
struct ValueExtent {
  double lowest = 0;
  double highest = 0;

  friend bool operator==(const ValueExtent&, const ValueExtent&) = default;
};

// What the series put on the value axis: the smallest and largest value of
// any point, or with stacking the largest sums of the negative and positive
// values of one category; 100% stacking shows shares, -1 to 1. Points
// without a number count as nothing; without any value the extent is 0 to 0.
ValueExtent PlottedExtent(std::span<const ChartSeries> series, Grouping grouping);

// The major unit an axis gets when nobody sets one: the smallest of 1, 2
// and 5 times a power of ten that cuts the axis into at most ten steps. The
// axis runs from the set minimum (else 0, or the lowest value when that is
// negative) to the set maximum (else the highest value, or 0 when that is
// negative); an axis without length is taken as one unit long.
double AutomaticMajorUnit(const ValueExtent& extent, std::optional<double> minimum,
                          std::optional<double> maximum);

}  // namespace tabulo::office

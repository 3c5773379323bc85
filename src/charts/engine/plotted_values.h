#pragma once

#include <cstddef>
#include <vector>

#include "charts/chart_description.h"
#include "charts/engine/chart_kind.h"

namespace tabulo::charts::engine {

// Where one series stands in one category on the value axis: a bar runs
// from `from` to `to`; a line point sits at `to`.
struct ValueSpan {
  double from = 0.0;
  double to = 0.0;
  bool present = false;  // false for a missing or unusable value: nothing drawn

  friend bool operator==(const ValueSpan&, const ValueSpan&) = default;
};

struct PlottedValues {
  std::vector<std::vector<ValueSpan>> spans;  // [series][category]
  double low = 0.0;   // the lowest end of any present span, at most 0
  double high = 0.0;  // the highest end of any present span, at least 0
};

// Whether a value can be drawn: finite and within the range an axis can
// step through. Anything else is a gap, and counts as 0 in stacks.
bool IsPlottable(double value);

// The spans of every series (values beyond `categories` are ignored, missing
// ones are gaps):
// - clustered and depth rows: from 0 to the value;
// - stacked bars: positive values stack upwards from 0, negative ones
//   downwards, each sign on its own;
// - stacked lines: each point sits on the running total of the series
//   before it;
// - 100% stacked: as stacked, with every value a percentage of the sum of
//   the category's magnitudes (0 when that sum is 0).
PlottedValues ArrangeValues(const std::vector<ChartSeries>& series, std::size_t categories, ChartShape shape,
                            SeriesGrouping grouping);

}  // namespace tabulo::charts::engine

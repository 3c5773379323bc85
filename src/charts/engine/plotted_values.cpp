#include "charts/engine/plotted_values.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace tabulo::charts::engine {
namespace {

constexpr double kLargestPlottable = 1e300;
constexpr double kWhole = 100.0;

double ValueAt(const ChartSeries& series, std::size_t category) {
  return category < series.values.size() ? series.values[category]
                                         : std::numeric_limits<double>::quiet_NaN();
}

// Each category's values as percentages of the sum of their magnitudes.
std::vector<double> ShareFactors(const std::vector<ChartSeries>& series, std::size_t categories) {
  std::vector<double> factors(categories, 0.0);
  for (std::size_t c = 0; c < categories; ++c) {
    double total = 0.0;
    for (const ChartSeries& one : series) {
      double value = ValueAt(one, c);
      if (IsPlottable(value)) total += std::fabs(value);
    }
    if (total > 0.0 && std::isfinite(total)) factors[c] = kWhole / total;
  }
  return factors;
}

}  // namespace

bool IsPlottable(double value) { return std::isfinite(value) && std::fabs(value) < kLargestPlottable; }

PlottedValues ArrangeValues(const std::vector<ChartSeries>& series, std::size_t categories, ChartShape shape,
                            SeriesGrouping grouping) {
  bool stacked = grouping == SeriesGrouping::kStacked || grouping == SeriesGrouping::kStacked100;
  std::vector<double> factors;
  if (grouping == SeriesGrouping::kStacked100) factors = ShareFactors(series, categories);

  PlottedValues result;
  result.spans.assign(series.size(), std::vector<ValueSpan>(categories));
  for (std::size_t c = 0; c < categories; ++c) {
    double above = 0.0;  // running totals of the stack
    double below = 0.0;
    for (std::size_t s = 0; s < series.size(); ++s) {
      double value = ValueAt(series[s], c);
      bool present = IsPlottable(value);
      if (!present) value = 0.0;
      if (!factors.empty()) value *= factors[c];
      ValueSpan span{0.0, value, present};
      if (stacked && shape == ChartShape::kLine) {
        span = {above, above + value, present};
        above += value;
      } else if (stacked && value >= 0.0) {
        span = {above, above + value, present};
        above += value;
      } else if (stacked) {
        span = {below, below + value, present};
        below += value;
      }
      // Sums of huge values can overflow even when each value is usable.
      if (!IsPlottable(span.to)) span.present = false;
      result.spans[s][c] = span;
      if (!span.present) continue;
      result.low = std::min({result.low, span.from, span.to});
      result.high = std::max({result.high, span.from, span.to});
    }
  }
  return result;
}

}  // namespace tabulo::charts::engine

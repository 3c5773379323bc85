#include "office/chart/value_axis_scale.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace tabulo::office {
namespace {

// m × 10^exponent, computed so that 0.1, 0.2, 0.05 come out as the doubles
// nearest those decimals.
double Scaled(double mantissa, int exponent) {
  const double power = std::pow(10.0, std::abs(exponent));
  return exponent < 0 ? mantissa / power : mantissa * power;
}

}  // namespace

ValueExtent PlottedExtent(std::span<const ChartSeries> series, Grouping grouping) {
  ValueExtent extent;
  const bool stacked = grouping == Grouping::kStacked || grouping == Grouping::kPercentStacked;
  if (!stacked) {
    for (const ChartSeries& one : series) {
      for (const std::optional<double>& number : one.values.numbers) {
        if (!number) continue;
        extent.lowest = std::min(extent.lowest, *number);
        extent.highest = std::max(extent.highest, *number);
      }
    }
    // A series of positive values only still starts the axis at zero; the
    // extent begins at 0 for that reason and is widened from there.
    return extent;
  }
  std::size_t points = 0;
  for (const ChartSeries& one : series) points = std::max(points, one.values.numbers.size());
  for (std::size_t point = 0; point < points; ++point) {
    double negative = 0;
    double positive = 0;
    for (const ChartSeries& one : series) {
      if (point >= one.values.numbers.size() || !one.values.numbers[point]) continue;
      const double number = *one.values.numbers[point];
      (number < 0 ? negative : positive) += number;
    }
    if (grouping == Grouping::kPercentStacked) {
      if (negative < 0) negative = -1;
      if (positive > 0) positive = 1;
    }
    extent.lowest = std::min(extent.lowest, negative);
    extent.highest = std::max(extent.highest, positive);
  }
  return extent;
}

double AutomaticMajorUnit(const ValueExtent& extent, std::optional<double> minimum,
                          std::optional<double> maximum) {
  const double bottom = minimum.value_or(std::min(0.0, extent.lowest));
  const double top = maximum.value_or(std::max(0.0, extent.highest));
  double length = top - bottom;
  if (!(length > 0) || !std::isfinite(length)) length = std::max(std::abs(top), std::abs(bottom));
  if (!(length > 0) || !std::isfinite(length)) length = 1;
  const int exponent = static_cast<int>(std::floor(std::log10(length / 10)));
  constexpr std::array<double, 4> kMantissas{1, 2, 5, 10};
  // A little tolerance so that 1 / 0.1 counts as ten steps.
  constexpr double kMaxSteps = 10 * (1 + 1e-9);
  for (double mantissa : kMantissas) {
    const double unit = Scaled(mantissa, exponent);
    if (length / unit <= kMaxSteps) return unit;
  }
  return Scaled(1, exponent + 1);
}

}  // namespace tabulo::office

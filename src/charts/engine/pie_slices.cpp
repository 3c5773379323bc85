#include "charts/engine/pie_slices.h"

#include <cmath>
#include <numbers>

#include "charts/engine/plotted_values.h"

namespace tabulo::charts::engine {
namespace {

bool Slices(double value) { return IsPlottable(value) && value > 0.0; }

}  // namespace

std::vector<PieSlice> SliceAngles(std::span<const double> values) {
  double total = 0.0;
  for (double value : values) {
    if (Slices(value)) total += value;
  }
  std::vector<PieSlice> slices;
  if (!(total > 0.0) || !std::isfinite(total)) return slices;
  constexpr double kTwelveOClock = -std::numbers::pi / 2.0;
  double sum = 0.0;
  for (std::size_t i = 0; i < values.size(); ++i) {
    if (!Slices(values[i])) continue;
    double start = kTwelveOClock + 2.0 * std::numbers::pi * (sum / total);
    sum += values[i];
    double end = kTwelveOClock + 2.0 * std::numbers::pi * (sum / total);
    slices.push_back({i, start, end});
  }
  return slices;
}

}  // namespace tabulo::charts::engine

#include "charts/engine/label_fitting.h"

#include <algorithm>
#include <cmath>

namespace tabulo::charts::engine {
namespace {

constexpr int kWrappedLines = 3;
constexpr int kThinnedLines = 2;

std::size_t SlotsFor(double needed, double slot, std::size_t count) {
  if (!(slot > 0.0)) return std::max<std::size_t>(count, 1);
  double slots = std::ceil(needed / slot);
  if (!(slots < static_cast<double>(count))) return std::max<std::size_t>(count, 1);
  return std::max<std::size_t>(static_cast<std::size_t>(slots), 1);
}

}  // namespace

CategoryLabelPlan PlanCategoryLabels(std::span<const double> label_widths, double slot_width,
                                     double min_readable_width) {
  double room = slot_width - kLabelGap;
  double widest = label_widths.empty() ? 0.0 : *std::max_element(label_widths.begin(), label_widths.end());
  if (widest <= room) return {1, room, 1};
  if (room >= min_readable_width) return {1, room, kWrappedLines};
  std::size_t every = SlotsFor(min_readable_width + kLabelGap, slot_width, label_widths.size());
  return {every, static_cast<double>(every) * slot_width - kLabelGap, kThinnedLines};
}

std::size_t LabelThinning(double slot_extent, double label_extent, std::size_t label_count) {
  if (label_extent <= slot_extent) return 1;
  return SlotsFor(label_extent, slot_extent, label_count);
}

}  // namespace tabulo::charts::engine

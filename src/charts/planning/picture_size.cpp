#include "charts/planning/picture_size.h"

#include <algorithm>
#include <cmath>

namespace tabulo::charts {
namespace {

constexpr std::size_t kEntriesWithoutFitting = 11;
constexpr double kPixelsPerEntry = 22.22222222222222;
constexpr double kLegendMargin = 52.0;
// Far beyond any legend a chart can hold (256 series); keeps the height
// within int for any count.
constexpr std::size_t kMostEntries = 1'000'000;

}  // namespace

std::int32_t FitLegendHeight(const ChartLegend& legend, std::size_t legend_entries) {
  if (!legend.shown || legend.position != legend_position::kRight ||
      legend_entries <= kEntriesWithoutFitting) {
    return kPictureHeight;
  }
  double entries = static_cast<double>(std::min(legend_entries, kMostEntries));
  return static_cast<std::int32_t>(std::floor(entries * kPixelsPerEntry + kLegendMargin));
}

std::int32_t PictureWidth(std::int32_t height) {
  if (height <= kPictureHeight) return kPictureWidth;
  std::int64_t width = std::int64_t{height} * kPictureWidth / kPictureHeight;
  return static_cast<std::int32_t>(std::min<std::int64_t>(width, kMostPictureWidth));
}

std::size_t LegendEntries(const ChartDescription& chart) {
  return chart_type::IsPie(chart.type) ? chart.categories.size() : chart.series.size();
}

}  // namespace tabulo::charts

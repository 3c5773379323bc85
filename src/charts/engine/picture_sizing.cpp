#include "charts/engine/picture_sizing.h"

#include <algorithm>
#include <cmath>

#include "charts/chart_description.h"

namespace tabulo::charts::engine {
namespace {

constexpr std::size_t kEntriesThatFitByDefault = 11;
constexpr double kPixelsPerEntry = 22.22222222222222;
constexpr double kLegendMargin = 52.0;
// Far more entries than any chart holds; keeps the height inside int32 for
// any count a caller may pass.
constexpr std::size_t kMostEntries = 1'000'000;

}  // namespace

std::int32_t LegendFittedHeight(bool legend_shown, std::int32_t legend_position, std::size_t entries) {
  if (!legend_shown || legend_position != legend_position::kRight || entries <= kEntriesThatFitByDefault) {
    return kDefaultPictureHeight;
  }
  double counted = static_cast<double>(std::min(entries, kMostEntries));
  return static_cast<std::int32_t>(std::floor(counted * kPixelsPerEntry + kLegendMargin));
}

PictureSize ExportedPictureSize(std::int32_t height) {
  if (height <= kDefaultPictureHeight) return {kDefaultPictureWidth, height};
  std::int64_t width = std::int64_t{height} * kDefaultPictureWidth / kDefaultPictureHeight;
  return {static_cast<std::int32_t>(std::min<std::int64_t>(width, kWidestPicture)), height};
}

}  // namespace tabulo::charts::engine

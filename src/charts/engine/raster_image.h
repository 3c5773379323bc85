#pragma once

#include <cstdint>
#include <vector>

#include "charts/chart_description.h"
#include "charts/engine/picture_size.h"

namespace tabulo::charts {

// A drawn chart as pixels: 0xAARRGGBB, row by row from the top left.
struct RasterImage {
  std::int32_t width = 0;
  std::int32_t height = 0;
  std::vector<std::uint32_t> pixels;

  std::uint32_t At(std::int32_t x, std::int32_t y) const {
    return pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) + static_cast<std::size_t>(x)];
  }
};

// Draws the chart at the given size. Throws ChartError when the chart type
// draws nothing or the size cannot be drawn.
RasterImage RenderChart(const ChartDescription& chart, PictureSize size);

}  // namespace tabulo::charts

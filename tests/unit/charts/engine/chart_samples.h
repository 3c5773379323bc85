#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "charts/chart_description.h"
#include "charts/engine/colour.h"
#include "charts/engine/raster_image.h"

namespace tabulo::charts::testing {

// A small chart of the given type: three categories, two series, titles,
// legend on the right.
inline ChartDescription SampleChart(std::int32_t type) {
  ChartDescription chart;
  chart.type = type;
  chart.title = "Age group\nGender";
  chart.category_axis_title = "Age group";
  chart.value_axis_title = "ColPercent";
  chart.number_format = {true, false, 1};
  chart.legend = {true, legend_position::kRight};
  chart.categories = {"18-34", "35-54", "55 and over"};
  chart.series = {{"Male", {30.5, 40.0, 29.5}}, {"Female", {28.0, 41.5, 30.5}}};
  return chart;
}

// Every chart type code that draws a chart.
inline const std::vector<std::int32_t>& DrawableTypes() {
  static const std::vector<std::int32_t> types{
      chart_type::kColumnClustered, chart_type::kColumnStacked,       chart_type::kBarClustered,
      chart_type::kBarStacked,      chart_type::kLine,                chart_type::kLineMarkers,
      chart_type::kLineStacked,     chart_type::kLineMarkersStacked100, chart_type::kPie,
      chart_type::kPieExploded,     chart_type::k3DColumn,            chart_type::k3DColumnClustered,
      chart_type::k3DColumnStacked, chart_type::k3DBarClustered,      chart_type::k3DBarStacked,
      chart_type::k3DPie,           chart_type::k3DPieExploded,       chart_type::kVariablePreview};
  return types;
}

inline std::uint32_t Argb(engine::Rgb colour) {
  return 0xff000000u | (std::uint32_t{colour.red} << 16) | (std::uint32_t{colour.green} << 8) | colour.blue;
}

inline constexpr std::uint32_t kOpaqueWhite = 0xffffffffu;

inline engine::Rgb RgbOf(std::uint32_t pixel) {
  return {static_cast<std::uint8_t>(pixel >> 16), static_cast<std::uint8_t>(pixel >> 8),
          static_cast<std::uint8_t>(pixel)};
}

// A horizontal run of one colour in a row of the picture.
struct PixelRun {
  std::int32_t first = -1;
  std::int32_t last = -1;
  std::int32_t Middle() const { return (first + last) / 2; }
  std::int32_t Length() const { return last - first + 1; }
};

inline std::vector<PixelRun> RunsInRow(const RasterImage& image, std::int32_t y, std::uint32_t colour) {
  std::vector<PixelRun> runs;
  for (std::int32_t x = 0; x < image.width; ++x) {
    if (image.At(x, y) != colour) continue;
    if (!runs.empty() && runs.back().last == x - 1) {
      runs.back().last = x;
    } else {
      runs.push_back({x, x});
    }
  }
  return runs;
}

inline std::vector<PixelRun> RunsInColumn(const RasterImage& image, std::int32_t x, std::uint32_t colour) {
  std::vector<PixelRun> runs;
  for (std::int32_t y = 0; y < image.height; ++y) {
    if (image.At(x, y) != colour) continue;
    if (!runs.empty() && runs.back().last == y - 1) {
      runs.back().last = y;
    } else {
      runs.push_back({y, y});
    }
  }
  return runs;
}

inline int CountColour(const RasterImage& image, std::uint32_t colour) {
  int count = 0;
  for (std::uint32_t pixel : image.pixels) count += pixel == colour ? 1 : 0;
  return count;
}

}  // namespace tabulo::charts::testing

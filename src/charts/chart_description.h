#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace tabulo::charts {

// Chart types by the codes of the renderer's ChartType setting.
namespace chart_type {
inline constexpr std::int32_t kColumnClustered = 0;
inline constexpr std::int32_t kColumnStacked = 1;
inline constexpr std::int32_t kBarClustered = 3;
inline constexpr std::int32_t kBarStacked = 4;
inline constexpr std::int32_t kLine = 6;
inline constexpr std::int32_t kLineMarkers = 7;
inline constexpr std::int32_t kLineStacked = 8;
inline constexpr std::int32_t kLineMarkersStacked100 = 11;
inline constexpr std::int32_t kPie = 18;
inline constexpr std::int32_t kPieExploded = 19;
inline constexpr std::int32_t k3DColumn = 46;
inline constexpr std::int32_t k3DColumnClustered = 47;
inline constexpr std::int32_t k3DColumnStacked = 48;
inline constexpr std::int32_t k3DBarClustered = 51;
inline constexpr std::int32_t k3DBarStacked = 52;
inline constexpr std::int32_t k3DPie = 58;
inline constexpr std::int32_t k3DPieExploded = 59;
inline constexpr std::int32_t kNoChart = -1;
inline constexpr std::int32_t kVariablePreview = -2;

constexpr bool IsPie(std::int32_t type) {
  return type == kPie || type == k3DPie || type == kPieExploded || type == k3DPieExploded;
}
}  // namespace chart_type

// Legend position codes as the planning gives them.
namespace legend_position {
inline constexpr std::int32_t kBottom = 2;
inline constexpr std::int32_t kRight = 4;
}  // namespace legend_position

struct ChartNumberFormat {
  bool percentage = false;   // values are percentages already: shown with a literal "%"
  bool fixed_scale = false;  // with percentage: the value axis runs from 0 to 100
  std::int32_t decimals = -1;  // below 0: not set ("general")
};

struct ChartLegend {
  bool shown = false;
  std::int32_t position = legend_position::kRight;
};

struct ChartSeries {
  std::string name;
  std::vector<double> values;  // one per category
};

// Everything needed to draw one chart: what the planning decides and the
// engine draws. Texts are plain (markup already stripped).
struct ChartDescription {
  std::int32_t type = chart_type::kColumnClustered;
  std::string title;
  std::string category_axis_title;
  std::string value_axis_title;
  ChartNumberFormat number_format;
  ChartLegend legend;
  std::vector<std::string> categories;
  std::vector<ChartSeries> series;
};

}  // namespace tabulo::charts

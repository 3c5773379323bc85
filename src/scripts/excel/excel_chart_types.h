#pragma once

#include <cstdint>
#include <string>

namespace tabulo::excel {

// Excel's chart type numbers. The enumeration is open: a chart template may
// leave a chart with any type number, which is kept as it comes.
enum class ChartType : std::int32_t {
  kLine = 4,
  kPie = 5,
  kUserDefined = 22,  // applied by name with ExcelChart::ApplyCustomType
  kColumnClustered = 51,
  kColumnStacked = 52,
  k3DColumnClustered = 54,
  k3DColumnStacked = 55,
  kBarClustered = 57,
  kBarStacked = 58,
  k3DBarClustered = 60,
  k3DBarStacked = 61,
  kLineStacked = 63,
  kLineMarkers = 65,
  kLineMarkersStacked100 = 67,
  kPieExploded = 69,
  k3DPieExploded = 70,
  k3DColumn = -4100,
  k3DPie = -4102,
};

// The pie types: 5, -4102, 69 and 70.
constexpr bool IsPieChartType(ChartType type) {
  return type == ChartType::kPie || type == ChartType::k3DPie || type == ChartType::kPieExploded ||
         type == ChartType::k3DPieExploded;
}

// Where the legend stands, at Excel's numbers.
enum class LegendPosition : std::int32_t { kRight = -4152, kBottom = -4107 };

// The two axes of a chart, at Excel's numbers (Axes(1), Axes(2)).
enum class ChartAxis : std::int32_t { kCategory = 1, kValue = 2 };

// The font of a chart title.
struct ChartFont {
  std::string name;
  bool bold = false;
  double size = 10;  // points

  friend bool operator==(const ChartFont&, const ChartFont&) = default;
};

// Where a chart object stands on its worksheet, in points from the sheet's
// top left corner.
struct ChartFrame {
  double left = 0;
  double top = 0;
  double width = 0;
  double height = 0;

  friend bool operator==(const ChartFrame&, const ChartFrame&) = default;
};

}  // namespace tabulo::excel

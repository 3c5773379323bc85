#pragma once

#include <cstdint>
#include <optional>

namespace tabulo::office {

// Chart types by the numbers Excel gives them. The enumeration is open: a
// chart template may describe a type this layer cannot draw, whose number
// is still worth reporting (see chart_template.h).
enum class ChartType : std::int32_t {
  kArea = 1,
  kLine = 4,
  kPie = 5,
  kBubble = 15,
  kUserDefined = 22,  // applied by name, see Chart::ApplyCustomType
  kColumnClustered = 51,
  kColumnStacked = 52,
  kColumnStacked100 = 53,
  k3DColumnClustered = 54,
  k3DColumnStacked = 55,
  k3DColumnStacked100 = 56,
  kBarClustered = 57,
  kBarStacked = 58,
  kBarStacked100 = 59,
  k3DBarClustered = 60,
  k3DBarStacked = 61,
  k3DBarStacked100 = 62,
  kLineStacked = 63,
  kLineStacked100 = 64,
  kLineMarkers = 65,
  kLineMarkersStacked = 66,
  kLineMarkersStacked100 = 67,
  kPieOfPie = 68,
  kPieExploded = 69,
  k3DPieExploded = 70,
  kBarOfPie = 71,
  kXYScatterSmooth = 72,
  kXYScatterSmoothNoMarkers = 73,
  kXYScatterLines = 74,
  kXYScatterLinesNoMarkers = 75,
  kAreaStacked = 76,
  kAreaStacked100 = 77,
  k3DAreaStacked = 78,
  k3DAreaStacked100 = 79,
  kDoughnutExploded = 80,
  kRadarMarkers = 81,
  kRadarFilled = 82,
  kSurface = 83,
  kSurfaceWireframe = 84,
  kSurfaceTopView = 85,
  kSurfaceTopViewWireframe = 86,
  kBubble3DEffect = 87,
  kStockHLC = 88,
  k3DArea = -4098,
  k3DColumn = -4100,
  k3DLine = -4101,
  k3DPie = -4102,
  kDoughnut = -4120,
  kRadar = -4151,
  kXYScatter = -4169,
};

// The pie types: 5, -4102, 69 and 70.
constexpr bool IsPieChartType(ChartType type) {
  return type == ChartType::kPie || type == ChartType::k3DPie || type == ChartType::kPieExploded ||
         type == ChartType::k3DPieExploded;
}

// The DrawingML chart element a drawable type is written as.
enum class PlotKind : std::uint8_t { kBar, kBar3D, kLine, kPie, kPie3D };

enum class BarDirection : std::uint8_t { kColumn, kBar };
enum class Grouping : std::uint8_t { kStandard, kClustered, kStacked, kPercentStacked };

// How a drawable chart type is written: the chart element and its settings.
struct ChartTypeShape {
  PlotKind kind = PlotKind::kBar;
  BarDirection direction = BarDirection::kColumn;  // bar kinds
  Grouping grouping = Grouping::kClustered;
  bool markers = false;      // line kinds
  bool exploded = false;     // pie kinds
  bool series_axis = false;  // the 3D column with its depth (series) axis

  bool IsBar() const { return kind == PlotKind::kBar || kind == PlotKind::kBar3D; }
  bool IsPie() const { return kind == PlotKind::kPie || kind == PlotKind::kPie3D; }
  bool Is3D() const { return kind == PlotKind::kBar3D || kind == PlotKind::kPie3D; }
  bool HasAxes() const { return !IsPie(); }

  friend bool operator==(const ChartTypeShape&, const ChartTypeShape&) = default;
};

// The shape of a type this layer can draw: every column and bar type (2D
// and 3D, clustered, stacked, 100% stacked, the 3D column), every line type
// with and without markers, and the four pies. nullopt for the others.
std::optional<ChartTypeShape> ShapeOf(ChartType type);

}  // namespace tabulo::office

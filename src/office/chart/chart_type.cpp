#include "office/chart/chart_type.h"

namespace tabulo::office {
namespace {

ChartTypeShape Bar(PlotKind kind, BarDirection direction, Grouping grouping) {
  ChartTypeShape shape;
  shape.kind = kind;
  shape.direction = direction;
  shape.grouping = grouping;
  return shape;
}

ChartTypeShape Line(Grouping grouping, bool markers) {
  ChartTypeShape shape;
  shape.kind = PlotKind::kLine;
  shape.grouping = grouping;
  shape.markers = markers;
  return shape;
}

ChartTypeShape Pie(PlotKind kind, bool exploded) {
  ChartTypeShape shape;
  shape.kind = kind;
  shape.grouping = Grouping::kStandard;
  shape.exploded = exploded;
  return shape;
}

}  // namespace

std::optional<ChartTypeShape> ShapeOf(ChartType type) {
  using enum ChartType;
  constexpr auto kColumn = BarDirection::kColumn;
  constexpr auto kBarDirection = BarDirection::kBar;
  switch (type) {
    case kColumnClustered:
      return Bar(PlotKind::kBar, kColumn, Grouping::kClustered);
    case kColumnStacked:
      return Bar(PlotKind::kBar, kColumn, Grouping::kStacked);
    case kColumnStacked100:
      return Bar(PlotKind::kBar, kColumn, Grouping::kPercentStacked);
    case k3DColumnClustered:
      return Bar(PlotKind::kBar3D, kColumn, Grouping::kClustered);
    case k3DColumnStacked:
      return Bar(PlotKind::kBar3D, kColumn, Grouping::kStacked);
    case k3DColumnStacked100:
      return Bar(PlotKind::kBar3D, kColumn, Grouping::kPercentStacked);
    case k3DColumn: {
      ChartTypeShape shape = Bar(PlotKind::kBar3D, kColumn, Grouping::kStandard);
      shape.series_axis = true;
      return shape;
    }
    case kBarClustered:
      return Bar(PlotKind::kBar, kBarDirection, Grouping::kClustered);
    case kBarStacked:
      return Bar(PlotKind::kBar, kBarDirection, Grouping::kStacked);
    case kBarStacked100:
      return Bar(PlotKind::kBar, kBarDirection, Grouping::kPercentStacked);
    case k3DBarClustered:
      return Bar(PlotKind::kBar3D, kBarDirection, Grouping::kClustered);
    case k3DBarStacked:
      return Bar(PlotKind::kBar3D, kBarDirection, Grouping::kStacked);
    case k3DBarStacked100:
      return Bar(PlotKind::kBar3D, kBarDirection, Grouping::kPercentStacked);
    case kLine:
      return Line(Grouping::kStandard, false);
    case kLineStacked:
      return Line(Grouping::kStacked, false);
    case kLineStacked100:
      return Line(Grouping::kPercentStacked, false);
    case kLineMarkers:
      return Line(Grouping::kStandard, true);
    case kLineMarkersStacked:
      return Line(Grouping::kStacked, true);
    case kLineMarkersStacked100:
      return Line(Grouping::kPercentStacked, true);
    case kPie:
      return Pie(PlotKind::kPie, false);
    case kPieExploded:
      return Pie(PlotKind::kPie, true);
    case k3DPie:
      return Pie(PlotKind::kPie3D, false);
    case k3DPieExploded:
      return Pie(PlotKind::kPie3D, true);
    default:
      return std::nullopt;
  }
}

}  // namespace tabulo::office

#include "charts/engine/chart_kind.h"

#include "charts/chart_description.h"

namespace tabulo::charts::engine {

std::optional<ChartKind> KindOfChartType(std::int32_t type) {
  using enum ChartShape;
  using enum SeriesGrouping;
  switch (type) {
    case chart_type::kColumnClustered: return ChartKind{kColumn, kClustered};
    case chart_type::kColumnStacked: return ChartKind{kColumn, kStacked};
    case chart_type::kBarClustered: return ChartKind{kBar, kClustered};
    case chart_type::kBarStacked: return ChartKind{kBar, kStacked};
    case chart_type::kLine: return ChartKind{kLine, kClustered};
    case chart_type::kLineMarkers: return ChartKind{kLine, kClustered, false, true};
    case chart_type::kLineStacked: return ChartKind{kLine, kStacked};
    case chart_type::kLineMarkersStacked100: return ChartKind{kLine, kStacked100, false, true};
    case chart_type::kPie: return ChartKind{kPie, kClustered};
    case chart_type::kPieExploded: return ChartKind{kPie, kClustered, false, false, true};
    case chart_type::k3DColumn: return ChartKind{kColumn, kDepthRows, true};
    case chart_type::k3DColumnClustered: return ChartKind{kColumn, kClustered, true};
    case chart_type::k3DColumnStacked: return ChartKind{kColumn, kStacked, true};
    case chart_type::k3DBarClustered: return ChartKind{kBar, kClustered, true};
    case chart_type::k3DBarStacked: return ChartKind{kBar, kStacked, true};
    case chart_type::k3DPie: return ChartKind{kPie, kClustered, true};
    case chart_type::k3DPieExploded: return ChartKind{kPie, kClustered, true, false, true};
    case chart_type::kVariablePreview: return ChartKind{kBar, kClustered, false, false, false, true};
    default: return std::nullopt;
  }
}

}  // namespace tabulo::charts::engine

#pragma once

#include <optional>

#include "office/chart/chart_type.h"

struct _xmlNode;

namespace tabulo::office {

// The Excel chart type a plot element of a chart part draws (c:barChart,
// c:pie3DChart, c:scatterChart, ...), from its direction, grouping, style
// and the markers, lines and explosion of its series. nullopt for an
// element that is not a plot of the chart namespace.
std::optional<ChartType> PlotChartType(const _xmlNode* plot);

}  // namespace tabulo::office

#pragma once

#include "office/chart/chart.h"

namespace tabulo::office {

class XmlWriter;

// The <c:axId> references a plot of this shape lists: category and value
// axis, and the series axis of the 3D column. Pies have none.
void WritePlotAxisIds(XmlWriter& xml, const ChartTypeShape& shape);

// The axes of the plot area: <c:catAx>, <c:valAx> and, for the 3D column,
// <c:serAx>, crossing one another, with the chart's titles, scale, number
// format and tick settings. Nothing for pies.
void WriteChartAxes(XmlWriter& xml, const Chart& chart);

}  // namespace tabulo::office

#pragma once

#include "office/chart/chart_series.h"
#include "office/chart/chart_type.h"

namespace tabulo::office {

class XmlWriter;

// <c:dLbls> of a series: every label of the series is off, except the
// points that carry a label of their own, which show its text, placed where
// asked when the chart type allows that position (else at the type's
// default; 3D types take no position).
void WriteSeriesDataLabels(XmlWriter& xml, const ChartTypeShape& shape, const ChartSeries& series);

}  // namespace tabulo::office

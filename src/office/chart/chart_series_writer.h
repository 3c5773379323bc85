#pragma once

#include <cstddef>

#include "office/chart/chart_series.h"
#include "office/chart/chart_type.h"

namespace tabulo::office {

class XmlWriter;

// <c:ser> of the series at `index` (0-based, also its drawing order), with
// the children the plot kind's series type takes, in schema order.
void WriteChartSeries(XmlWriter& xml, const ChartTypeShape& shape, const ChartSeries& series,
                      std::size_t index);

}  // namespace tabulo::office

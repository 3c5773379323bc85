#pragma once

#include <string>

#include "office/chart/chart.h"

namespace tabulo::office {

// The chart part (c:chartSpace) of a chart, the same for a workbook, a
// document or a presentation: its series refer to their cells by formula
// and carry the values those showed, so the chart draws without the data.
std::string WriteChartPart(const Chart& chart);

}  // namespace tabulo::office

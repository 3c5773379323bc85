#pragma once

#include "office/chart/chart.h"
#include "office/chart/chart_rich_text.h"

namespace tabulo::office {

class XmlWriter;

// <c:title> of a shown title: its text as rich text, or, without text, the
// application's default words (in the title's font when it has one); never
// laid over the plot.
void WriteChartTitle(XmlWriter& xml, const ChartTitle& title,
                     TextDirection direction = TextDirection::kHorizontal);

}  // namespace tabulo::office

#pragma once

#include <cairo.h>

#include "charts/chart_description.h"
#include "charts/engine/chart_kind.h"
#include "charts/engine/geometry.h"

namespace tabulo::charts::engine {

// Draws the first series as a pie into `region`: flat or as a tilted disc
// with a side wall, with the slices pulled out from the centre when the
// kind asks. Slices take the colours of their categories.
void DrawPieChart(cairo_t* context, const ChartDescription& chart, const ChartKind& kind, const Box& region);

}  // namespace tabulo::charts::engine

#pragma once

#include <cairo.h>

#include "charts/chart_description.h"
#include "charts/engine/chart_kind.h"
#include "charts/engine/geometry.h"
#include "charts/engine/text_painter.h"

namespace tabulo::charts::engine {

// Draws a column, bar or line chart (axes, gridlines, series, labels and
// axis titles) into `region`.
void DrawCartesianChart(cairo_t* context, const TextPainter& text, const ChartDescription& chart,
                        const ChartKind& kind, const Box& region);

}  // namespace tabulo::charts::engine

#pragma once

#include <cairo.h>

#include "charts/chart_description.h"
#include "charts/engine/cartesian_layout.h"
#include "charts/engine/text_painter.h"

namespace tabulo::charts::engine {

// The plot's background: gridlines at the ticks and the category axis at
// zero; for a 3D chart the back wall, side wall and floor with their
// gridlines.
void DrawPlotBackground(cairo_t* context, const CartesianLayout& layout);

// The baseline at zero drawn over the series of a flat chart.
void DrawZeroLine(cairo_t* context, const CartesianLayout& layout);

// Value labels, category labels and the two axis titles.
void DrawAxisTexts(const TextPainter& text, const ChartDescription& chart, const CartesianLayout& layout);

}  // namespace tabulo::charts::engine

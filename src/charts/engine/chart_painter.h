#pragma once

#include <cairo.h>

#include "charts/chart_description.h"
#include "charts/engine/picture_size.h"

namespace tabulo::charts::engine {

// Paints the whole chart (white background, title, legend, plot) on a
// context the size of the picture. Throws ChartError for a chart type that
// draws nothing.
void PaintChart(cairo_t* context, const ChartDescription& chart, PictureSize size);

// Throws ChartError unless the size can be drawn: at least 1 pixel and at
// most 32767 pixels (the drawing library's limit) each way.
void CheckPictureSize(PictureSize size);

}  // namespace tabulo::charts::engine

#pragma once

#include <cairo.h>

#include "charts/engine/cartesian_frame.h"
#include "charts/engine/chart_kind.h"
#include "charts/engine/plotted_values.h"

namespace tabulo::charts::engine {

// The bars of a column or bar chart, flat or as 3D blocks drawn from the
// back to the front so that nearer blocks hide farther ones.
void DrawBarSeries(cairo_t* context, const CartesianFrame& frame, const ChartKind& kind,
                   const PlottedValues& values);

// The lines of a line chart through the middle of each category, broken
// at missing values, with a marker at every point when the kind asks.
void DrawLineSeries(cairo_t* context, const CartesianFrame& frame, const ChartKind& kind,
                    const PlottedValues& values);

}  // namespace tabulo::charts::engine

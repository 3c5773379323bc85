#include "charts/engine/cartesian_chart.h"

#include <algorithm>

#include "charts/engine/cartesian_axes.h"
#include "charts/engine/cartesian_layout.h"
#include "charts/engine/plotted_values.h"
#include "charts/engine/series_painters.h"

namespace tabulo::charts::engine {
namespace {

// Markers on the plot's edge are drawn whole.
constexpr double kMarkerRoom = 5.0;

// Series stay inside the plot (and its depth) even when a fixed scale cuts
// values off.
void ClipToPlot(cairo_t* context, const CartesianFrame& frame, double margin) {
  const Box& plot = frame.plot;
  double left = plot.left - margin;
  double top = plot.top + std::min(frame.depth.y, 0.0) - margin;
  double right = plot.Right() + std::max(frame.depth.x, 0.0) + margin;
  double bottom = plot.Bottom() + margin;
  cairo_rectangle(context, left, top, right - left, bottom - top);
  cairo_clip(context);
}

}  // namespace

void DrawCartesianChart(cairo_t* context, const TextPainter& text, const ChartDescription& chart,
                        const ChartKind& kind, const Box& region) {
  PlottedValues values = ArrangeValues(chart.series, chart.categories.size(), kind.shape, kind.grouping);
  CartesianLayout layout = LayOutCartesian(text, chart, kind, values, region);
  DrawPlotBackground(context, layout);
  cairo_save(context);
  ClipToPlot(context, layout.frame, kind.shape == ChartShape::kLine ? kMarkerRoom : 0.0);
  if (kind.shape == ChartShape::kLine) {
    DrawLineSeries(context, layout.frame, kind, values);
  } else {
    DrawBarSeries(context, layout.frame, kind, values);
  }
  cairo_restore(context);
  DrawZeroLine(context, layout);
  DrawAxisTexts(text, chart, layout);
}

}  // namespace tabulo::charts::engine

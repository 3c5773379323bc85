#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "charts/chart_description.h"
#include "charts/engine/cartesian_frame.h"
#include "charts/engine/chart_kind.h"
#include "charts/engine/label_fitting.h"
#include "charts/engine/plotted_values.h"
#include "charts/engine/text_painter.h"

namespace tabulo::charts::engine {

// Everything placed around the plot of a column, bar or line chart.
struct CartesianLayout {
  CartesianFrame frame;
  Box region;                           // the room the chart has, axis titles included
  ChartNumberFormat label_format;       // of the value labels
  std::vector<std::string> value_labels;  // one per tick
  std::size_t value_label_every = 1;    // only every n-th value label is drawn
  CategoryLabelPlan category_labels;    // bars: `every` and the width of the label column
  double title_extent = 0.0;            // the thickness of an axis title line
};

// Lays a chart out in `region`: axis titles at the edges, value labels
// beside (or under) the plot, category labels under (or beside) it, room
// for a 3D chart's depth above and to the right.
CartesianLayout LayOutCartesian(const TextPainter& text, const ChartDescription& chart, const ChartKind& kind,
                                const PlottedValues& values, const Box& region);

}  // namespace tabulo::charts::engine

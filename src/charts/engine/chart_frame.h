#pragma once

#include <cairo.h>

#include <cstddef>
#include <string>
#include <vector>

#include "charts/chart_description.h"
#include "charts/engine/chart_kind.h"
#include "charts/engine/colour.h"
#include "charts/engine/geometry.h"
#include "charts/engine/picture_size.h"
#include "charts/engine/text_painter.h"

namespace tabulo::charts::engine {

// What stands before a legend entry's text.
enum class LegendKey { kSwatch, kLine, kLineWithMarker };

struct LegendEntry {
  std::string text;
  Rgb colour;
  std::size_t index = 0;  // the series (or slice) it stands for: picks the marker
};

struct LegendContent {
  LegendKey key = LegendKey::kSwatch;
  std::vector<LegendEntry> entries;
};

// The legend's entries: the series, or the categories for a pie.
LegendContent LegendContentOf(const ChartDescription& chart, const ChartKind& kind);

// Draws the title (centred at the top, one line per line of the text) and
// the legend (at the bottom for position code 2, on the right for code 4
// and any other); returns the room left for the plot.
Box DrawTitleAndLegend(cairo_t* context, const TextPainter& text, const ChartDescription& chart,
                       const ChartKind& kind, PictureSize size);

}  // namespace tabulo::charts::engine

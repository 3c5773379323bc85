#include <cairo.h>

#include "charts/engine/colour.h"
#include "charts/engine/drawing.h"
#include "charts/engine/series_painters.h"

namespace tabulo::charts::engine {
namespace {

constexpr double kLineWidth = 2.25;
constexpr double kMarkerSize = 7.0;

Point PointOf(const CartesianFrame& frame, std::size_t category, const ValueSpan& span) {
  return frame.At(frame.Slot(category).Middle(), frame.ValuePosition(span.to));
}

void StrokeSeries(cairo_t* context, const CartesianFrame& frame, const std::vector<ValueSpan>& spans,
                  Rgb colour) {
  SetColour(context, colour);
  cairo_set_line_width(context, kLineWidth);
  cairo_set_line_join(context, CAIRO_LINE_JOIN_ROUND);
  cairo_set_line_cap(context, CAIRO_LINE_CAP_ROUND);
  bool drawing = false;
  for (std::size_t c = 0; c < spans.size(); ++c) {
    if (!spans[c].present) {
      drawing = false;
      continue;
    }
    Point point = PointOf(frame, c, spans[c]);
    if (drawing) {
      cairo_line_to(context, point.x, point.y);
    } else {
      cairo_move_to(context, point.x, point.y);
    }
    drawing = true;
  }
  cairo_stroke(context);
}

}  // namespace

void DrawLineSeries(cairo_t* context, const CartesianFrame& frame, const ChartKind& kind,
                    const PlottedValues& values) {
  for (std::size_t s = 0; s < values.spans.size(); ++s) {
    StrokeSeries(context, frame, values.spans[s], SeriesColour(s));
  }
  if (!kind.markers) return;
  for (std::size_t s = 0; s < values.spans.size(); ++s) {
    for (std::size_t c = 0; c < values.spans[s].size(); ++c) {
      if (values.spans[s][c].present) {
        DrawMarker(context, PointOf(frame, c, values.spans[s][c]), kMarkerSize, s, SeriesColour(s));
      }
    }
  }
}

}  // namespace tabulo::charts::engine

#include "charts/engine/chart_painter.h"

#include <optional>
#include <string>

#include "charts/engine/cairo_handles.h"
#include "charts/engine/cartesian_chart.h"
#include "charts/engine/chart_error.h"
#include "charts/engine/chart_frame.h"
#include "charts/engine/chart_kind.h"
#include "charts/engine/drawing.h"
#include "charts/engine/pie_chart.h"
#include "charts/engine/text_painter.h"

namespace tabulo::charts::engine {
namespace {

constexpr std::int32_t kLargestExtent = 32767;

// Grey antialiasing without hinting: text looks the same on every surface
// and quantises cleanly to a palette.
void SetFontOptions(cairo_t* context) {
  FontOptionsHandle options(cairo_font_options_create());
  cairo_font_options_set_antialias(options.get(), CAIRO_ANTIALIAS_GRAY);
  cairo_font_options_set_hint_style(options.get(), CAIRO_HINT_STYLE_NONE);
  cairo_font_options_set_hint_metrics(options.get(), CAIRO_HINT_METRICS_OFF);
  cairo_set_font_options(context, options.get());
}

}  // namespace

void CheckPictureSize(PictureSize size) {
  if (size.width < 1 || size.height < 1 || size.width > kLargestExtent || size.height > kLargestExtent) {
    throw ChartError("a chart picture of " + std::to_string(size.width) + " x " + std::to_string(size.height) +
                     " pixels cannot be drawn (each side must be 1 to 32767 pixels)");
  }
}

void PaintChart(cairo_t* context, const ChartDescription& chart, PictureSize size) {
  std::optional<ChartKind> kind = KindOfChartType(chart.type);
  if (!kind) throw ChartError("chart type " + std::to_string(chart.type) + " cannot be drawn");
  CheckPictureSize(size);
  SetFontOptions(context);
  FillBox(context, {0.0, 0.0, static_cast<double>(size.width), static_cast<double>(size.height)}, kWhite);
  TextPainter text(context);
  Box region = DrawTitleAndLegend(context, text, chart, *kind, size);
  if (kind->shape == ChartShape::kPie) {
    DrawPieChart(context, chart, *kind, region);
  } else {
    DrawCartesianChart(context, text, chart, *kind, region);
  }
}

}  // namespace tabulo::charts::engine

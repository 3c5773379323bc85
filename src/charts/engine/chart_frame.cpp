#include "charts/engine/chart_frame.h"

#include <algorithm>
#include <cmath>
#include <string_view>

#include "charts/engine/chart_style.h"
#include "charts/engine/drawing.h"
#include "charts/engine/legend_layout.h"

namespace tabulo::charts::engine {
namespace {

constexpr double kRightLegendShare = 0.32;   // of the picture's width, at most
constexpr double kBottomLegendShare = 0.35;  // of the picture's height, at most
constexpr double kSwatchSize = 10.0;
constexpr double kLineKeyWidth = 22.0;
constexpr double kMarkerSize = 6.0;

std::vector<std::string_view> TitleLines(std::string_view title) {
  std::vector<std::string_view> lines;
  while (!title.empty() && lines.size() < static_cast<std::size_t>(kMostTitleLines)) {
    std::size_t end = title.find('\n');
    std::string_view line = title.substr(0, end);
    if (line.ends_with('\r')) line.remove_suffix(1);
    lines.push_back(line);
    if (end == std::string_view::npos) break;
    title.remove_prefix(end + 1);
  }
  return lines;
}

// Draws the title lines from `top`; returns the bottom of the last one.
double DrawTitle(const TextPainter& text, std::string_view title, double top, double width) {
  double room = width - 2.0 * kPicturePadding;
  for (std::string_view line : TitleLines(title)) {
    TextPlacement placement{{width / 2.0, top}, Align::kCentre, Align::kStart, room, 1, false};
    top += text.Draw(line, kTitleStyle, placement).height;
  }
  return top;
}

LegendMetrics MetricsFor(LegendKey key) {
  LegendMetrics metrics;
  metrics.key_width = key == LegendKey::kSwatch ? kSwatchSize : kLineKeyWidth;
  return metrics;
}

void DrawKey(cairo_t* context, LegendKey key, const LegendEntry& entry, Point left_middle,
             const LegendMetrics& metrics) {
  if (key == LegendKey::kSwatch) {
    Box swatch{std::round(left_middle.x), std::round(left_middle.y - kSwatchSize / 2.0), kSwatchSize,
               kSwatchSize};
    FillBox(context, swatch, entry.colour);
    return;
  }
  Point end{left_middle.x + metrics.key_width, left_middle.y};
  StrokeLine(context, left_middle, end, entry.colour, 2.0);
  if (key == LegendKey::kLineWithMarker) {
    DrawMarker(context, {left_middle.x + metrics.key_width / 2.0, left_middle.y}, kMarkerSize, entry.index,
               entry.colour);
  }
}

void DrawLegend(cairo_t* context, const TextPainter& text, const LegendContent& content,
                const LegendLayout& layout, const LegendMetrics& metrics, Point origin) {
  for (std::size_t i = 0; i < layout.places.size(); ++i) {
    const LegendEntryPlace& place = layout.places[i];
    double middle = std::round(origin.y + place.y + metrics.row_height / 2.0);
    Point key_point{origin.x + place.x, middle};
    DrawKey(context, content.key, content.entries[i], key_point, metrics);
    TextPlacement placement{{key_point.x + metrics.key_width + metrics.key_gap, middle},
                            Align::kStart, Align::kCentre, place.text_width, 1, false};
    text.Draw(content.entries[i].text, kLegendStyle, placement);
  }
}

std::vector<double> TextWidths(const TextPainter& text, const LegendContent& content) {
  std::vector<double> widths;
  widths.reserve(content.entries.size());
  for (const LegendEntry& entry : content.entries) {
    widths.push_back(std::ceil(text.Measure(entry.text, kLegendStyle).width));
  }
  return widths;
}

}  // namespace

LegendContent LegendContentOf(const ChartDescription& chart, const ChartKind& kind) {
  LegendContent content;
  if (kind.shape == ChartShape::kPie) {
    for (std::size_t i = 0; i < chart.categories.size(); ++i) {
      content.entries.push_back({chart.categories[i], SeriesColour(i), i});
    }
    return content;
  }
  if (kind.shape == ChartShape::kLine) content.key = kind.markers ? LegendKey::kLineWithMarker : LegendKey::kLine;
  for (std::size_t i = 0; i < chart.series.size(); ++i) {
    content.entries.push_back({chart.series[i].name, SeriesColour(i), i});
  }
  return content;
}

Box DrawTitleAndLegend(cairo_t* context, const TextPainter& text, const ChartDescription& chart,
                       const ChartKind& kind, PictureSize size) {
  double width = size.width;
  double height = size.height;
  Box room{kPicturePadding, kPicturePadding, width - 2.0 * kPicturePadding, height - 2.0 * kPicturePadding};
  if (!chart.title.empty()) {
    double bottom = DrawTitle(text, chart.title, room.top, width) + kPartGap;
    room.height -= bottom - room.top;
    room.top = bottom;
  }
  if (!chart.legend.shown) return room;

  LegendContent content = LegendContentOf(chart, kind);
  LegendMetrics metrics = MetricsFor(content.key);
  std::vector<double> widths = TextWidths(text, content);
  if (chart.legend.position == legend_position::kBottom) {
    LegendLayout layout = LayoutBottomLegend(widths, room.width, height * kBottomLegendShare, metrics);
    if (layout.places.empty()) return room;
    Point origin{room.left, room.Bottom() - layout.height};
    DrawLegend(context, text, content, layout, metrics, origin);
    room.height -= layout.height + kPartGap;
    return room;
  }
  LegendLayout layout = LayoutRightLegend(widths, width * kRightLegendShare, room.height, metrics);
  if (layout.places.empty()) return room;
  Point origin{room.Right() - layout.width, std::round(room.CentreY() - layout.height / 2.0)};
  DrawLegend(context, text, content, layout, metrics, origin);
  room.width -= layout.width + kPartGap;
  return room;
}

}  // namespace tabulo::charts::engine

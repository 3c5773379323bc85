#include "charts/engine/cartesian_axes.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "charts/engine/chart_style.h"
#include "charts/engine/drawing.h"

namespace tabulo::charts::engine {
namespace {

constexpr double kLabelSpace = 4.0;
constexpr double kSideWallShade = 0.96;

bool ZeroInside(const ValueScale& scale) { return scale.minimum <= 0.0 && scale.maximum >= 0.0; }

void DrawFlatGrid(cairo_t* context, const CartesianFrame& frame) {
  const Box& plot = frame.plot;
  for (double tick : frame.scale.ticks) {
    double at = frame.ValuePosition(tick);
    if (frame.horizontal_values) {
      StrokeLine(context, {at, plot.top}, {at, plot.Bottom()}, kGridColour, 1.0);
    } else {
      StrokeLine(context, {plot.left, at}, {plot.Right(), at}, kGridColour, 1.0);
    }
  }
}

void DrawWalls(cairo_t* context, const CartesianFrame& frame) {
  const Box& p = frame.plot;
  Point d = frame.depth;
  std::array<Point, 4> back{{{p.left + d.x, p.top + d.y}, {p.Right() + d.x, p.top + d.y},
                             {p.Right() + d.x, p.Bottom() + d.y}, {p.left + d.x, p.Bottom() + d.y}}};
  std::array<Point, 4> side{{{p.left, p.top}, {p.left + d.x, p.top + d.y}, {p.left + d.x, p.Bottom() + d.y},
                             {p.left, p.Bottom()}}};
  std::array<Point, 4> floor{{{p.left, p.Bottom()}, {p.Right(), p.Bottom()},
                              {p.Right() + d.x, p.Bottom() + d.y}, {p.left + d.x, p.Bottom() + d.y}}};
  FillPolygon(context, back, kWallColour);
  FillPolygon(context, side, Shaded(kWallColour, kSideWallShade));
  FillPolygon(context, floor, kFloorColour);
  for (double tick : frame.scale.ticks) {
    double at = frame.ValuePosition(tick);
    if (frame.horizontal_values) {
      StrokeLine(context, {at, p.Bottom()}, {at + d.x, p.Bottom() + d.y}, kGridColour, 1.0);
      StrokeLine(context, {at + d.x, p.Bottom() + d.y}, {at + d.x, p.top + d.y}, kGridColour, 1.0);
    } else {
      StrokeLine(context, {p.left, at}, {p.left + d.x, at + d.y}, kGridColour, 1.0);
      StrokeLine(context, {p.left + d.x, at + d.y}, {p.Right() + d.x, at + d.y}, kGridColour, 1.0);
    }
  }
  // The edges where the walls meet the floor.
  StrokeLine(context, {p.left, p.Bottom()}, {p.left + d.x, p.Bottom() + d.y}, kAxisColour, 1.0);
  StrokeLine(context, {p.left + d.x, p.Bottom() + d.y}, {p.Right() + d.x, p.Bottom() + d.y}, kAxisColour, 1.0);
  StrokeLine(context, {p.left + d.x, p.Bottom() + d.y}, {p.left + d.x, p.top + d.y}, kAxisColour, 1.0);
  StrokeLine(context, {p.left, p.Bottom()}, {p.Right(), p.Bottom()}, kAxisColour, 1.0);
  StrokeLine(context, {p.left, p.Bottom()}, {p.left, p.top}, kAxisColour, 1.0);
}

void DrawValueLabels(const TextPainter& text, const CartesianLayout& layout) {
  const CartesianFrame& frame = layout.frame;
  for (std::size_t i = 0; i < frame.scale.ticks.size(); i += layout.value_label_every) {
    double at = frame.ValuePosition(frame.scale.ticks[i]);
    TextPlacement placement;
    if (frame.horizontal_values) {
      placement = {{at, frame.plot.Bottom() + kLabelSpace}, Align::kCentre, Align::kStart, 0.0, 1, false};
    } else {
      placement = {{frame.plot.left - kLabelSpace - 2.0, at}, Align::kEnd, Align::kCentre, 0.0, 1, false};
    }
    text.Draw(layout.value_labels[i], kLabelStyle, placement);
  }
}

void DrawCategoryLabels(const TextPainter& text, const ChartDescription& chart, const CartesianLayout& layout) {
  const CartesianFrame& frame = layout.frame;
  const CategoryLabelPlan& plan = layout.category_labels;
  for (std::size_t i = 0; i < chart.categories.size(); i += plan.every) {
    const std::string& label = chart.categories[i];
    double middle = frame.Slot(i).Middle();
    if (frame.horizontal_values) {
      TextPlacement placement{{frame.plot.left - kLabelSpace - 2.0, middle}, Align::kEnd, Align::kCentre,
                              plan.max_width, 1, false};
      text.Draw(label, kLabelStyle, placement);
      continue;
    }
    // A label's room is centred on its slot but cut off at the plot's left
    // and the region's right edge, so that it stays clear of the value
    // labels and inside the picture without reaching into its neighbours'.
    double low = std::max(middle - plan.max_width / 2.0, frame.plot.left);
    double high = std::min(middle + plan.max_width / 2.0, layout.region.Right());
    double room = std::max(high - low, 1.0);
    double half = text.MeasureFitted(label, kLabelStyle, room, plan.max_lines).width / 2.0;
    double centre = low + half <= high - half ? std::clamp(middle, low + half, high - half) : (low + high) / 2.0;
    TextPlacement placement{{centre, frame.plot.Bottom() + kLabelSpace}, Align::kCentre, Align::kStart, room,
                            plan.max_lines, false};
    text.Draw(label, kLabelStyle, placement);
  }
}

void DrawAxisTitles(const TextPainter& text, const ChartDescription& chart, const CartesianLayout& layout) {
  const Box& region = layout.region;
  const Box& plot = layout.frame.plot;
  const std::string& side_title = layout.frame.horizontal_values ? chart.category_axis_title : chart.value_axis_title;
  const std::string& bottom_title = layout.frame.horizontal_values ? chart.value_axis_title : chart.category_axis_title;
  if (!side_title.empty()) {
    TextPlacement placement{{region.left, plot.CentreY()}, Align::kStart, Align::kCentre, plot.height, 1, true};
    text.Draw(side_title, kAxisTitleStyle, placement);
  }
  if (!bottom_title.empty()) {
    TextPlacement placement{{plot.CentreX(), region.Bottom()}, Align::kCentre, Align::kEnd, region.width, 1, false};
    text.Draw(bottom_title, kAxisTitleStyle, placement);
  }
}

}  // namespace

void DrawPlotBackground(cairo_t* context, const CartesianLayout& layout) {
  const CartesianFrame& frame = layout.frame;
  if (frame.depth.x != 0.0 || frame.depth.y != 0.0) {
    DrawWalls(context, frame);
  } else {
    DrawFlatGrid(context, frame);
  }
}

void DrawZeroLine(cairo_t* context, const CartesianLayout& layout) {
  const CartesianFrame& frame = layout.frame;
  if (frame.depth.x != 0.0 || frame.depth.y != 0.0 || !ZeroInside(frame.scale)) return;
  double at = frame.ValuePosition(0.0);
  const Box& plot = frame.plot;
  if (frame.horizontal_values) {
    StrokeLine(context, {at, plot.top}, {at, plot.Bottom()}, kAxisColour, 1.0);
  } else {
    StrokeLine(context, {plot.left, at}, {plot.Right(), at}, kAxisColour, 1.0);
  }
}

void DrawAxisTexts(const TextPainter& text, const ChartDescription& chart, const CartesianLayout& layout) {
  DrawValueLabels(text, layout);
  DrawCategoryLabels(text, chart, layout);
  DrawAxisTitles(text, chart, layout);
}

}  // namespace tabulo::charts::engine

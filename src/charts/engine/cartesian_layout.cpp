#include "charts/engine/cartesian_layout.h"

#include <algorithm>
#include <cmath>

#include "charts/engine/axis_number_text.h"
#include "charts/engine/chart_style.h"

namespace tabulo::charts::engine {
namespace {

constexpr double kLabelSpace = 4.0;           // between the plot and its labels
constexpr double kMinReadableLabel = 40.0;    // narrower category labels are thinned out
constexpr double kBarLabelShare = 0.3;        // of the region's width for bar labels, at most
constexpr double kLabelLineSpacing = 2.0;     // value labels on a vertical axis: lines between ticks
constexpr double kValueLabelGap = 10.0;       // value labels on a horizontal axis: between labels
constexpr double kDepthRise = 0.72;           // a 3D chart's depth rises this much per pixel to the right
constexpr double kDepthShare = 0.3;           // of the region a 3D depth may take, at most
constexpr int kLayoutPasses = 3;

double Widest(const TextPainter& text, const std::vector<std::string>& labels, const TextStyle& style) {
  double widest = 0.0;
  for (const std::string& label : labels) widest = std::max(widest, text.Measure(label, style).width);
  return std::ceil(widest);
}

ValueScale ScaleFor(const ChartDescription& chart, const ChartKind& kind, const PlottedValues& values,
                    int most_ticks, int decimals) {
  if (kind.grouping == SeriesGrouping::kStacked100) {
    return FixedValueScale(values.low < 0.0 ? -100.0 : 0.0, values.high > 0.0 || values.low == 0.0 ? 100.0 : 0.0,
                           most_ticks, decimals);
  }
  if (chart.number_format.percentage && chart.number_format.fixed_scale) {
    return FixedValueScale(0.0, 100.0, most_ticks, decimals);
  }
  return ChooseValueScale(values.low, values.high, most_ticks, decimals);
}

std::vector<std::string> LabelsOf(const ValueScale& scale, const ChartNumberFormat& format) {
  std::vector<std::string> labels;
  for (double tick : scale.ticks) labels.push_back(AxisNumberText(tick, format));
  return labels;
}

// The offset of a 3D chart's full depth: a fraction of a category's room
// (per series for columns in rows), never more than a share of the region.
Point DepthFor(const ChartKind& kind, const Box& region, std::size_t series, std::size_t categories) {
  if (!kind.three_d) return {};
  double along = kind.shape == ChartShape::kBar ? region.height : region.width;
  double slot = along * 0.8 / static_cast<double>(std::max<std::size_t>(categories, 1));
  double run = std::clamp(slot * 0.35, 5.0, 16.0);
  if (kind.grouping == SeriesGrouping::kDepthRows) {
    run = std::clamp(slot * 0.5, 6.0, 22.0) * static_cast<double>(std::max<std::size_t>(series, 1));
  }
  run = std::min({run, region.width * kDepthShare, region.height * kDepthShare / kDepthRise});
  return {std::round(run), -std::round(run * kDepthRise)};
}

std::vector<double> CategoryWidths(const TextPainter& text, const ChartDescription& chart) {
  std::vector<double> widths;
  for (const std::string& label : chart.categories) widths.push_back(text.Measure(label, kLabelStyle).width);
  return widths;
}

// Keeps a box usable however small the picture: at least a pixel each way.
void KeepPositive(Box& box) {
  box.width = std::max(box.width, 1.0);
  box.height = std::max(box.height, 1.0);
}

void LayOutColumns(const TextPainter& text, const ChartDescription& chart, const ChartKind& kind,
                   const PlottedValues& values, CartesianLayout& layout) {
  const Box& region = layout.region;
  CartesianFrame& frame = layout.frame;
  double line = std::ceil(text.Measure("0", kLabelStyle).height);
  double left = region.left + (chart.value_axis_title.empty() ? 0.0 : layout.title_extent + kPartGap);
  double bottom = region.Bottom() - (chart.category_axis_title.empty() ? 0.0 : layout.title_extent + kPartGap);
  std::vector<double> widths = CategoryWidths(text, chart);
  double category_block = line;
  for (int pass = 0; pass < kLayoutPasses; ++pass) {
    frame.plot.top = region.top + std::ceil(line / 2.0) - frame.depth.y;
    frame.plot.height = bottom - category_block - kLabelSpace - frame.plot.top;
    int most = static_cast<int>(std::floor(frame.plot.height / (kLabelLineSpacing * line))) + 1;
    frame.scale = ScaleFor(chart, kind, values, most, layout.label_format.decimals);
    layout.value_labels = LabelsOf(frame.scale, layout.label_format);
    frame.plot.left = left + Widest(text, layout.value_labels, kLabelStyle) + kLabelSpace + 2.0;
    frame.plot.width = region.Right() - frame.depth.x - kLabelSpace - frame.plot.left;
    KeepPositive(frame.plot);
    layout.category_labels = PlanCategoryLabels(widths, frame.SlotLength(), kMinReadableLabel);
    category_block = line;
    for (std::size_t i = 0; i < chart.categories.size(); i += layout.category_labels.every) {
      TextSize size = text.MeasureFitted(chart.categories[i], kLabelStyle, layout.category_labels.max_width,
                                         layout.category_labels.max_lines);
      category_block = std::max(category_block, std::ceil(size.height));
    }
  }
  double tick_spacing = frame.plot.height / static_cast<double>(std::max<std::size_t>(frame.scale.ticks.size(), 2) - 1);
  layout.value_label_every = LabelThinning(tick_spacing, line + 2.0, frame.scale.ticks.size());
}

void LayOutBars(const TextPainter& text, const ChartDescription& chart, const ChartKind& kind,
                const PlottedValues& values, CartesianLayout& layout) {
  const Box& region = layout.region;
  CartesianFrame& frame = layout.frame;
  double line = std::ceil(text.Measure("0", kLabelStyle).height);
  double label_column = 0.0;
  for (double width : CategoryWidths(text, chart)) label_column = std::max(label_column, std::ceil(width));
  label_column = std::min(label_column, std::floor(region.width * kBarLabelShare));
  double left = region.left + (chart.category_axis_title.empty() ? 0.0 : layout.title_extent + kPartGap);
  frame.plot.left = left + label_column + kLabelSpace + 2.0;
  frame.plot.top = region.top + kLabelSpace - frame.depth.y;
  frame.plot.height = region.Bottom() - (chart.value_axis_title.empty() ? 0.0 : layout.title_extent + kPartGap) -
                      line - kLabelSpace - frame.plot.top;
  double widest = 0.0;
  for (int most = kMostTicks; most >= kFewestTicks; --most) {
    frame.scale = ScaleFor(chart, kind, values, most, layout.label_format.decimals);
    layout.value_labels = LabelsOf(frame.scale, layout.label_format);
    widest = Widest(text, layout.value_labels, kLabelStyle);
    double last_half = std::ceil(text.Measure(layout.value_labels.back(), kLabelStyle).width / 2.0);
    frame.plot.width = region.Right() - frame.depth.x - std::max(last_half, kLabelSpace) - frame.plot.left;
    double spacing = frame.plot.width / static_cast<double>(std::max<std::size_t>(frame.scale.ticks.size(), 2) - 1);
    if (spacing >= widest + kValueLabelGap) break;
  }
  KeepPositive(frame.plot);
  double spacing = frame.plot.width / static_cast<double>(std::max<std::size_t>(frame.scale.ticks.size(), 2) - 1);
  layout.value_label_every = LabelThinning(spacing, widest + kValueLabelGap, frame.scale.ticks.size());
  std::size_t every = LabelThinning(frame.SlotLength(), line, chart.categories.size());
  layout.category_labels = {every, label_column, 1};
}

}  // namespace

CartesianLayout LayOutCartesian(const TextPainter& text, const ChartDescription& chart, const ChartKind& kind,
                                const PlottedValues& values, const Box& region) {
  CartesianLayout layout;
  layout.region = region;
  layout.label_format = chart.number_format;
  if (kind.grouping == SeriesGrouping::kStacked100) layout.label_format.percentage = true;
  layout.title_extent = std::ceil(text.Measure("Ag", kAxisTitleStyle).height);
  CartesianFrame& frame = layout.frame;
  frame.categories = chart.categories.size();
  frame.horizontal_values = kind.shape == ChartShape::kBar;
  frame.categories_downward = kind.first_category_on_top;
  frame.depth = DepthFor(kind, region, chart.series.size(), chart.categories.size());
  if (frame.horizontal_values) {
    LayOutBars(text, chart, kind, values, layout);
  } else {
    LayOutColumns(text, chart, kind, values, layout);
  }
  return layout;
}

}  // namespace tabulo::charts::engine

#include "office/chart/chart.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

#include "office/chart/chart_template.h"
#include "office/chart/value_axis_scale.h"

namespace tabulo::office {
namespace {

constexpr std::int32_t kMaxSkip = 31999;

ChartTypeShape DrawableShape(ChartType type) {
  const std::optional<ChartTypeShape> shape = ShapeOf(type);
  if (!shape)
    throw std::invalid_argument("chart type " + std::to_string(static_cast<int>(type)) + " cannot be drawn");
  return *shape;
}

void CheckFinite(double value, const char* what) {
  if (!std::isfinite(value)) throw std::invalid_argument(std::string(what) + " must be a finite number");
}

void CheckSkip(std::int32_t spacing) {
  if (spacing < 1 || spacing > kMaxSkip) throw std::invalid_argument("a tick spacing must be 1 to 31999");
}

template <typename Title>
Title& Pick(ChartAxis axis, Title& category, Title& value) {
  if (axis == ChartAxis::kCategory) return category;
  if (axis == ChartAxis::kValue) return value;
  throw std::invalid_argument("unknown chart axis");
}

}  // namespace

Chart::Chart(ChartType type) : type_(type), shape_(DrawableShape(type)) {}

void Chart::SetType(ChartType type) {
  shape_ = DrawableShape(type);
  type_ = type;
}

std::optional<ChartType> Chart::ApplyCustomType(std::string_view) { return std::nullopt; }

ChartType Chart::ApplyChartTemplate(const std::filesystem::path& path) {
  const ChartType described = ReadChartTemplateType(path);
  SetType(ShapeOf(described) ? described : ChartType::kColumnClustered);
  return type_;
}

void Chart::SetSeries(std::vector<ChartSeries> series) {
  if (series.size() > kMaxChartSeries) throw std::invalid_argument("a chart holds at most 255 series");
  series_ = std::move(series);
}

void Chart::SetSourceData(std::string_view sheet_name, const CellRange& range,
                          const ChartCellLookup& lookup) {
  SetSeries(SeriesFromRows(sheet_name, range, lookup));
}

void Chart::ClearDataLabels() {
  for (ChartSeries& series : series_) series.point_labels.clear();
}

void Chart::SetPointDataLabel(std::int32_t series, std::int32_t point, std::string_view text,
                              std::optional<DataLabelPosition> position) {
  if (series < 1 || static_cast<std::size_t>(series) > series_.size())
    throw std::out_of_range("the chart has no series " + std::to_string(series));
  ChartSeries& target = series_[static_cast<std::size_t>(series - 1)];
  const std::size_t points = std::max(target.values.numbers.size(), target.categories.PointCount());
  if (point < 1 || static_cast<std::size_t>(point) > points)
    throw std::out_of_range("series " + std::to_string(series) + " has no point " + std::to_string(point));
  target.point_labels[static_cast<std::size_t>(point - 1)] = PointLabel{std::string(text), position};
}

void Chart::SetLegendPosition(LegendPosition position) {
  if (position != LegendPosition::kRight && position != LegendPosition::kBottom)
    throw std::invalid_argument("unknown legend position");
  legend_position_ = position;
}

void Chart::SetHasTitle(bool shown) {
  if (!shown) title_ = ChartTitle{};
  title_.shown = shown;
}

void Chart::SetTitleText(std::string_view text) {
  title_.shown = true;
  title_.text = std::string(text);
}

void Chart::SetTitleFont(const ChartFont& font) {
  CheckChartFont(font);
  title_.font = font;
}

void Chart::RequireAxes() const {
  if (!shape_.HasAxes()) throw std::logic_error("a pie chart has no axes");
}

ChartTitle& Chart::AxisTitle(ChartAxis axis) {
  RequireAxes();
  return Pick(axis, category_axis_.title, value_axis_.title);
}

const ChartTitle& Chart::AxisTitle(ChartAxis axis) const {
  RequireAxes();
  return Pick(axis, category_axis_.title, value_axis_.title);
}

bool Chart::AxisHasTitle(ChartAxis axis) const { return AxisTitle(axis).shown; }

void Chart::SetAxisHasTitle(ChartAxis axis, bool shown) {
  ChartTitle& title = AxisTitle(axis);
  if (!shown) title = ChartTitle{};
  title.shown = shown;
}

void Chart::SetAxisTitleText(ChartAxis axis, std::string_view text) {
  ChartTitle& title = AxisTitle(axis);
  title.shown = true;
  title.text = std::string(text);
}

void Chart::SetValueAxisMinimum(double minimum) {
  RequireAxes();
  CheckFinite(minimum, "an axis minimum");
  if (value_axis_.maximum && minimum >= *value_axis_.maximum)
    throw std::invalid_argument("the axis minimum must be below its maximum");
  value_axis_.minimum = minimum;
}

void Chart::SetValueAxisMaximum(double maximum) {
  RequireAxes();
  CheckFinite(maximum, "an axis maximum");
  if (value_axis_.minimum && maximum <= *value_axis_.minimum)
    throw std::invalid_argument("the axis maximum must be above its minimum");
  value_axis_.maximum = maximum;
}

double Chart::ValueAxisMajorUnit() const {
  RequireAxes();
  if (value_axis_.major_unit) return *value_axis_.major_unit;
  return AutomaticMajorUnit(PlottedExtent(series_, shape_.grouping), value_axis_.minimum,
                            value_axis_.maximum);
}

void Chart::SetValueAxisMajorUnit(double unit) {
  RequireAxes();
  CheckFinite(unit, "a major unit");
  if (!(unit > 0)) throw std::invalid_argument("a major unit must be above 0");
  value_axis_.major_unit = unit;
}

void Chart::SetValueAxisNumberFormat(std::string_view format) {
  RequireAxes();
  if (format.empty()) throw std::invalid_argument("empty number format");
  value_axis_.number_format = std::string(format);
}

void Chart::RemoveCategoryMajorTickMarks() {
  RequireAxes();
  category_axis_.major_tick_marks = false;
}

void Chart::SetCategoryTickLabelSpacing(std::int32_t spacing) {
  RequireAxes();
  CheckSkip(spacing);
  category_axis_.tick_label_spacing = spacing;
}

void Chart::SetCategoryTickMarkSpacing(std::int32_t spacing) {
  RequireAxes();
  CheckSkip(spacing);
  category_axis_.tick_mark_spacing = spacing;
}

}  // namespace tabulo::office

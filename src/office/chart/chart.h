#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "office/chart/chart_series.h"
#include "office/chart/chart_source_data.h"
#include "office/chart/chart_text.h"
#include "office/chart/chart_type.h"
#include "office/chart/data_label_position.h"

namespace tabulo::office {

// Where the legend stands, at Excel's numbers.
enum class LegendPosition : std::int32_t { kRight = -4152, kBottom = -4107 };

// The two axes a chart's operations name, at Excel's numbers.
enum class ChartAxis : std::int32_t { kCategory = 1, kValue = 2 };

// Most series a chart holds.
inline constexpr std::size_t kMaxChartSeries = 255;

// The title of a chart or an axis. Shown without text it shows the
// application's default text.
struct ChartTitle {
  bool shown = false;
  std::string text{};
  std::optional<ChartFont> font{};

  friend bool operator==(const ChartTitle&, const ChartTitle&) = default;
};

struct CategoryAxisSettings {
  ChartTitle title{};
  bool major_tick_marks = true;
  std::optional<std::int32_t> tick_label_spacing{};
  std::optional<std::int32_t> tick_mark_spacing{};

  friend bool operator==(const CategoryAxisSettings&, const CategoryAxisSettings&) = default;
};

struct ValueAxisSettings {
  ChartTitle title{};
  std::optional<double> minimum{};
  std::optional<double> maximum{};
  std::optional<double> major_unit{};
  // Set: the labels show this format; unset: they follow the source cells.
  std::optional<std::string> number_format{};

  friend bool operator==(const ValueAxisSettings&, const ValueAxisSettings&) = default;
};

// A chart: its type, series, title, legend, axes and point labels. The
// operations match those the export logic calls on a chart, one for one;
// a chart part is written from it by WriteChartPart (chart_part_writer.h).
// Operations that Office refuses throw: std::invalid_argument for values it
// does not take, std::logic_error for axes of a pie (a pie has none).
class Chart {
 public:
  explicit Chart(ChartType type = ChartType::kColumnClustered);

  // Type. Only types ShapeOf knows can be set (std::invalid_argument
  // otherwise). A built-in type applied as custom type is the same.
  ChartType Type() const { return type_; }
  const ChartTypeShape& Shape() const { return shape_; }
  void SetType(ChartType type);
  void ApplyCustomType(ChartType type) { SetType(type); }
  // A user-defined type applied by name: this layer knows none, so the
  // chart stays as it is and nothing is returned.
  std::optional<ChartType> ApplyCustomType(std::string_view user_defined_name);
  // Applies the type a chart template file describes and gives the type
  // that results: the template's own when this layer can draw it, else
  // clustered column. Throws ChartTemplateError for a file that cannot be read.
  ChartType ApplyChartTemplate(const std::filesystem::path& path);

  // Data. At most 255 series (std::invalid_argument). Point labels set
  // before are dropped with the series they were on.
  void SetSeries(std::vector<ChartSeries> series);
  // The series of a range of a sheet, series in rows (see SeriesFromRows).
  void SetSourceData(std::string_view sheet_name, const CellRange& range, const ChartCellLookup& lookup);
  const std::vector<ChartSeries>& Series() const { return series_; }

  // Whether fonts grow and shrink with the chart. Kept for the caller;
  // charts in a file always keep their font sizes.
  void SetAutoScaleFont(bool on) { auto_scale_font_ = on; }
  bool AutoScaleFont() const { return auto_scale_font_; }

  // Removes every data label of the chart.
  void ClearDataLabels();
  // A label with its own text on one point; series and point are 1-based in
  // the order of the source data (std::out_of_range for one that does not
  // exist). The position applies where the chart type allows it.
  void SetPointDataLabel(std::int32_t series, std::int32_t point, std::string_view text,
                         std::optional<DataLabelPosition> position = std::nullopt);

  // Legend.
  bool HasLegend() const { return has_legend_; }
  void SetHasLegend(bool shown) { has_legend_ = shown; }
  LegendPosition GetLegendPosition() const { return legend_position_; }
  void SetLegendPosition(LegendPosition position);

  // Chart title; setting a text shows the title, removing the title drops
  // its text and font. A CR starts a new line.
  bool HasTitle() const { return title_.shown; }
  void SetHasTitle(bool shown);
  void SetTitleText(std::string_view text);
  void SetTitleFont(const ChartFont& font);
  const ChartTitle& Title() const { return title_; }

  // Axis titles, under the same rules.
  bool AxisHasTitle(ChartAxis axis) const;
  void SetAxisHasTitle(ChartAxis axis, bool shown);
  void SetAxisTitleText(ChartAxis axis, std::string_view text);

  // Value axis scale. Minimum and maximum must be finite, and the minimum
  // below the maximum when both are set; the major unit finite and above 0.
  void SetValueAxisMinimum(double minimum);
  void SetValueAxisMaximum(double maximum);
  // The major unit set, else the one the axis gets automatically (see
  // AutomaticMajorUnit), so that a caller can raise a unit that is too fine.
  double ValueAxisMajorUnit() const;
  void SetValueAxisMajorUnit(double unit);
  // The labels' number format, no longer linked to the source cells.
  void SetValueAxisNumberFormat(std::string_view format);

  // Category axis.
  void RemoveCategoryMajorTickMarks();
  // Every how many categories a label (a tick mark) stands: 1 to 31999.
  void SetCategoryTickLabelSpacing(std::int32_t spacing);
  void SetCategoryTickMarkSpacing(std::int32_t spacing);

  const CategoryAxisSettings& CategoryAxis() const { return category_axis_; }
  const ValueAxisSettings& ValueAxis() const { return value_axis_; }

 private:
  void RequireAxes() const;
  ChartTitle& AxisTitle(ChartAxis axis);
  const ChartTitle& AxisTitle(ChartAxis axis) const;

  ChartType type_;
  ChartTypeShape shape_;
  std::vector<ChartSeries> series_;
  bool auto_scale_font_ = true;
  bool has_legend_ = true;
  LegendPosition legend_position_ = LegendPosition::kRight;
  ChartTitle title_;
  CategoryAxisSettings category_axis_;
  ValueAxisSettings value_axis_;
};

}  // namespace tabulo::office

#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "scripts/excel/excel_chart_types.h"
#include "scripts/excel/excel_types.h"

namespace tabulo::excel {

// One chart object embedded in a worksheet: exactly the chart operations the
// chart planning uses. Every operation may throw std::exception where Excel
// can fail it; the planning decides which failures it absorbs.
class ExcelChart {
 public:
  virtual ~ExcelChart() = default;

  // Chart type (ChartType).
  virtual void SetType(ChartType type) = 0;
  // ApplyCustomType with a built-in type: the type with its standard look.
  virtual void ApplyCustomType(ChartType type) = 0;
  // ApplyCustomType(xlUserDefined, name): applies a user-defined chart type
  // by name and gives the chart type that results, or nothing when no
  // user-defined type of that name exists (the chart then stays as it was).
  virtual std::optional<ChartType> ApplyCustomType(std::string_view user_defined_name) = 0;
  // Applies a chart template file and gives the chart type that results;
  // throws when the file cannot be applied.
  virtual ChartType ApplyChartTemplate(std::string_view path) = 0;

  // The chart's data: a range of the chart's own worksheet whose first row
  // holds the category labels and whose first column the series names; the
  // series run in rows (SetSourceData with PlotBy rows).
  virtual void SetSourceData(const CellRange& range) = 0;

  // ChartArea.AutoScaleFont.
  virtual void SetAutoScaleFont(bool on) = 0;
  // ApplyDataLabels with none: removes every data label of the chart.
  virtual void ClearDataLabels() = 0;

  // Legend.
  virtual void SetHasLegend(bool shown) = 0;
  virtual void SetLegendPosition(LegendPosition position) = 0;

  // Chart title. A title shown without text yet shows the chart's default;
  // a CR ("\r") in the text starts a new line.
  virtual bool HasTitle() const = 0;
  virtual void SetHasTitle(bool shown) = 0;
  virtual void SetTitleText(std::string_view text) = 0;
  virtual void SetTitleFont(const ChartFont& font) = 0;

  // Axis titles (Axes(axis).HasTitle, AxisTitle.Caption).
  virtual bool AxisHasTitle(ChartAxis axis) const = 0;
  virtual void SetAxisHasTitle(ChartAxis axis, bool shown) = 0;
  virtual void SetAxisTitleText(ChartAxis axis, std::string_view text) = 0;

  // Value axis scale.
  virtual void SetValueAxisMinimum(double minimum) = 0;
  virtual void SetValueAxisMaximum(double maximum) = 0;
  // The major unit in force: the one set, else the automatic one. An
  // implementation that cannot work out the automatic unit gives 0.
  virtual double ValueAxisMajorUnit() const = 0;
  virtual void SetValueAxisMajorUnit(double unit) = 0;
  // The number format of the value axis labels. Excel links the axis to its
  // source cells; the planning passes the format of those cells here, so an
  // implementation need not work it out.
  virtual void SetValueAxisNumberFormat(std::string_view format) = 0;

  // Category axis: no major tick marks (MajorTickMark none).
  virtual void RemoveCategoryMajorTickMarks() = 0;
  // Every how many categories a label (a tick mark) is drawn.
  virtual void SetCategoryTickLabelSpacing(std::int32_t spacing) = 0;
  virtual void SetCategoryTickMarkSpacing(std::int32_t spacing) = 0;

  // Shows a data label with this text on one point: series and point are
  // 1-based, counted in the order of the source data.
  virtual void SetPointDataLabel(std::int32_t series, std::int32_t point, std::string_view text) = 0;
};

}  // namespace tabulo::excel

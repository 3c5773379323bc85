#pragma once

#include <string>
#include <string_view>

#include "frame/cexport.h"
#include "scripts/excel/chart_settings.h"
#include "scripts/excel/excel_chart_operations.h"

namespace tabulo::excel {

// The type and template every chart of a table gets.
struct ChartLook {
  ChartTypeChoice type;
  std::string template_path;  // empty: no template
  // Pies are kept only when every structure that makes charts is per
  // element: a pie shows one series.
  bool pies_allowed = true;
};

// Gives one chart its type or template and sets its titles, in the order the
// chart is built: SetTypeOrTemplate before the source data, then
// ApplyUserDefinedType, ClearDataLabels and the titles.
class ChartDressing {
 public:
  ChartDressing(const ChartLook& look, ExcelChart& chart, frame::IOfficeExport& exporter)
      : look_(look), chart_(chart), exporter_(exporter) {}

  // Applies the template (failures pass on), else sets the type (failures
  // absorbed). A user-defined type starts as clustered column.
  void SetTypeOrTemplate();
  // Applies a user-defined type by name. When Excel does not know it, the
  // chart keeps clustered column and gets a chart title and axis titles, so
  // that the titles below can be set.
  void ApplyUserDefinedType();
  // A template or a user-defined type brings data labels of its own: they go.
  void ClearDataLabels();

  // The chart title: the plain text, cut to 255 characters, in Arial bold 14
  // (a user-defined type keeps its own font, and its title only when it has
  // one); an empty title is removed. Failures are absorbed.
  void SetChartTitle(std::string_view title);
  // An axis title by the same rule; a category axis with a title labels every
  // category.
  void SetAxisLabel(ChartAxis axis, std::string_view label);

  bool IsPie() const { return is_pie_; }

 private:
  void FallBackFromPie();

  const ChartLook& look_;
  ExcelChart& chart_;
  frame::IOfficeExport& exporter_;
  bool is_pie_ = false;
};

}  // namespace tabulo::excel

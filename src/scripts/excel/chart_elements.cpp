#include "scripts/excel/chart_elements.h"

#include <array>
#include <string>
#include <string_view>

#include "scripts/excel/axis_queries.h"

namespace tabulo::excel {

ChartElementKind ChartKindOf(const xml::Node& element) {
  static constexpr std::array<std::string_view, 3> kCategories = {"Category", "Combine", "Expression"};
  static constexpr std::array<std::string_view, 15> kSpecials = {
      "Mean",       "StdDev", "StdErr",  "SampleVar",    "Sum",     "Minimum", "Maximum", "Median",
      "Percentile", "Mode",   "Derived", "OtherDerived", "Numeric", "Total",   "SubTotal"};
  // An element without a Type is a category.
  const std::string type = element.Attribute("Type").value_or("Category");
  for (std::string_view name : kCategories) {
    if (type == name) return ChartElementKind::kCategory;
  }
  for (std::string_view name : kSpecials) {
    if (type == name) return ChartElementKind::kSpecial;
  }
  if (type == "Base" || type == "UnweightedBase") return ChartElementKind::kBase;
  return ChartElementKind::kOther;
}

bool TakesPartInCharts(const xml::Node& element) { return IsShown(element) && HasCellValues(element); }

bool IsChartCategory(const xml::Node& element) {
  return TakesPartInCharts(element) && ChartKindOf(element) == ChartElementKind::kCategory;
}

bool IsChartSeries(const xml::Node& element, bool special) {
  const ChartElementKind wanted = special ? ChartElementKind::kSpecial : ChartElementKind::kCategory;
  return TakesPartInCharts(element) && ChartKindOf(element) == wanted;
}

bool IsChartBase(const xml::Node& element) { return ChartKindOf(element) == ChartElementKind::kBase; }

}  // namespace tabulo::excel

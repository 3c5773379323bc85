#include "charts/planning/chart_texts.h"
#include "charts/planning/markup_stripper.h"
#include "charts/planning/planning_context.h"

namespace tabulo::charts {
namespace {

using tables::CAxisHeading;
using tables::CElementHeading;

std::vector<const CElementHeading*> AllElements(const std::vector<const CAxisHeading*>& variables,
                                                ElementFamily family) {
  std::vector<const CElementHeading*> elements;
  for (const CAxisHeading* variable : variables) {
    for (const CElementHeading* element : FamilyElements(*variable, family)) elements.push_back(element);
  }
  return elements;
}

}  // namespace

void PlanPerTable(const PlanningContext& context, ElementFamily family, std::vector<PlannedOutput>& out) {
  const auto& category_variables = context.CategoryVariables();
  const auto& series_variables = context.SeriesVariables();
  if (family == ElementFamily::kSpecial && series_variables.empty()) return;

  std::vector<const CElementHeading*> categories = AllElements(category_variables, ElementFamily::kCategory);
  std::vector<const CElementHeading*> series_elements = AllElements(series_variables, family);
  if (series_elements.size() > kMostSeries) series_elements.resize(kMostSeries);
  bool no_series = !series_variables.empty() && series_elements.empty();
  if (categories.empty() || no_series) {
    out.emplace_back(
        ChartNote{family == ElementFamily::kCategory ? CategoryChartNote() : SpecialChartNote()});
    return;
  }

  ChartDescription chart;
  chart.type = context.ChartType();
  for (const CElementHeading* category : categories)
    chart.categories.push_back(PrefixedElementLabel(*category));
  if (series_variables.empty()) {
    chart.series.push_back(
        {FrequencyText(), context.SeriesValues(nullptr, categories, context.SeriesItem(nullptr))});
  }
  for (const CElementHeading* element : series_elements) {
    chart.series.push_back({PrefixedElementLabel(*element),
                            context.SeriesValues(element, categories, context.SeriesItem(element))});
  }
  const CElementHeading* first_series = series_elements.empty() ? nullptr : series_elements.front();
  chart.number_format = context.NumberFormatFor(first_series);
  chart.title = StripMarkup(context.Table().Description());
  if (category_variables.size() == 1) {
    chart.category_axis_title =
        VariableLabel(category_variables.front(), context.Settings().use_variable_labels);
  }
  if (first_series == nullptr || !first_series->IsSingleValue())
    chart.value_axis_title = context.ChartItemTypeName();
  chart.legend = {true, legend_position::kRight};
  out.emplace_back(std::move(chart));
}

}  // namespace tabulo::charts

#include "charts/planning/chart_texts.h"
#include "charts/planning/markup_stripper.h"
#include "charts/planning/planning_context.h"

namespace tabulo::charts {
namespace {

using tables::CAxisHeading;
using tables::CElementHeading;

// The series name with the base of the last category appended, when the
// setting asks for it and the base cell has a value. True when appended.
bool AppendLastCategoryBase(const PlanningContext& context, const CAxisHeading* series_variable,
                            const CElementHeading& last_category, std::string& name) {
  const CElementHeading* base = nullptr;
  if (series_variable != nullptr) {
    base = BaseElementOf(*series_variable);
    if (base == nullptr) return false;
  }
  bool single_valued = last_category.IsSingleValue() || (base != nullptr && base->IsSingleValue());
  auto item = BaseCellItemIndex(context.Table(), single_valued);
  if (!item) return false;
  std::string_view text = context.Cells().Text(base, &last_category, *item);
  if (text.empty()) return false;
  name += " (" + ElementLabel(&last_category) + " : " + StripMarkup(text) + ")";
  return true;
}

void PieTitles(const PlanningContext& context, const CAxisHeading* category_variable,
               const CAxisHeading* series_variable, const CElementHeading* element, ChartDescription& chart) {
  bool labels = context.Settings().use_variable_labels;
  std::string first =
      WithColonContext(VariableLabel(category_variable, labels), NestingContext(series_variable));
  std::string second = FrequencyText();
  if (series_variable != nullptr) {
    second = WithColonContext(VariableLabel(series_variable, labels) + ": " + ElementLabel(element),
                              NestingContext(category_variable));
  }
  chart.title = first + "\n" + second;
  chart.legend = {true, legend_position::kRight};
}

void AxisTitles(const PlanningContext& context, const CAxisHeading* category_variable,
                const CAxisHeading* series_variable, const CElementHeading* element, bool base_added,
                ChartDescription& chart) {
  bool labels = context.Settings().use_variable_labels;
  bool single_valued = element != nullptr && element->IsSingleValue();
  chart.title = WithContext(VariableLabel(series_variable, labels), NestingContext(category_variable));
  chart.category_axis_title =
      WithColonContext(VariableLabel(category_variable, labels), NestingContext(series_variable));
  chart.value_axis_title = single_valued ? ElementLabel(element) : context.ChartItemTypeName();
  if (base_added) {
    chart.legend = {true, legend_position::kBottom};
  } else if (single_valued) {
    chart.legend = {false, legend_position::kRight};
  } else {
    chart.legend = {true, legend_position::kRight};
  }
}

// One chart of the series element `element` (null for the frequency series
// of a pair without series variable).
void ElementChart(const PlanningContext& context, const CAxisHeading* category_variable,
                  const CAxisHeading* series_variable, const CElementHeading* element,
                  std::vector<PlannedOutput>& out) {
  std::vector<const CElementHeading*> categories{nullptr};
  if (category_variable != nullptr) {
    // Every chart is drawn over category elements; only its series may be
    // special elements.
    categories = FamilyElements(*category_variable, ElementFamily::kCategory);
    if (categories.empty()) return;
  }
  ChartDescription chart;
  chart.type = context.ChartType();
  for (const CElementHeading* category : categories) {
    chart.categories.push_back(category != nullptr ? ElementLabel(category) : std::string(" "));
  }
  ChartSeries series;
  series.name = ElementLabel(element);
  series.values = context.SeriesValues(element, categories, context.SeriesItem(element));
  bool base_added = category_variable != nullptr && context.Settings().display_last_category_base &&
                    AppendLastCategoryBase(context, series_variable, *categories.back(), series.name);
  chart.series.push_back(std::move(series));
  if (chart_type::IsPie(chart.type)) {
    PieTitles(context, category_variable, series_variable, element, chart);
  } else {
    AxisTitles(context, category_variable, series_variable, element, base_added, chart);
  }
  chart.number_format = context.NumberFormatFor(element);
  out.emplace_back(std::move(chart));
}

}  // namespace

void PlanPerElement(const PlanningContext& context, ElementFamily family, std::vector<PlannedOutput>& out) {
  context.ForEachPair([&](const CAxisHeading* category_variable, const CAxisHeading* series_variable) {
    if (series_variable == nullptr) {
      if (family == ElementFamily::kCategory) ElementChart(context, category_variable, nullptr, nullptr, out);
      return;
    }
    for (const CElementHeading* element : FamilyElements(*series_variable, family)) {
      ElementChart(context, category_variable, series_variable, element, out);
    }
  });
}

}  // namespace tabulo::charts

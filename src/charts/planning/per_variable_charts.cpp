#include <algorithm>

#include "charts/planning/chart_texts.h"
#include "charts/planning/markup_stripper.h"
#include "charts/planning/planning_context.h"

namespace tabulo::charts {
namespace {

using tables::CAxisHeading;
using tables::CElementHeading;

// " (text)" of the base cell at (series element, category element), when the
// table has a base item for them and the cell has a value; else nothing.
std::string BaseSuffix(const PlanningContext& context, const CElementHeading* series,
                       const CElementHeading* category, bool single_valued) {
  auto item = BaseCellItemIndex(context.Table(), single_valued);
  if (!item) return {};
  std::string_view text = context.Cells().Text(series, category, *item);
  if (text.empty()) return {};
  return " (" + StripMarkup(text) + ")";
}

std::vector<std::string> CategoryLabels(const PlanningContext& context,
                                        const std::vector<const CElementHeading*>& categories,
                                        const CAxisHeading* series_variable) {
  const CElementHeading* series_base = nullptr;
  if (context.ChartType() == chart_type::kVariablePreview && series_variable != nullptr) {
    series_base = BaseElementOf(*series_variable);
  }
  std::vector<std::string> labels;
  for (const CElementHeading* category : categories) {
    if (category == nullptr) {
      labels.emplace_back(" ");
      continue;
    }
    std::string label = ElementLabel(category);
    if (series_base != nullptr) {
      label += BaseSuffix(context, series_base, category,
                          category->IsSingleValue() || series_base->IsSingleValue());
    }
    labels.push_back(std::move(label));
  }
  return labels;
}

ChartSeries Series(const PlanningContext& context, const CElementHeading& element,
                   const std::vector<const CElementHeading*>& categories,
                   const CAxisHeading* category_variable) {
  ChartSeries series;
  series.name = ElementLabel(&element);
  series.values = context.SeriesValues(&element, categories, context.SeriesItem(&element));
  if (context.Settings().display_series_base) {
    const CElementHeading* category_base = nullptr;
    bool has_base = true;
    if (category_variable != nullptr) {
      category_base = BaseElementOf(*category_variable);
      has_base = category_base != nullptr;
    }
    if (has_base) {
      bool single_valued =
          element.IsSingleValue() || (category_base != nullptr && category_base->IsSingleValue());
      series.name += BaseSuffix(context, &element, category_base, single_valued);
    }
  }
  return series;
}

void VariableChart(const PlanningContext& context, ElementFamily family,
                   const CAxisHeading* category_variable, const CAxisHeading* series_variable,
                   std::vector<PlannedOutput>& out) {
  std::vector<const CElementHeading*> categories{nullptr};
  if (category_variable != nullptr) {
    categories = FamilyElements(*category_variable, ElementFamily::kCategory);
    if (categories.empty()) {
      out.emplace_back(
          ChartNote{NoSuitableElementsNote(NestingContext(category_variable), category_variable->Name())});
      return;
    }
  }
  std::vector<const CElementHeading*> series_elements;
  if (series_variable != nullptr) {
    series_elements = FamilyElements(*series_variable, family);
    if (series_elements.empty()) {
      out.emplace_back(
          ChartNote{NoSuitableElementsNote(NestingContext(series_variable), series_variable->Name())});
      return;
    }
    if (series_elements.size() > kMostSeries) series_elements.resize(kMostSeries);
  }

  ChartDescription chart;
  chart.type = context.ChartType();
  chart.categories = CategoryLabels(context, categories, series_variable);
  if (series_variable == nullptr) {
    chart.series.push_back(
        {FrequencyText(), context.SeriesValues(nullptr, categories, context.SeriesItem(nullptr))});
  }
  for (const CElementHeading* element : series_elements) {
    chart.series.push_back(Series(context, *element, categories, category_variable));
  }
  const CElementHeading* first_series = series_elements.empty() ? nullptr : series_elements.front();
  chart.number_format = context.NumberFormatFor(first_series);

  bool labels = context.Settings().use_variable_labels;
  if (chart.type == chart_type::kVariablePreview) {
    chart.title = VariableLabel(category_variable, labels);
    chart.legend = {false, legend_position::kRight};
  } else {
    chart.title = WithContext(VariableLabel(series_variable, labels), NestingContext(category_variable));
    chart.category_axis_title =
        WithColonContext(VariableLabel(category_variable, labels), NestingContext(series_variable));
    bool single_valued = first_series != nullptr && first_series->IsSingleValue();
    if (!single_valued) chart.value_axis_title = context.ChartItemTypeName();
    chart.legend = {true, legend_position::kRight};
  }
  out.emplace_back(std::move(chart));
}

}  // namespace

void PlanPerVariable(const PlanningContext& context, ElementFamily family, std::vector<PlannedOutput>& out) {
  context.ForEachPair([&](const CAxisHeading* category_variable, const CAxisHeading* series_variable) {
    if (family == ElementFamily::kSpecial && series_variable == nullptr) return;
    VariableChart(context, family, category_variable, series_variable, out);
  });
}

}  // namespace tabulo::charts

#include "charts/planning/planning_context.h"

#include "charts/planning/chart_number_format.h"
#include "charts/planning/chart_texts.h"

namespace tabulo::charts {
namespace {

// A table laid out from the document always has at least one cell item; this
// one stands in should a caller skip the layout.
const tables::CCellItem& FallbackCountItem() {
  static const tables::CCellItem item(tables::CellItemType::kCount, -1);
  return item;
}

template <typename Visit>
void ForEachOrNone(const std::vector<const tables::CAxisHeading*>& variables, Visit visit) {
  if (variables.empty()) {
    visit(nullptr);
    return;
  }
  for (const tables::CAxisHeading* variable : variables) visit(variable);
}

}  // namespace

PlanningContext::PlanningContext(const tables::CTable& table, const ChartSettings& settings,
                                 const EffectiveChartSettings& effective)
    : table_(table),
      settings_(settings),
      effective_(effective),
      cells_(table, settings.rows_as_series, settings.locale_id),
      chart_item_(ChartCellItemIndex(table, settings.chart_cell_item)),
      side_(ChartVariables(table, "Side")),
      top_(ChartVariables(table, "Top")) {}

const std::vector<const tables::CAxisHeading*>& PlanningContext::CategoryVariables() const {
  return settings_.rows_as_series ? top_ : side_;
}

const std::vector<const tables::CAxisHeading*>& PlanningContext::SeriesVariables() const {
  return settings_.rows_as_series ? side_ : top_;
}

void PlanningContext::ForEachPair(
    const std::function<void(const tables::CAxisHeading*, const tables::CAxisHeading*)>& chart) const {
  ForEachOrNone(side_, [&](const tables::CAxisHeading* side) {
    ForEachOrNone(top_, [&](const tables::CAxisHeading* top) {
      if (settings_.rows_as_series) {
        chart(top, side);
      } else {
        chart(side, top);
      }
    });
  });
}

const tables::CCellItem& PlanningContext::ChartItem() const {
  const tables::CCellItems* items = table_.CellItems();
  if (items == nullptr || chart_item_ >= items->size()) return FallbackCountItem();
  return (*items)[chart_item_];
}

std::size_t PlanningContext::SeriesItem(const tables::CElementHeading* element) const {
  return element != nullptr && element->IsSingleValue() ? 0 : chart_item_;
}

std::string PlanningContext::ChartItemTypeName() const {
  return CellItemTypeText(static_cast<std::int32_t>(ChartItem().Type()));
}

ChartNumberFormat PlanningContext::NumberFormatFor(const tables::CElementHeading* first_series) const {
  return NumberFormatOf(first_series, ChartItem(), settings_.format_percentage_axes);
}

std::vector<double> PlanningContext::SeriesValues(
    const tables::CElementHeading* series, const std::vector<const tables::CElementHeading*>& categories,
    std::size_t item) const {
  std::vector<double> values;
  values.reserve(categories.size());
  for (const tables::CElementHeading* category : categories)
    values.push_back(cells_.Number(series, category, item));
  return values;
}

std::string WithContext(std::string text, const std::string& context) {
  if (!context.empty()) text += " ( " + context + " )";
  return text;
}

std::string WithColonContext(std::string text, const std::string& context) {
  if (!context.empty()) text += ": ( " + context + " )";
  return text;
}

}  // namespace tabulo::charts

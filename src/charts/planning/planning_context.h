#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <variant>
#include <vector>

#include "charts/chart_description.h"
#include "charts/planning/cell_values.h"
#include "charts/planning/chart_elements.h"
#include "charts/planning/chart_settings.h"
#include "charts/planning/effective_settings.h"
#include "tables/ccell_item.h"
#include "tables/ctable.h"

namespace tabulo::charts {

// What the three chart structures produce, in page order: a chart, or the
// note written where one cannot be produced.
struct ChartNote {
  std::string text;
};
using PlannedOutput = std::variant<ChartDescription, ChartNote>;

// Everything the structures share about one table.
class PlanningContext {
 public:
  PlanningContext(const tables::CTable& table, const ChartSettings& settings,
                  const EffectiveChartSettings& effective);

  const tables::CTable& Table() const { return table_; }
  const ChartSettings& Settings() const { return settings_; }
  std::int32_t ChartType() const { return effective_.chart_type; }
  const CellValues& Cells() const { return cells_; }

  // The variables of each role's axis: top for categories and side for
  // series with rows as series, the other way round without.
  const std::vector<const tables::CAxisHeading*>& SideVariables() const { return side_; }
  const std::vector<const tables::CAxisHeading*>& TopVariables() const { return top_; }
  const std::vector<const tables::CAxisHeading*>& CategoryVariables() const;
  const std::vector<const tables::CAxisHeading*>& SeriesVariables() const;

  // Calls `chart` for every side variable (or none) and, inside, every top
  // variable (or none), with the category and the series variable of the pair.
  void ForEachPair(const std::function<void(const tables::CAxisHeading* category,
                                            const tables::CAxisHeading* series)>& chart) const;

  const tables::CCellItem& ChartItem() const;
  // The item a series element's values come from: the first for a
  // single-valued element, else the chart cell item.
  std::size_t SeriesItem(const tables::CElementHeading* element) const;
  // The name of the chart cell item's type.
  std::string ChartItemTypeName() const;

  ChartNumberFormat NumberFormatFor(const tables::CElementHeading* first_series) const;

  // The values of one series over the given categories; a null category
  // stands for the missing category variable (the first row or column).
  std::vector<double> SeriesValues(const tables::CElementHeading* series,
                                   const std::vector<const tables::CElementHeading*>& categories,
                                   std::size_t item) const;

 private:
  const tables::CTable& table_;
  const ChartSettings& settings_;
  EffectiveChartSettings effective_;
  CellValues cells_;
  std::size_t chart_item_;
  std::vector<const tables::CAxisHeading*> side_;
  std::vector<const tables::CAxisHeading*> top_;
};

// At most this many series in one chart; the first ones are kept.
inline constexpr std::size_t kMostSeries = 256;

// "text ( context )" when the context is not empty.
std::string WithContext(std::string text, const std::string& context);
// "text: ( context )" when the context is not empty.
std::string WithColonContext(std::string text, const std::string& context);

// The charts of one structure and element family, appended to `out`.
void PlanPerElement(const PlanningContext& context, ElementFamily family, std::vector<PlannedOutput>& out);
void PlanPerVariable(const PlanningContext& context, ElementFamily family, std::vector<PlannedOutput>& out);
void PlanPerTable(const PlanningContext& context, ElementFamily family, std::vector<PlannedOutput>& out);

}  // namespace tabulo::charts

#pragma once

#include <cstdint>

#include "charts/planning/chart_settings.h"
#include "tables/ctable.h"

namespace tabulo::charts {

// The chart type and structures one table is charted with.
struct EffectiveChartSettings {
  std::int32_t chart_type = chart_type::kColumnClustered;
  std::int32_t category_structure = chart_structure::kPerVariable;
  std::int32_t special_structure = chart_structure::kPerElement;
};

// The settings with the table's properties "ChartType",
// "ChartCategoryElements" and "ChartSpecialElements" applied: a string is
// read by the settings' names (an unknown chart type is a clustered column,
// an unknown structure per variable for categories and per element for
// special elements); a chart type of another value type is a clustered
// column; a structure given as a boolean means per variable (per element
// for special elements) or no chart, and one of another type leaves the
// setting. Pies are charted per element; the variable preview charts
// categories per variable and no special elements.
EffectiveChartSettings EffectiveSettings(const tables::CTable& table, const ChartSettings& settings);

}  // namespace tabulo::charts

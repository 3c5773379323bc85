#pragma once

#include "charts/planning/chart_settings.h"
#include "charts/planning/table_chart_plan.h"
#include "tables/ctable.h"

namespace tabulo::charts {

// The charts of one table and what its block shows of them, in page order:
// the chart images (each with its file, link and page break), the notes
// written where a chart cannot be produced, and the page break that ends
// charts standing before the grid.
//
// The table must have been laid out (tables::PrepareTableLayout) with the
// render context it was parsed with. A profile table, a table without values
// and a table whose chart type is "No Chart" get no charts; so does every
// table when the display option makes none.
//
// Throws std::invalid_argument for an image format other than gif, png or svg.
TableChartPlan PlanTableCharts(const tables::CTable& table, const ChartSettings& settings);

}  // namespace tabulo::charts

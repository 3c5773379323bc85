#pragma once

#include <span>
#include <string>

#include "charts/planning/table_chart_plan.h"

namespace tabulo::charts {

// The chart plans of a document as JSON, on one line: an array with one
// object per table, {"name", "position" ("before", "after" or "none"),
// "items"}. Items in page order: a chart {"number", "file", "src", "type",
// "title", "category_axis_title", "value_axis_title", "number_format",
// "percentage", "fixed_scale", "legend": {"shown", "position"}, "width",
// "height", "categories", "series": [{"name", "values"}]}, preceded by
// {"page_break": true} when a page break stands before its image; a note
// {"note": text}; a page break of its own {"page_break": true}.
std::string PlanToJson(std::span<const TableChartPlan> plans);

}  // namespace tabulo::charts

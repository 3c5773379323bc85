#pragma once

#include <string>

#include "charts/chart_description.h"
#include "tables/ccell_item.h"
#include "tables/celement_heading.h"

namespace tabulo::charts {

// The number format of a chart, taken from its first series element (null
// when the chart has no series variable) and the chart cell item:
// - decimals: the element's when they are 0 or more; otherwise not set for a
//   single-valued element, else the cell item's;
// - percentage: the item is a column, row, total or cumulative percentage
//   and the element is not single-valued;
// - fixed scale: the FormatPercentageAxes setting.
ChartNumberFormat NumberFormatOf(const tables::CElementHeading* first_series,
                                 const tables::CCellItem& chart_item, bool format_percentage_axes);

// The value axis' format code: "general" without decimals, "0" for none,
// "0.00" for two; a percentage adds a literal percent sign in double quotes
// ("0.0\"%\""), as the values are percentages already.
std::string NumberFormatCode(const ChartNumberFormat& format);

}  // namespace tabulo::charts

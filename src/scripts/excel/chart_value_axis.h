#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "scripts/excel/excel_chart_operations.h"

namespace tabulo::excel {

// How the values of a chart are formatted.
struct ChartValueFormat {
  std::string type;  // the cell item type; "" for single values
  std::int64_t decimals = -1;
  bool percent_signs = true;                 // percentages are fractions shown with "%"
  std::optional<std::string> number_format;  // of the chart value cells
};

// Scales the value axis: with `fixed_percentage_scale` percentages run over
// their whole range (0 to 100 %), and the major unit is at least one step of
// the last decimal shown (0.01 for percentages, 1 otherwise, times 0.1 to the
// power of the decimals). The axis labels take the value cells' number
// format. Failures leave the axis as it is.
void FormatValueAxis(ExcelChart& chart, const ChartValueFormat& format, bool fixed_percentage_scale);

}  // namespace tabulo::excel

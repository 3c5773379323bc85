#include "scripts/excel/chart_value_axis.h"

#include <cmath>

#include "scripts/excel/ignore_failure.h"
#include "scripts/excel/number_formats.h"

namespace tabulo::excel {

void FormatValueAxis(ExcelChart& chart, const ChartValueFormat& format, bool fixed_percentage_scale) {
  // Without percent signs the table holds percentages as numbers 0 to 100.
  const bool fractions = IsPercentageType(format.type) && format.percent_signs;
  if (fixed_percentage_scale && IsPercentageType(format.type)) {
    IgnoringFailure([&] { chart.SetValueAxisMinimum(0); });
    IgnoringFailure([&] { chart.SetValueAxisMaximum(fractions ? 1 : 100); });
  }
  double smallest_unit = fractions ? 0.01 : 1;
  if (format.decimals > 0) smallest_unit *= std::pow(0.1, static_cast<double>(format.decimals));
  IgnoringFailure([&] {
    if (chart.ValueAxisMajorUnit() < smallest_unit) chart.SetValueAxisMajorUnit(smallest_unit);
  });
  if (format.number_format) IgnoringFailure([&] { chart.SetValueAxisNumberFormat(*format.number_format); });
}

}  // namespace tabulo::excel

#pragma once

#include <string>

#include "charts/chart_description.h"

namespace tabulo::charts::engine {

// Decimals beyond this are not meaningful for a double and only widen labels.
inline constexpr int kMostLabelDecimals = 30;

// A value-axis label in the chart's number format: without decimals
// ("general") the shortest natural form, with n decimals exactly n places
// rounded half away from zero; a percentage gets a literal "%" appended,
// the value itself is already a percentage and is not scaled.
std::string AxisNumberText(double value, const ChartNumberFormat& format);

}  // namespace tabulo::charts::engine

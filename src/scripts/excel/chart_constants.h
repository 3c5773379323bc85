#pragma once

#include <cstdint>

namespace tabulo::excel {

// Charts one table may have; the rest are not made.
inline constexpr std::int64_t conMaxCharts = 200;
// Series one chart may have.
inline constexpr std::int64_t conMaxChartSeries = 255;
// Characters of a chart title or axis title.
inline constexpr std::int64_t conMaxChartLabelLength = 255;

// Placement of the chart objects on a chart worksheet, in points: one under
// the other, each conChartHeight high with conChartSpacing between them.
inline constexpr double conChartXOffset = 20;
inline constexpr double conChartYOffset = 20;
inline constexpr double conChartSpacing = 20;
inline constexpr double conChartWidth = 400;
inline constexpr double conChartHeight = 230;

}  // namespace tabulo::excel

#pragma once

#include <filesystem>
#include <stdexcept>

#include "office/chart/chart_type.h"

namespace tabulo::office {

// A chart template that cannot be read: missing, not a zip package, or
// without a chart part that names a chart type.
class ChartTemplateError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The chart type a chart template file (.crtx) describes: the type of the
// first plot of its chart part, at Excel's number. Everything else the
// template carries (colours, fonts, styles, layout) is not read. Throws
// ChartTemplateError.
ChartType ReadChartTemplateType(const std::filesystem::path& path);

}  // namespace tabulo::office

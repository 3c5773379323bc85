#pragma once

#include <filesystem>
#include <string_view>

#include "charts/chart_description.h"
#include "html/chart_images.h"

namespace tabulo::html {

// Draws a chart with the built-in chart engine.
void PaintWithChartEngine(const charts::ChartDescription& chart, const std::filesystem::path& file,
                          std::string_view format);

}  // namespace tabulo::html

#pragma once

#include <filesystem>
#include <functional>
#include <string_view>

#include "charts/chart_description.h"
#include "charts/planning/table_chart_plan.h"
#include "html/chtml_writer.h"

namespace tabulo::html {

// Draws one chart into an image file of the format ("gif", "png" or "svg").
// Throws std::exception with a readable reason.
using ChartPainter = std::function<void(const charts::ChartDescription& chart,
                                        const std::filesystem::path& file, std::string_view format)>;

// Where a table block's chart images go and how they are drawn.
struct ChartOutput {
  std::function<std::filesystem::path()> files_folder;  // made when first asked for
  std::string_view format;
  const ChartPainter& paint;
};

// Writes the chart items of one table block into the page, in plan order:
// each picture drawn into the files folder and shown as an image of class
// "TableImage" followed by two line breaks, each note as a one-cell table,
// each page break as its paragraph. A picture that cannot be drawn ends the
// render with message 2022 and the engine's reason.
void WriteChartItems(const charts::TableChartPlan& plan, const ChartOutput& output, CHtmlWriter& writer);

}  // namespace tabulo::html

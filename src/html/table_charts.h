#pragma once

#include <string_view>
#include <vector>

#include "charts/planning/chart_settings.h"
#include "charts/planning/table_chart_plan.h"
#include "html/files_folder.h"
#include "html/render_settings.h"

namespace tabulo::html {

// The chart settings of one table block: the render settings, where the
// page that shows the images stands, and the stem of the table's page file
// (so that two tables of one name keep their images apart).
charts::ChartSettings ChartSettingsOf(const CRenderSettings& settings, const FilesFolder& files_folder,
                                      bool page_in_files_folder, std::string_view page_file_name);

// The chart plan of every table of a Tables XML, in document order, as the
// page of these settings would show them. Throws std::exception (the
// document's parse and layout errors among them).
std::vector<charts::TableChartPlan> PlanDocumentCharts(std::string_view tables_xml, CRenderSettings settings);

}  // namespace tabulo::html

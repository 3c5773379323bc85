#include "html/table_charts.h"

#include <string>

#include "charts/planning/plan_table_charts.h"
#include "tables/table_layout.h"
#include "tables/tables_content_handler.h"

namespace tabulo::html {
namespace {

// Table pages stand in the files folder in every layout but the single
// document.
bool TablePagesInFilesFolder(const CRenderSettings& settings) {
  return settings.layout_style == layout_style::kTableOfContents ||
         settings.layout_style == layout_style::kFrameTableOfContents;
}

}  // namespace

charts::ChartSettings ChartSettingsOf(const CRenderSettings& settings, const FilesFolder& files_folder,
                                      bool page_in_files_folder, std::string_view page_file_name) {
  charts::ChartSettings chart;
  chart.chart_type = settings.chart_type;
  chart.category_structure = settings.chart_category_elements;
  chart.special_structure = settings.chart_special_elements;
  chart.rows_as_series = settings.chart_rows_as_series;
  chart.chart_cell_item = settings.chart_cell_item;
  chart.display_series_base = settings.display_series_base;
  chart.display_last_category_base = settings.display_last_category_base;
  chart.format_percentage_axes = settings.format_percentage_axes;
  chart.use_variable_labels = settings.use_variable_labels;
  chart.printing_page_break = settings.printing_page_break;
  chart.display_option = settings.display_option;
  chart.chart_image_location = settings.chart_image_location;
  chart.locale_id = settings.locale_id;
  chart.files_folder_name = files_folder.relative_name;
  chart.page_in_files_folder = page_in_files_folder;
  chart.image_format = settings.chart_image_format;
  std::string_view stem = page_file_name.substr(0, page_file_name.rfind(".htm"));
  chart.image_file_stem = stem;
  return chart;
}

std::vector<charts::TableChartPlan> PlanDocumentCharts(std::string_view tables_xml,
                                                       CRenderSettings settings) {
  tables::CDocument document = tables::ParseTablesXml(tables_xml, settings);
  std::vector<charts::TableChartPlan> plans;
  tables::CTables* tables = document.Tables();
  if (tables == nullptr) return plans;
  std::vector<std::string> page_names = TablePageNames(*tables);
  FilesFolder files_folder = FilesFolderOf(settings.destination);
  for (std::size_t i = 0; i < tables->size(); ++i) {
    tables::CTable& table = (*tables)[i];
    tables::PrepareTableLayout(table);
    plans.push_back(charts::PlanTableCharts(
        table, ChartSettingsOf(settings, files_folder, TablePagesInFilesFolder(settings), page_names[i])));
  }
  return plans;
}

}  // namespace tabulo::html

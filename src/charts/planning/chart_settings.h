#pragma once

#include <cstdint>
#include <string>

#include "charts/chart_description.h"

namespace tabulo::charts {

// Codes of the renderer's ChartStructure setting.
namespace chart_structure {
inline constexpr std::int32_t kNoChart = 0;
inline constexpr std::int32_t kPerElement = 1;
inline constexpr std::int32_t kPerVariable = 2;
inline constexpr std::int32_t kPerTable = 3;
}  // namespace chart_structure

// Codes of the renderer's DisplayOption setting.
namespace display_option {
inline constexpr std::int32_t kTableOnly = 0;
inline constexpr std::int32_t kTableAndChart = 1;
inline constexpr std::int32_t kChartAndTable = 2;
inline constexpr std::int32_t kChartOnly = 3;
}  // namespace display_option

// Codes of the renderer's CellItemType setting that the planning names.
namespace cell_item {
inline constexpr std::int32_t kCount = 0;
inline constexpr std::int32_t kColPercent = 1;
}  // namespace cell_item

// The settings the chart planning reads. Defaults are the renderer's own.
// Enumerated settings are plain codes: the renderer stores any value.
struct ChartSettings {
  std::int32_t chart_type = chart_type::kColumnClustered;           // ChartType
  std::int32_t category_structure = chart_structure::kPerVariable;  // ChartCategoryElements
  std::int32_t special_structure = chart_structure::kPerElement;    // ChartSpecialElements
  bool rows_as_series = true;                                       // ChartRowsAsSeries
  std::int32_t chart_cell_item = cell_item::kColPercent;            // ChartCellItem
  bool display_series_base = false;                                 // DisplaySeriesBase
  bool display_last_category_base = false;                          // DisplayLastCategoryBase
  bool format_percentage_axes = false;                              // FormatPercentageAxes
  bool use_variable_labels = true;                                  // UseVariableLabels
  bool printing_page_break = true;                                  // PrintingPageBreak
  std::int32_t display_option = display_option::kTableAndChart;     // DisplayOption
  std::string chart_image_location;                                 // ChartImageLocation
  std::int32_t locale_id = 0;  // the document's LocaleId; 0 when it gives none

  // The "_files" folder's relative name (used in links from the main page)
  // and whether the page that shows the images is itself inside that folder.
  std::string files_folder_name;
  bool page_in_files_folder = false;

  // Extension of the image files: "gif", "png" or "svg" (letter case aside).
  std::string image_format = "gif";

  // The file-name stem of the table's images. Empty: the table name made
  // safe as a file name. A caller that gives two tables of one name pages of
  // their own passes the same distinct stem here, so that the images of the
  // second table do not replace those of the first.
  std::string image_file_stem;
};

}  // namespace tabulo::charts

#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "scripts/excel/excel_chart_types.h"

namespace tabulo::excel {

// Which charts the elements of a kind yield.
enum class ChartStructure : std::int32_t {
  conNoChart = 0,
  conPerElement = 1,   // one chart per series element
  conPerVariable = 2,  // one chart per pair of variables
  conPerTable = 3,     // one chart for the whole table
};

// "no chart", "false", "0" or "" give none, "per element", "per variable"
// and "per table" their structures, all without regard to letter case; any
// other text gives `fallback`.
ChartStructure ParseChartStructure(std::string_view text, ChartStructure fallback);

// A chart type setting: a built-in type, a user-defined type by name, or no
// charts at all.
struct ChartTypeChoice {
  bool no_chart = false;
  ChartType type = ChartType::kColumnClustered;
  std::string user_defined_name;  // set when type is kUserDefined

  bool IsUserDefined() const { return !no_chart && type == ChartType::kUserDefined; }
  bool IsPie() const { return !no_chart && IsPieChartType(type); }
};

// The chart type names ("clustered column", "3d pie", ... matched without
// regard to letter case) give their types and "no chart" none; any other
// text names a user-defined type.
ChartTypeChoice ParseChartType(std::string_view text);

// The chart template file of a template name in a folder: the folder, a
// path separator and the name (just the name when no folder is given).
std::string ChartTemplatePath(std::string_view location, std::string_view name);

// The export properties of the chart planning, with Sheetline's defaults.
struct ChartSettings {
  std::string chart_type = "Clustered Column";
  std::string category_elements = "Per Variable";
  std::string special_elements = "Per Element";
  std::string cell_item = "ColPercent";
  std::string chart_template;
  std::string chart_template_location;
  bool col_prop_results = false;
  bool rows_as_series = true;
  bool display_last_category_base = false;
  bool display_series_base = false;
  bool format_percentage_axes = false;
};

}  // namespace tabulo::excel

#pragma once

#include <string>
#include <string_view>

#include "scripts/excel/chart_settings.h"

namespace tabulo::excel {

// How a table worksheet is set up for printing.
enum class PrintingOption { kRepeatAxes, kFitToPage, kNone };

// The export properties the table layout reads, with Sheetline's defaults.
struct ExcelSettings {
  std::string destination;
  PrintingOption printing = PrintingOption::kRepeatAxes;
  bool auto_fit_column_widths = false;
  bool display_annotations = true;
  bool display_borders = true;
  bool display_charts = true;
  bool hide_application = true;
  bool hide_base_elements = false;
  bool launch_application = false;
  bool merge_col_prop_results = false;
  bool split_cells = false;
  bool use_excel_styles = false;
  bool use_element_labels = true;
  bool use_variable_labels = true;
  bool use_formatted_annotations = true;
  bool wrap_label_text = true;
  ChartSettings charts;
};

// Reads the settings from a properties XML document: each is the text of
// the value of the property of that name; booleans are true unless the
// text is "0"; a property the document lacks keeps its default. Throws
// xml::ParseError for a document that is not well-formed.
ExcelSettings ReadExcelSettings(std::string_view properties_xml);

// PrintingOption is matched in lower case; any other text means none.
PrintingOption ParsePrintingOption(std::string_view text);

}  // namespace tabulo::excel

#include "scripts/excel/excel_settings.h"

#include <optional>
#include <utility>
#include <vector>

#include "scripts/excel/text_case.h"
#include "xml/document.h"

namespace tabulo::excel {
namespace {

class PropertyReader {
 public:
  explicit PropertyReader(const xml::Document& document) {
    for (const xml::Node& property : document.SelectNodes("/properties/property")) {
      std::optional<std::string> name;
      std::optional<std::string> value;
      for (const xml::Node& child : property.ChildElements()) {
        if (child.Name() == "name" && !name) name = child.Text();
        if (child.Name() == "value" && !value) value = child.Text();
      }
      if (name && value) entries_.push_back({std::move(*name), std::move(*value)});
    }
  }

  // The value of the first property of that name.
  std::optional<std::string> Value(std::string_view name) const {
    for (const auto& [entry_name, value] : entries_) {
      if (entry_name == name) return value;
    }
    return std::nullopt;
  }

  void Read(std::string_view name, bool& target) const {
    if (auto value = Value(name)) target = *value != "0";
  }
  void Read(std::string_view name, std::string& target) const {
    if (auto value = Value(name)) target = std::move(*value);
  }

 private:
  std::vector<std::pair<std::string, std::string>> entries_;
};

}  // namespace

PrintingOption ParsePrintingOption(std::string_view text) {
  std::string lower = AsciiLower(text);
  if (lower == "fit to page") return PrintingOption::kFitToPage;
  if (lower == "repeat axes") return PrintingOption::kRepeatAxes;
  return PrintingOption::kNone;
}

ExcelSettings ReadExcelSettings(std::string_view properties_xml) {
  xml::Document document = xml::Document::Parse(properties_xml);
  PropertyReader reader(document);
  ExcelSettings settings;
  reader.Read("Destination", settings.destination);
  if (auto printing = reader.Value("PrintingOption")) settings.printing = ParsePrintingOption(*printing);
  reader.Read("AutoFitColumnWidths", settings.auto_fit_column_widths);
  reader.Read("DisplayAnnotations", settings.display_annotations);
  reader.Read("DisplayBorders", settings.display_borders);
  reader.Read("DisplayCharts", settings.display_charts);
  reader.Read("HideApplication", settings.hide_application);
  reader.Read("HideBaseElements", settings.hide_base_elements);
  reader.Read("LaunchApplication", settings.launch_application);
  reader.Read("MergeColPropResults", settings.merge_col_prop_results);
  reader.Read("SplitCells", settings.split_cells);
  reader.Read("UseExcelStyles", settings.use_excel_styles);
  reader.Read("UseElementLabels", settings.use_element_labels);
  reader.Read("UseVariableLabels", settings.use_variable_labels);
  reader.Read("UseFormattedAnnotations", settings.use_formatted_annotations);
  reader.Read("WrapLabelText", settings.wrap_label_text);
  ChartSettings& charts = settings.charts;
  reader.Read("ChartType", charts.chart_type);
  reader.Read("ChartCategoryElements", charts.category_elements);
  reader.Read("ChartSpecialElements", charts.special_elements);
  reader.Read("ChartCellItem", charts.cell_item);
  reader.Read("ChartTemplate", charts.chart_template);
  reader.Read("ChartTemplateLocation", charts.chart_template_location);
  reader.Read("ChartColPropResults", charts.col_prop_results);
  reader.Read("ChartRowsAsSeries", charts.rows_as_series);
  reader.Read("DisplayLastCategoryBase", charts.display_last_category_base);
  reader.Read("DisplaySeriesBase", charts.display_series_base);
  reader.Read("FormatPercentageAxes", charts.format_percentage_axes);
  return settings;
}

}  // namespace tabulo::excel

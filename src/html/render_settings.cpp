#include "html/render_settings.h"

#include <optional>
#include <span>
#include <string_view>
#include <utility>

#include "frame/component_info.h"
#include "frame/vocabularies.h"
#include "platform/variant.h"

namespace tabulo::html {
namespace {

using platform::HRESULT;

using frame::VocabularyEntry;

std::optional<std::int32_t> Lookup(std::string_view text, std::span<const VocabularyEntry> words) {
  return frame::LookupVocabulary(words, text);
}

// Reads one property at a time, keeping the first failure.
class PropertyReader {
 public:
  explicit PropertyReader(frame::CExportProperties& properties) : properties_(properties) {}

  std::string Text(std::string_view name) {
    std::string value;
    Keep(properties_.GetString(name, &value));
    return value;
  }
  void Flag(std::string_view name, bool& target) {
    bool value = false;
    if (Keep(properties_.GetBool(name, &value))) target = value;
  }
  void Choice(std::string_view name, std::span<const VocabularyEntry> words, std::int32_t& target) {
    std::optional<std::int32_t> code = Lookup(Text(name), words);
    if (code) target = *code;
  }
  // A chart-structure setting may also hold a Boolean: true gives the
  // given structure, false none.
  std::int32_t Structure(std::string_view name, std::int32_t when_true, std::int32_t otherwise) {
    std::string text = Text(name);
    platform::Variant flag;
    if (platform::Succeeded(
            platform::ChangeType(platform::Variant::FromString(text), platform::VarType::Bool, flag))) {
      return flag.boolean() ? when_true : chart_structure::kNoChart;
    }
    return Lookup(text, frame::ChartStructures()).value_or(otherwise);
  }
  HRESULT Result() const { return result_; }

 private:
  bool Keep(HRESULT hr) {
    if (platform::Failed(hr) && platform::Succeeded(result_)) result_ = hr;
    return platform::Succeeded(hr);
  }

  frame::CExportProperties& properties_;
  HRESULT result_ = platform::S_OK;
};

}  // namespace

std::string WithLocationSeparator(std::string location) {
  if (location.empty()) return location;
  char last = location.back();
  if (last != '/' && last != '\\' && last != '=') location += '/';
  return location;
}

HRESULT ApplyProperties(frame::CExportProperties& properties, CRenderSettings& settings) {
  PropertyReader read(properties);
  settings.chart_category_elements =
      read.Structure("ChartCategoryElements", chart_structure::kPerVariable, chart_structure::kPerVariable);
  settings.chart_cell_item = Lookup(read.Text("ChartCellItem"), frame::ChartCellItems()).value_or(0);
  settings.chart_image_location = read.Text("ChartImageLocation");
  settings.chart_image_format = read.Text("ChartImageFormat");
  settings.charting_prog_id = read.Text("ChartingProgId");
  read.Flag("ChartRowsAsSeries", settings.chart_rows_as_series);
  settings.chart_special_elements =
      read.Structure("ChartSpecialElements", chart_structure::kPerElement, chart_structure::kPerElement);
  settings.chart_type = Lookup(read.Text("ChartType"), frame::ChartTypes()).value_or(0);
  settings.custom_css = read.Text("CustomCss");
  settings.destination = read.Text("Destination");
  read.Flag("DisplayAnnotations", settings.display_annotations);
  read.Flag("DisplayLastCategoryBase", settings.display_last_category_base);
  read.Flag("DisplayLogo", settings.display_logo);
  read.Choice("DisplayOption", frame::DisplayOptions(), settings.display_option);
  read.Flag("DisplaySeriesBase", settings.display_series_base);
  read.Flag("DisplayTitle", settings.display_title);
  read.Flag("EmbedCss", settings.embed_css);
  read.Flag("FormatPercentageAxes", settings.format_percentage_axes);
  read.Flag("HorizontalSideAxis", settings.horizontal_side_axis);
  read.Flag("IncludeElementIDs", settings.include_element_ids);
  read.Flag("IncludeTOC", settings.include_toc);
  read.Flag("Interactive", settings.interactive);
  read.Flag("LaunchApplication", settings.launch_application);
  read.Choice("LayoutStyle", frame::LayoutStyles(), settings.layout_style);
  read.Flag("OverwriteOutput", settings.overwrite_output);
  read.Choice("PresentationStyle", frame::PresentationStyles(), settings.presentation_style);
  read.Flag("PrintingPageBreak", settings.printing_page_break);
  read.Flag("UseElementLabels", settings.use_element_labels);
  read.Flag("UseFormattedLabels", settings.use_formatted_labels);
  read.Flag("UseStyles", settings.use_styles);
  read.Flag("UseVariableLabels", settings.use_variable_labels);
  settings.chart_image_location = WithLocationSeparator(std::move(settings.chart_image_location));
  return read.Result();
}

HRESULT NewRenderSettings(CRenderSettings& settings) {
  frame::CExportProperties defaults(frame::Component(frame::ComponentKind::kWebline));
  CRenderSettings fresh;
  HRESULT hr = ApplyProperties(defaults, fresh);
  if (platform::Failed(hr)) return hr;
  fresh.css_location.clear();
  fresh.charting_prog_id.clear();
  fresh.chart_image_location.clear();
  fresh.table_name.clear();
  fresh.include_categories = true;
  fresh.include_cell_values = true;
  fresh.include_title_block = true;
  fresh.indent_output = true;
  fresh.output_body_only = false;
  settings = std::move(fresh);
  return platform::S_OK;
}

}  // namespace tabulo::html

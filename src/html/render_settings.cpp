#include "html/render_settings.h"

#include <array>
#include <optional>
#include <string_view>
#include <utility>

#include "frame/component_info.h"
#include "platform/variant.h"

namespace tabulo::html {
namespace {

using platform::HRESULT;

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
    if (lower(a[i]) != lower(b[i])) return false;
  }
  return true;
}

struct Word {
  std::string_view text;
  std::int32_t code;
};

std::optional<std::int32_t> Lookup(std::string_view text, std::span<const Word> words) {
  for (const Word& word : words) {
    if (EqualsIgnoringCase(text, word.text)) return word.code;
  }
  return std::nullopt;
}

constexpr std::array<Word, 4> kChartStructures{
    {{"No chart", 0}, {"Per element", 1}, {"Per variable", 2}, {"Per table", 3}}};

constexpr std::array<Word, 18> kCellItems{{{"Count", 0},
                                           {"ColPercent", 1},
                                           {"RowPercent", 2},
                                           {"TotalPercent", 3},
                                           {"Mean", 4},
                                           {"Sum", 5},
                                           {"Minimum", 6},
                                           {"Maximum", 7},
                                           {"UnweightedCounts", 8},
                                           {"CumColPercent", 9},
                                           {"CumRowPercent", 10},
                                           {"Range", 11},
                                           {"Mode", 12},
                                           {"Median", 13},
                                           {"Percentile", 14},
                                           {"StdDev", 15},
                                           {"StdErr", 16},
                                           {"Variance", 17}}};

constexpr std::array<Word, 19> kChartTypes{{{"Clustered Bar", 3},
                                            {"Stacked Bar", 4},
                                            {"3D Clustered Bar", 51},
                                            {"3D Stacked Bar", 52},
                                            {"Clustered Column", 0},
                                            {"Stacked Column", 1},
                                            {"3D Clustered Column", 47},
                                            {"3D Stacked Column", 48},
                                            {"3D Column", 46},
                                            {"Line", 6},
                                            {"Stacked Line", 8},
                                            {"Line with Markers", 7},
                                            {"100% Stacked Line with Markers", 11},
                                            {"Pie", 18},
                                            {"3D Pie", 58},
                                            {"Separated Pie", 19},
                                            {"3D Separated Pie", 59},
                                            {"No Chart", -1},
                                            {"Variable Preview", -2}}};

constexpr std::array<Word, 4> kDisplayOptions{
    {{"Table Only", 0}, {"Table and Chart", 1}, {"Chart and Table", 2}, {"Chart Only", 3}}};
constexpr std::array<Word, 3> kLayoutStyles{
    {{"Single Document", 0}, {"Table of Contents", 1}, {"Frame Table of Contents", 2}}};
constexpr std::array<Word, 5> kPresentationStyles{
    {{"Default", 0}, {"Black and White", 1}, {"Custom1", 2}, {"Custom2", 3}, {"Custom3", 4}}};

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
  void Choice(std::string_view name, std::span<const Word> words, std::int32_t& target) {
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
    return Lookup(text, kChartStructures).value_or(otherwise);
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
  settings.chart_cell_item = Lookup(read.Text("ChartCellItem"), kCellItems).value_or(0);
  settings.chart_image_location = read.Text("ChartImageLocation");
  settings.charting_prog_id = read.Text("ChartingProgId");
  read.Flag("ChartRowsAsSeries", settings.chart_rows_as_series);
  settings.chart_special_elements =
      read.Structure("ChartSpecialElements", chart_structure::kPerElement, chart_structure::kPerElement);
  settings.chart_type = Lookup(read.Text("ChartType"), kChartTypes).value_or(0);
  settings.custom_css = read.Text("CustomCss");
  settings.destination = read.Text("Destination");
  read.Flag("DisplayAnnotations", settings.display_annotations);
  read.Flag("DisplayLastCategoryBase", settings.display_last_category_base);
  read.Flag("DisplayLogo", settings.display_logo);
  read.Choice("DisplayOption", kDisplayOptions, settings.display_option);
  read.Flag("DisplaySeriesBase", settings.display_series_base);
  read.Flag("DisplayTitle", settings.display_title);
  read.Flag("EmbedCss", settings.embed_css);
  read.Flag("FormatPercentageAxes", settings.format_percentage_axes);
  read.Flag("HorizontalSideAxis", settings.horizontal_side_axis);
  read.Flag("IncludeElementIDs", settings.include_element_ids);
  read.Flag("IncludeTOC", settings.include_toc);
  read.Flag("Interactive", settings.interactive);
  read.Flag("LaunchApplication", settings.launch_application);
  read.Choice("LayoutStyle", kLayoutStyles, settings.layout_style);
  read.Flag("OverwriteOutput", settings.overwrite_output);
  read.Choice("PresentationStyle", kPresentationStyles, settings.presentation_style);
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

#pragma once

#include <cstdint>
#include <string>

#include "frame/export_properties.h"
#include "platform/hresult.h"
#include "tables/render_context.h"

namespace tabulo::html {

// Codes of the renderer's enumerations. Settings hold them as plain integers
// because a put stores any value without a range check.
namespace display_option {
inline constexpr std::int32_t kTableOnly = 0;
inline constexpr std::int32_t kTableAndChart = 1;
inline constexpr std::int32_t kChartAndTable = 2;
inline constexpr std::int32_t kChartOnly = 3;
}  // namespace display_option

namespace layout_style {
inline constexpr std::int32_t kSingleDocument = 0;
inline constexpr std::int32_t kTableOfContents = 1;
inline constexpr std::int32_t kFrameTableOfContents = 2;
}  // namespace layout_style

namespace presentation_style {
inline constexpr std::int32_t kDefault = 0;
inline constexpr std::int32_t kBlackAndWhite = 1;
}  // namespace presentation_style

namespace chart_structure {
inline constexpr std::int32_t kNoChart = 0;
inline constexpr std::int32_t kPerElement = 1;
inline constexpr std::int32_t kPerVariable = 2;
inline constexpr std::int32_t kPerTable = 3;
}  // namespace chart_structure

namespace chart_type {
inline constexpr std::int32_t kNoChart = -1;
inline constexpr std::int32_t kVariablePreview = -2;
}  // namespace chart_type

// Everything a render reads, in the order the renderer has always kept it,
// then the working fields that one render fills in. The label switches, the
// Include* switches, HorizontalSideAxis and the document's image location and
// locale live in the part the table model reads.
struct CRenderSettings : tables::RenderContext {
  std::int32_t chart_cell_item = 0;
  std::int32_t chart_category_elements = 0;
  std::string chart_image_location;
  std::string chart_image_format = "gif";  // gif, png or svg
  std::string charting_prog_id;
  bool chart_rows_as_series = false;
  std::int32_t chart_special_elements = 0;
  std::int32_t chart_type = 0;
  std::string custom_css;
  std::string destination;
  bool display_annotations = false;
  bool display_last_category_base = false;
  bool display_logo = false;
  std::int32_t display_option = 0;
  bool display_series_base = false;
  bool display_title = false;
  bool embed_css = false;
  bool format_percentage_axes = false;
  bool include_element_ids = false;
  bool include_toc = false;
  bool interactive = false;
  bool launch_application = false;
  std::int32_t layout_style = 0;
  bool overwrite_output = false;
  std::int32_t presentation_style = 0;
  bool printing_page_break = false;
  bool use_styles = false;
  std::string css_location;
  bool include_title_block = false;
  bool indent_output = false;
  bool output_body_only = false;
  std::string table_name;

  std::string stylesheet_text;  // embedded in each page's head
};

// Reads an export's properties into the settings. Renderer-only settings
// (CssLocation, TableName, the Include* and output switches) are left alone.
platform::HRESULT ApplyProperties(frame::CExportProperties& properties, CRenderSettings& settings);

// The settings of a new renderer: the component's default properties, then
// the renderer's own starting values.
platform::HRESULT NewRenderSettings(CRenderSettings& settings);

// A chart image location that is not empty ends in a separator, so that a
// file name can follow it; "=" ends a query-string prefix.
std::string WithLocationSeparator(std::string location);

}  // namespace tabulo::html

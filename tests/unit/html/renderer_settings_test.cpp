#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "frame/component_info.h"
#include "html/render_settings.h"
#include "html/renderer_properties.h"
#include "html/stylesheet_text.h"
#include "platform/error_info.h"
#include "support/temp_folder.h"

namespace tabulo::html {
namespace {

using platform::S_OK;
using platform::Variant;
using platform::VarType;

CRenderSettings Fresh() {
  CRenderSettings settings;
  EXPECT_EQ(NewRenderSettings(settings), S_OK);
  return settings;
}

Variant Get(const CRenderSettings& settings, std::string_view name) {
  Variant value;
  EXPECT_EQ(GetRendererProperty(settings, RendererDispId(name).value_or(-1), &value), S_OK) << name;
  return value;
}

TEST(RenderSettingsTest, NewRendererStartsFromTheComponentDefaults) {
  CRenderSettings settings = Fresh();
  EXPECT_EQ(settings.chart_category_elements, chart_structure::kPerVariable);
  EXPECT_EQ(settings.chart_cell_item, 1);
  EXPECT_EQ(settings.chart_special_elements, chart_structure::kPerElement);
  EXPECT_EQ(settings.chart_type, 0);
  EXPECT_EQ(settings.display_option, display_option::kTableAndChart);
  EXPECT_EQ(settings.layout_style, layout_style::kSingleDocument);
  EXPECT_EQ(settings.presentation_style, presentation_style::kDefault);
  EXPECT_TRUE(settings.printing_page_break);
  EXPECT_TRUE(settings.horizontal_side_axis);
  EXPECT_TRUE(settings.embed_css);
  EXPECT_FALSE(settings.use_formatted_labels);
  EXPECT_FALSE(settings.include_element_ids);
  EXPECT_TRUE(settings.include_categories && settings.include_cell_values && settings.include_title_block &&
              settings.indent_output);
  EXPECT_FALSE(settings.output_body_only);
  EXPECT_TRUE(settings.css_location.empty() && settings.table_name.empty());
}

TEST(RenderSettingsTest, PropertiesAreReadByTheirWords) {
  frame::CExportProperties store(frame::Component(frame::ComponentKind::kWebline));
  ASSERT_EQ(store.SetString("ChartCategoryElements", "false"), S_OK);
  ASSERT_EQ(store.SetString("ChartSpecialElements", "whatever"), S_OK);
  ASSERT_EQ(store.SetString("ChartCellItem", "stddev"), S_OK);
  ASSERT_EQ(store.SetString("ChartType", "3d separated pie"), S_OK);
  ASSERT_EQ(store.SetString("DisplayOption", "CHART ONLY"), S_OK);
  ASSERT_EQ(store.SetString("ChartImageLocation", "http://host/charts"), S_OK);
  ASSERT_EQ(store.SetBool("UseFormattedLabels", true), S_OK);
  CRenderSettings settings = Fresh();
  ASSERT_EQ(ApplyProperties(store, settings), S_OK);
  EXPECT_EQ(settings.chart_category_elements, chart_structure::kNoChart);
  EXPECT_EQ(settings.chart_special_elements, chart_structure::kPerElement);
  EXPECT_EQ(settings.chart_cell_item, 15);
  EXPECT_EQ(settings.chart_type, 59);
  EXPECT_EQ(settings.display_option, display_option::kChartOnly);
  EXPECT_EQ(settings.chart_image_location, "http://host/charts/");
  EXPECT_TRUE(settings.use_formatted_labels);

  ASSERT_EQ(store.SetString("ChartCategoryElements", "-1"), S_OK);
  ASSERT_EQ(store.SetString("LayoutStyle", "Sideways"), S_OK);
  settings.layout_style = layout_style::kTableOfContents;
  ASSERT_EQ(ApplyProperties(store, settings), S_OK);
  EXPECT_EQ(settings.chart_category_elements, chart_structure::kPerVariable);
  EXPECT_EQ(settings.layout_style, layout_style::kTableOfContents);
}

TEST(RendererPropertiesTest, BooleansFollowTheLow16Bits) {
  CRenderSettings settings = Fresh();
  std::int32_t logo = RendererDispId("displaylogo").value_or(-1);
  ASSERT_EQ(logo, 6);
  ASSERT_EQ(PutRendererProperty(settings, logo, Variant::FromI4(1)), S_OK);
  EXPECT_FALSE(settings.display_logo);
  ASSERT_EQ(PutRendererProperty(settings, logo, Variant::FromI4(0xFFFF)), S_OK);
  EXPECT_TRUE(settings.display_logo);
  EXPECT_EQ(Get(settings, "DisplayLogo").i4(), -1);
  ASSERT_EQ(PutRendererProperty(settings, logo, Variant::FromString("False")), S_OK);
  EXPECT_FALSE(settings.display_logo);
  EXPECT_EQ(Get(settings, "DisplayLogo").i4(), 0);
  EXPECT_EQ(PutRendererProperty(settings, logo, Variant::FromString("maybe")), platform::DISP_E_TYPEMISMATCH);
}

TEST(RendererPropertiesTest, DerivedReadsAndReadOnlyMembers) {
  CRenderSettings settings = Fresh();
  EXPECT_EQ(Get(settings, "IncludeTOC").i4(), -1);
  EXPECT_EQ(Get(settings, "RenderSingleTable").i4(), 0);
  ASSERT_EQ(PutRendererProperty(settings, 20, Variant::FromString("T2")), S_OK);
  EXPECT_EQ(Get(settings, "IncludeTOC").i4(), 0);
  EXPECT_EQ(Get(settings, "RenderSingleTable").i4(), -1);
  EXPECT_EQ(PutRendererProperty(settings, 21, Variant::FromI4(0)), platform::DISP_E_MEMBERNOTFOUND);
  ASSERT_EQ(PutRendererProperty(settings, 23, Variant::FromI4(0)), S_OK);
  EXPECT_EQ(Get(settings, "IncludeCellValues").i4(), 0);
  EXPECT_TRUE(settings.include_cell_values);
  ASSERT_EQ(PutRendererProperty(settings, 5, Variant::FromI4(77)), S_OK);
  EXPECT_EQ(Get(settings, "PresentationStyle").i4(), 77);
  Variant value;
  EXPECT_EQ(GetRendererProperty(settings, 999, &value), platform::DISP_E_MEMBERNOTFOUND);
  EXPECT_EQ(RendererDispId("NoSuchThing"), std::nullopt);
}

TEST(RendererPropertiesTest, ChartImageFormatIsOneOfThreeWords) {
  CRenderSettings settings = Fresh();
  EXPECT_EQ(settings.chart_image_format, "gif");
  EXPECT_EQ(PutRendererProperty(settings, 34, Variant::FromString("Png")), S_OK);
  EXPECT_EQ(settings.chart_image_format, "Png");
  EXPECT_EQ(PutRendererProperty(settings, 34, Variant::FromString("jpeg")), platform::E_INVALIDARG);
  EXPECT_EQ(settings.chart_image_format, "Png");
  EXPECT_EQ(RendererDispId("chartimageformat"), 34);
}

TEST(RendererPropertiesTest, ChartImageLocationEndsInASeparator) {
  CRenderSettings settings = Fresh();
  auto put = [&](const char* text) {
    EXPECT_EQ(PutRendererProperty(settings, 14, Variant::FromString(text)), S_OK);
    return settings.chart_image_location;
  };
  EXPECT_EQ(put("images"), "images/");
  EXPECT_EQ(put("images/"), "images/");
  EXPECT_EQ(put("c:\\images\\"), "c:\\images\\");
  EXPECT_EQ(put("chart.asp?name="), "chart.asp?name=");
  EXPECT_EQ(put(""), "");
}

TEST(StylesheetTextTest, FilesAreDecodedWhateverTheirEncoding) {
  EXPECT_EQ(DecodeStylesheetFile("\xEF\xBB\xBF"
                                 "BODY { }"),
            "BODY { }");
  EXPECT_EQ(DecodeStylesheetFile(std::string("\xFF\xFE"
                                             "B\0O\0D\0Y\0",
                                             10)),
            "BODY");
  EXPECT_EQ(DecodeStylesheetFile(std::string("B\0O\0D\0Y\0", 8)), "BODY");
  EXPECT_EQ(DecodeStylesheetFile(std::string("\xFE\xFF\0B", 4)), std::nullopt);
  EXPECT_EQ(DecodeStylesheetFile(std::string("\0B\0O\0D\0Y", 8)), std::nullopt);
  EXPECT_EQ(DecodeStylesheetFile("caf\xE9"), std::nullopt);
  EXPECT_EQ(DecodeStylesheetFile("TD { font-family: \"Caf\xC3\xA9\" }"),
            "TD { font-family: \"Caf\xC3\xA9\" }");
}

TEST(StylesheetTextTest, MissingEmptyOrUndecodableFilesFailWithTheirMessages) {
  testing::TempFolder folder;
  CRenderSettings settings = Fresh();
  std::string text;
  settings.css_location = folder.File("none.css");
  EXPECT_EQ(StylesheetText(settings, &text), platform::E_FAIL);
  EXPECT_EQ(platform::PeekErrorInfo()->description, "CSS file '" + settings.css_location + "' not found.");
  EXPECT_EQ(platform::PeekErrorInfo()->source, "Webline.Renderer.1");
  settings.css_location = folder.File("empty.css");
  std::ofstream(settings.css_location).close();
  EXPECT_EQ(StylesheetText(settings, &text), platform::E_FAIL);
  EXPECT_EQ(platform::PeekErrorInfo()->description, "CSS file '" + settings.css_location + "' is empty.");
  settings.css_location = folder.File("big_endian.css");
  std::ofstream(settings.css_location) << std::string("\xFE\xFF\0B\0O", 6);
  EXPECT_EQ(StylesheetText(settings, &text), platform::E_FAIL);
  EXPECT_EQ(platform::PeekErrorInfo()->description,
            "CSS file '" + settings.css_location + "' is not in a supported encoding.");
  settings.css_location = folder.File("mine.css");
  std::ofstream(settings.css_location) << "\xEF\xBB\xBF"
                                          "A.TopLink { }";
  ASSERT_EQ(StylesheetText(settings, &text), S_OK);
  EXPECT_EQ(text, "A.TopLink { }");
}

TEST(StylesheetTextTest, CustomStylesHaveNoBuiltInStylesheet) {
  CRenderSettings settings = Fresh();
  settings.presentation_style = 2;
  std::string text;
  EXPECT_EQ(StylesheetText(settings, &text), platform::E_FAIL);
  EXPECT_EQ(platform::PeekErrorInfo()->description,
            "There is no built-in stylesheet for the presentation style 2; a custom style needs a stylesheet "
            "file.");
  settings.presentation_style = 2147483647;
  EXPECT_EQ(StylesheetText(settings, &text), platform::E_FAIL);
}

}  // namespace
}  // namespace tabulo::html

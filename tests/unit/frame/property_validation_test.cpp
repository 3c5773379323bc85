#include "frame/property_validation.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "frame/frame_fakes.h"

namespace tabulo::frame {
namespace {

using platform::E_FAIL;
using platform::S_OK;
using testing::FakePrompter;
using testing::LastErrorText;
using testing::MakeExport;
using testing::Properties;
using testing::Property;
using testing::Value;

TEST(PropertyValidationTest, DestinationIsStoredAsItsFullPath) {
  int runs = 0;
  auto text = MakeExport(ComponentKind::kTextline, &runs);
  ASSERT_EQ(text->put_PropertiesXml(Properties(Property("Destination", 8, "/data/out/../x.csv")).c_str()),
            S_OK);
  EXPECT_EQ(Value(*text, "Destination"), "/data/x.csv");
  ASSERT_EQ(text->put_PropertiesXml(Properties(Property("Destination", 8, "rel\\x.csv")).c_str()), S_OK);
  EXPECT_EQ(Value(*text, "Destination"), (std::filesystem::current_path() / "rel/x.csv").string());
}

TEST(PropertyValidationTest, OverlongDestinationIsRejectedAndReset) {
  int runs = 0;
  FakePrompter prompter;
  auto text = MakeExport(ComponentKind::kTextline, &runs, &prompter);
  std::string path = "/" + std::string(300, 'a') + ".csv";
  EXPECT_EQ(text->put_PropertiesXml(Properties(Property("Destination", 8, path)).c_str()), E_FAIL);
  EXPECT_EQ(LastErrorText(), "The path '" + path + "' is invalid");
  EXPECT_EQ(Value(*text, "Destination"), "");
  EXPECT_TRUE(prompter.shown.empty()) << "no box unless Interactive";

  ASSERT_EQ(text->put_PropertiesXml(Properties(Property("Interactive", 11, "-1")).c_str()), S_OK);
  EXPECT_EQ(text->put_PropertiesXml(Properties(Property("Destination", 8, path)).c_str()), E_FAIL);
  ASSERT_EQ(prompter.shown.size(), 1u);
  EXPECT_EQ(prompter.shown[0].caption, "Tabulo Text Export");
  EXPECT_EQ(prompter.shown[0].text, "The path '" + path + "' is invalid");
  EXPECT_EQ(prompter.shown[0].style, platform::BoxStyle::kWarning);
}

TEST(PropertyValidationTest, WeblineRejectsSettingsOutsideTheirVocabularies) {
  int runs = 0;
  FakePrompter prompter;
  auto html = MakeExport(ComponentKind::kWebline, &runs, &prompter);
  EXPECT_EQ(html->put_PropertiesXml(Properties(Property("DisplayOption", 8, "Charts Galore")).c_str()),
            E_FAIL);
  EXPECT_EQ(LastErrorText(), "Charts Galore is an invalid setting for the property DisplayOption");
  EXPECT_EQ(Value(*html, "DisplayOption"), "Table and Chart");

  ASSERT_EQ(html->put_PropertiesXml(
                Properties(Property("Interactive", 11, "-1") + Property("ShowHelp", 11, "-1")).c_str()),
            S_OK);
  EXPECT_EQ(html->put_PropertiesXml(Properties(Property("PresentationStyle", 8, "Neon")).c_str()), E_FAIL);
  EXPECT_EQ(LastErrorText(), "Neon is an invalid setting for the property PresentationStyle");
  ASSERT_EQ(prompter.shown.size(), 1u);
  EXPECT_EQ(prompter.shown[0].caption, "Tabulo HTML Export");
  EXPECT_EQ(prompter.shown[0].text,
            "Neon is an invalid presentation style setting\n\nPress the help button below for additional "
            "information");
  EXPECT_TRUE(prompter.shown[0].help);
}

TEST(PropertyValidationTest, WeblineChartImagesAreGifPngOrSvg) {
  int runs = 0;
  auto html = MakeExport(ComponentKind::kWebline, &runs, nullptr);
  EXPECT_EQ(Value(*html, "ChartImageFormat"), "gif");
  ASSERT_EQ(html->put_PropertiesXml(Properties(Property("ChartImageFormat", 8, "SVG")).c_str()), S_OK);
  EXPECT_EQ(Value(*html, "ChartImageFormat"), "SVG");
  EXPECT_EQ(html->put_PropertiesXml(Properties(Property("ChartImageFormat", 8, "bmp")).c_str()), E_FAIL);
  EXPECT_EQ(LastErrorText(), "bmp is an invalid setting for the property ChartImageFormat");
  EXPECT_EQ(Value(*html, "ChartImageFormat"), "gif");
}

TEST(PropertyValidationTest, WeblineRestoresAnUnknownChartTypeSilently) {
  int runs = 0;
  auto html = MakeExport(ComponentKind::kWebline, &runs);
  EXPECT_EQ(html->put_PropertiesXml(Properties(Property("ChartType", 8, "Doughnut")).c_str()), S_OK);
  EXPECT_EQ(Value(*html, "ChartType"), "Clustered Column");
  EXPECT_EQ(html->put_PropertiesXml(Properties(Property("ChartType", 8, "variable preview")).c_str()), S_OK);
  EXPECT_EQ(Value(*html, "ChartType"), "variable preview");
}

TEST(PropertyValidationTest, OfficeComponentsCheckTheirOwnSettings) {
  int runs = 0;
  auto excel = MakeExport(ComponentKind::kSheetline, &runs);
  EXPECT_EQ(excel->put_PropertiesXml(Properties(Property("PrintingOption", 8, "Poster")).c_str()), E_FAIL);
  EXPECT_EQ(LastErrorText(), "Poster is an invalid printing option");
  EXPECT_EQ(Value(*excel, "PrintingOption"), "Repeat Axes");
  ASSERT_EQ(excel->put_PropertiesXml(Properties(Property("PrintingOption", 8, "fit TO page")).c_str()), S_OK);

  auto word = MakeExport(ComponentKind::kDocline, &runs);
  EXPECT_EQ(word->put_PropertiesXml(Properties(Property("DisplayOption", 8, "x")).c_str()), E_FAIL);
  EXPECT_EQ(LastErrorText(), "x is an invalid display option");

  auto slides = MakeExport(ComponentKind::kSlideline, &runs);
  EXPECT_EQ(slides->put_PropertiesXml(Properties(Property("DisplayOption", 8, "")).c_str()), E_FAIL);
  EXPECT_EQ(LastErrorText(), " is an invalid setting for the property DisplayOption");
  EXPECT_EQ(Value(*slides, "DisplayOption"), "Chart Only");
}

}  // namespace
}  // namespace tabulo::frame

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "excel/excel_test_support.h"
#include "scripts/excel/chart_block.h"
#include "scripts/excel/chart_cell_items.h"
#include "scripts/excel/chart_settings.h"
#include "scripts/excel/chart_text.h"
#include "scripts/excel/chart_titles.h"
#include "xml/document.h"

namespace tabulo::excel {
namespace {

TEST(ExcelChartVocabulary, ChartTypeNamesGiveExcelNumbersWithoutRegardToCase) {
  EXPECT_EQ(ParseChartType("Clustered Column").type, ChartType::kColumnClustered);
  EXPECT_EQ(static_cast<int>(ParseChartType("clustered bar").type), 57);
  EXPECT_EQ(static_cast<int>(ParseChartType("3D STACKED BAR").type), 61);
  EXPECT_EQ(static_cast<int>(ParseChartType("3d column").type), -4100);
  EXPECT_EQ(static_cast<int>(ParseChartType("100% Stacked Line with Markers").type), 67);
  EXPECT_EQ(static_cast<int>(ParseChartType("3d separated pie").type), 70);
  EXPECT_TRUE(ParseChartType("3d pie").IsPie());
  EXPECT_TRUE(ParseChartType("Separated Pie").IsPie());
  EXPECT_FALSE(ParseChartType("Line").IsPie());
  EXPECT_TRUE(ParseChartType("No Chart").no_chart);
  EXPECT_FALSE(ParseChartType("No Chart").IsPie());
}

TEST(ExcelChartVocabulary, AnyOtherChartTypeNamesAUserDefinedType) {
  ChartTypeChoice choice = ParseChartType("My Bars");
  EXPECT_TRUE(choice.IsUserDefined());
  EXPECT_EQ(static_cast<int>(choice.type), 22);
  EXPECT_EQ(choice.user_defined_name, "My Bars");
  EXPECT_FALSE(ParseChartType("Pie").IsUserDefined());
}

TEST(ExcelChartVocabulary, ChartStructures) {
  for (std::string_view none : {"No Chart", "false", "0", ""}) {
    EXPECT_EQ(ParseChartStructure(none, ChartStructure::conPerTable), ChartStructure::conNoChart) << none;
  }
  EXPECT_EQ(ParseChartStructure("Per Element", ChartStructure::conNoChart), ChartStructure::conPerElement);
  EXPECT_EQ(ParseChartStructure("per VARIABLE", ChartStructure::conNoChart), ChartStructure::conPerVariable);
  EXPECT_EQ(ParseChartStructure("Per table", ChartStructure::conNoChart), ChartStructure::conPerTable);
  EXPECT_EQ(ParseChartStructure("sometimes", ChartStructure::conPerElement), ChartStructure::conPerElement);
  EXPECT_EQ(ParseChartStructure("sometimes", ChartStructure::conPerVariable), ChartStructure::conPerVariable);
}

TEST(ExcelChartVocabulary, TemplatePathJoinsFolderAndName) {
  EXPECT_EQ(ChartTemplatePath("/templates", "bars.crtx"), "/templates/bars.crtx");
  EXPECT_EQ(ChartTemplatePath("/templates/", "bars.crtx"), "/templates/bars.crtx");
  EXPECT_EQ(ChartTemplatePath("C:\\Charts\\", "bars.crtx"), "C:\\Charts\\bars.crtx");
  EXPECT_EQ(ChartTemplatePath("", "bars.crtx"), "bars.crtx");
}

TEST(ExcelChartTexts, AChartValueHasADigitFirstOrSecond) {
  EXPECT_TRUE(IsChartValue("12"));
  EXPECT_TRUE(IsChartValue("-3"));
  EXPECT_TRUE(IsChartValue("$5"));
  EXPECT_TRUE(IsChartValue("7%"));
  EXPECT_FALSE(IsChartValue(""));
  EXPECT_FALSE(IsChartValue("*"));
  EXPECT_FALSE(IsChartValue("ab1"));
  EXPECT_FALSE(IsChartValue("-"));
}

TEST(ExcelChartTexts, CuttingKeepsWholeCharacters) {
  EXPECT_EQ(CutToCharacters("abcdef", 3), "abc");
  EXPECT_EQ(CutToCharacters("abc", 3), "abc");
  EXPECT_EQ(CutToCharacters("ab", 3), "ab");
  // "é" is two bytes and one character.
  EXPECT_EQ(CutToCharacters("a\xC3\xA9z", 2), "a\xC3\xA9");
  EXPECT_EQ(CutToCharacters("\xC3\xA9\xC3\xA9\xC3\xA9", 1), "\xC3\xA9");
  EXPECT_EQ(CutToCharacters("abc", 0), "");
}

TEST(ExcelChartTexts, NumberFormatsOfChartValues) {
  EXPECT_EQ(ChartNumberFormat("ColPercent", 0, true), "0%");
  EXPECT_EQ(ChartNumberFormat("ColPercent", -1, true), "0%");
  EXPECT_EQ(ChartNumberFormat("RowPercent", 2, true), "0.00%");
  EXPECT_EQ(ChartNumberFormat("CumColPercent", 1, false), "0.0");
  EXPECT_EQ(ChartNumberFormat("Count", 0, true), "0");
  EXPECT_EQ(ChartNumberFormat("Mean", 3, true), "0.000");
  EXPECT_EQ(ChartNumberFormat("Count", -1, true), std::nullopt);
  EXPECT_EQ(ChartNumberFormat("", -1, true), std::nullopt);
}

TEST(ExcelChartTexts, TitlesNameThePathOnlyWhenThereIsOne) {
  EXPECT_EQ(WithPath("Age", ""), "Age");
  EXPECT_EQ(WithPath("Age", "Region: North"), "Age: (Region: North)");
  EXPECT_EQ(BlockHeading("Age", ""), "Age");
  EXPECT_EQ(BlockHeading("Age", "Region: North"), "Region: North, Age");
}

TEST(ExcelChartTexts, PlainTextComesFromTheExportObject) {
  fixtures::FakeOfficeExport exporter;
  EXPECT_EQ(PlainText(exporter, "<b>Young</b> &amp; old"), "Young & old");
  EXPECT_EQ(PlainText(exporter, "a < b"), "a < b");
}

class ChartBlockTest : public ::testing::Test {
 protected:
  xml::Document document = xml::Document::Parse("<Axis><Element Name='A'/><Heading Name='A'/></Axis>");
  xml::Node element = document.SelectNodes("//Element").front();
  xml::Node heading = document.SelectNodes("//Heading").front();
};

TEST_F(ChartBlockTest, KeepsElementsInTheOrderAdded) {
  CChartBlock block;
  block.Initialize(2, "Age", "Region: North", "North");
  block.AddElement(element, heading, 4);
  block.AddElement(element, heading, 7);
  EXPECT_EQ(block.ElementCount(), 2);
  EXPECT_EQ(block.ElementIndex(0), 4);
  EXPECT_EQ(block.ElementIndex(1), 7);
  EXPECT_EQ(block.ElementNode(1), element);
  EXPECT_EQ(block.ElementHeading(0), heading);
  EXPECT_EQ(block.AxisName(), "Age");
  EXPECT_EQ(block.AxisPath(), "Region: North");
  EXPECT_EQ(block.AxisElementPath(), "North");
}

TEST_F(ChartBlockTest, AddingBeyondTheCapacityIsRefused) {
  CChartBlock block;
  block.Initialize(1, "Age", "", "");
  block.AddElement(element, heading, 0);
  try {
    block.AddElement(element, heading, 1);
    FAIL() << "added beyond the capacity";
  } catch (const frame::OfficeLogicError& error) {
    EXPECT_EQ(error.number, static_cast<std::int32_t>(0x80040000u));
    EXPECT_EQ(error.source, "CChartBlock.AddElement");
    EXPECT_EQ(error.description, "CChartBlock.AddElement: Unable to add element");
  }
  EXPECT_EQ(block.ElementCount(), 1);
}

TEST_F(ChartBlockTest, ReadingOutsideTheElementsIsRefused) {
  CChartBlock block;
  block.Initialize(3, "Age", "", "");
  block.AddElement(element, heading, 0);
  auto description = [](auto&& read) {
    try {
      read();
    } catch (const frame::OfficeLogicError& error) {
      return error.description;
    }
    return std::string("no error");
  };
  EXPECT_EQ(description([&] { block.ElementNode(1); }), "CChartBlock.ElementNode: Invalid arguments");
  EXPECT_EQ(description([&] { block.ElementHeading(-1); }), "CChartBlock.ElementHeading: Invalid arguments");
  EXPECT_EQ(description([&] { block.ElementIndex(1); }), "CChartBlock.ElementIndex: Invalid arguments");
}

class ChartCellItemsTest : public ::testing::Test {
 protected:
  std::vector<xml::Node> Items(const std::string& items) {
    document = xml::Document::Parse("<CellItems>" + items + "</CellItems>");
    return document->SelectNodes("/CellItems/CellItem");
  }
  std::optional<xml::Document> document;
  ChartSettings settings;
};

TEST_F(ChartCellItemsTest, TheTablePropertyComesFirstThenTheExportsThenCount) {
  std::vector<xml::Node> items = Items(
      "<CellItem Type='Count'/><CellItem Type='ColPercent' Decimals='1'/><CellItem Type='RowPercent'/>");
  EXPECT_EQ(GetChartCellItems(items, std::string("rowpercent"), settings).chart, 2);
  ChartCellItems from_export = GetChartCellItems(items, std::nullopt, settings);
  EXPECT_EQ(from_export.chart, 1);
  EXPECT_EQ(from_export.chart_type, "ColPercent");
  EXPECT_EQ(from_export.chart_decimals, 1);
  // A table property naming an item the table lacks falls through.
  EXPECT_EQ(GetChartCellItems(items, std::string("Mean"), settings).chart, 1);
  settings.cell_item = "Sum";
  ChartCellItems count = GetChartCellItems(items, std::nullopt, settings);
  EXPECT_EQ(count.chart, 0);
  EXPECT_EQ(count.chart_decimals, -1);
}

TEST_F(ChartCellItemsTest, WithoutCountTheFirstItemIsCharted) {
  std::vector<xml::Node> items = Items("<CellItem Type='Mean' Decimals='2'/><CellItem Type='StdDev'/>");
  ChartCellItems chosen = GetChartCellItems(items, std::nullopt, settings);
  EXPECT_EQ(chosen.chart, 0);
  EXPECT_EQ(chosen.chart_type, "Mean");
  EXPECT_EQ(chosen.chart_decimals, 2);
  EXPECT_EQ(chosen.base, -1);
  EXPECT_EQ(chosen.col_prop, -1);
}

TEST_F(ChartCellItemsTest, BaseAndLetterItemsOnlyWhenAskedFor) {
  std::vector<xml::Node> items = Items(
      "<CellItem Type='UnweightedCounts'/><CellItem Type='ColPercent'/><CellItem Type='ColPropResults'/>");
  EXPECT_EQ(GetChartCellItems(items, std::nullopt, settings).base, -1);
  settings.display_series_base = true;
  EXPECT_EQ(GetChartCellItems(items, std::nullopt, settings).base, 0);
  settings.display_series_base = false;
  settings.display_last_category_base = true;
  settings.col_prop_results = true;
  ChartCellItems chosen = GetChartCellItems(
      Items("<CellItem Type='ColPropResults'/><CellItem Type='Count'/>"), std::nullopt, settings);
  EXPECT_EQ(chosen.base, 1);
  EXPECT_EQ(chosen.col_prop, 0);
}

TEST_F(ChartCellItemsTest, ATableWithoutCellItemsCannotBeCharted) {
  try {
    GetChartCellItems({}, std::nullopt, settings);
    FAIL() << "no error";
  } catch (const frame::OfficeLogicError& error) {
    EXPECT_EQ(error.source, "CRenderTable.GetChartCellItems");
    EXPECT_EQ(error.description, "CRenderTable.GetChartCellItems: Table has no cell items");
  }
}

}  // namespace
}  // namespace tabulo::excel

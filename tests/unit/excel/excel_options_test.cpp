#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "excel/excel_test_support.h"
#include "scripts/excel/ctable_render.h"

namespace tabulo::excel::fixtures {
namespace {

using ::testing::ElementsAre;

std::string PlainTable() {
  return Document(Table("", Top(Gender(), Heading("Gender")) + Side(Age(), Heading("Age")),
                        CellItems({"Type=\"Count\""}) + Values(Row({"1", "2"}) + Row({"3", "4"}))));
}

TEST(ExcelStyles, UseExcelStylesCreatesTheSevenNamedStyles) {
  ExcelRun run = RunExcel(PlainTable(), Properties({{"UseExcelStyles", "-1"}}));
  ASSERT_FALSE(run.error) << run.error->description;
  std::vector<std::string> names;
  for (const NamedStyle& style : run.workbook.styles) {
    names.push_back(style.name);
    EXPECT_FALSE(style.include_number);
    EXPECT_TRUE(style.include_font);
    EXPECT_TRUE(style.include_alignment);
    EXPECT_FALSE(style.include_border);
    EXPECT_FALSE(style.include_patterns);
    EXPECT_FALSE(style.include_protection);
    EXPECT_FALSE(style.shrink_to_fit);
    EXPECT_EQ(style.format.font_name, "Arial");
    EXPECT_EQ(style.format.italic, false);
  }
  EXPECT_THAT(names, ElementsAre("Header", "Footer", "VariableTextTop", "VariableTextSide", "ElementTextTop",
                                 "ElementTextSide", "Value"));
  const CellFormat& side = run.workbook.styles[3].format;
  EXPECT_EQ(side.orientation, 90);
  EXPECT_EQ(side.horizontal, HorizontalAlignment::kCenter);
  EXPECT_EQ(side.bold, true);
  EXPECT_EQ(side.font_size, 10);
  EXPECT_EQ(side.wrap_text, true);
  const CellFormat& header = run.workbook.styles[0].format;
  EXPECT_EQ(header.font_size, 12);
  EXPECT_EQ(header.wrap_text, false);
  // Cells take the style by name instead of direct attributes.
  const RecordingWorksheet& sheet = run.Sheet();
  EXPECT_EQ(sheet.Style(4, 1), "VariableTextSide");
  EXPECT_EQ(sheet.Style(2, 3), "VariableTextTop");
  EXPECT_EQ(sheet.Style(3, 4), "ElementTextTop");
  EXPECT_EQ(sheet.Style(5, 2), "ElementTextSide");
  EXPECT_EQ(sheet.Style(5, 4), "Value");
  EXPECT_EQ(sheet.Format(4, 1).orientation, std::nullopt);
}

TEST(ExcelStyles, WrapLabelTextOffUnwrapsTheLabelStyles) {
  ExcelRun run = RunExcel(PlainTable(), Properties({{"UseExcelStyles", "-1"}, {"WrapLabelText", "0"}}));
  for (const NamedStyle& style : run.workbook.styles) EXPECT_EQ(style.format.wrap_text, false) << style.name;
  ExcelRun direct = RunExcel(PlainTable(), Properties({{"WrapLabelText", "0"}}));
  EXPECT_EQ(direct.Sheet().Format(3, 3).wrap_text, false);
}

TEST(ExcelPrinting, FitToPageScalesToOnePage) {
  ExcelRun run = RunExcel(PlainTable(), Properties({{"PrintingOption", "Fit to Page"}}));
  const RecordingWorksheet& sheet = run.Sheet();
  EXPECT_EQ(sheet.orientation, PageOrientation::kLandscape);
  EXPECT_TRUE(sheet.zoom_off);
  EXPECT_EQ(sheet.fit_to_pages, std::make_pair(1, 1));
  EXPECT_FALSE(sheet.title_rows);
  EXPECT_FALSE(sheet.title_columns);
}

TEST(ExcelPrinting, RepeatAxesIsMatchedInAnyCase) {
  ExcelRun run = RunExcel(PlainTable(), Properties({{"PrintingOption", "REPEAT AXES"}}));
  EXPECT_EQ(run.Sheet().title_columns, std::make_pair(1, 2));
  EXPECT_EQ(run.Sheet().title_rows, std::make_pair(2, 3));
  EXPECT_FALSE(run.Sheet().fit_to_pages);
}

TEST(ExcelPrinting, NoneOrAnythingElseOnlyTurnsThePage) {
  for (const char* option : {"None", "Poster"}) {
    ExcelRun run = RunExcel(PlainTable(), Properties({{"PrintingOption", option}}));
    EXPECT_EQ(run.Sheet().orientation, PageOrientation::kLandscape) << option;
    EXPECT_FALSE(run.Sheet().zoom_off) << option;
    EXPECT_FALSE(run.Sheet().title_rows) << option;
  }
}

TEST(ExcelPrinting, PageSetupFailuresAreAbsorbed) {
  RecordingWorkbook workbook;
  workbook.sheets[0]->fail_page_setup = true;
  FakeOfficeExport exporter;
  EXPECT_NO_THROW(Export(workbook, exporter, PlainTable(), "<properties/>"));
  EXPECT_EQ(workbook.Sheet(1).selected, (CellRef{1, 1}));
}

TEST(ExcelColumns, AutoFitSkipsSideVariableColumnsOfTheWholeExport) {
  // The first table's nested side puts variable labels in columns 1 and 3;
  // the second table's flat side reuses column 1 only.
  std::string nested = Variable("Gender", "Gender", Element("M", "Male") + Element("F", "Female"),
                                Heading("M") + Heading("F"), Age(2), Heading("Age") + Heading("Age"));
  std::string first =
      Table(" IsPopulated=\"false\"", Top(Gender(), Heading("Gender")) + Side(nested, Heading("Gender")));
  std::string second =
      Table(" IsPopulated=\"false\"", Top(Gender(), Heading("Gender")) + Side(Age(), Heading("Age")));
  RecordingWorkbook workbook;
  FakeOfficeExport exporter;
  CTableRender render(workbook);
  render.Initialize(Properties({{"AutoFitColumnWidths", "-1"}}), exporter);
  render.Render(Document(first + second));
  EXPECT_THAT(render.SideVariableColumns(), ElementsAre(1, 3));
  EXPECT_THAT(workbook.Sheet(1).auto_fit_columns, ElementsAre(2, 4, 5, 6));
  EXPECT_THAT(workbook.Sheet(2).auto_fit_columns, ElementsAre(2, 4));
}

TEST(ExcelColumns, NoAutoFitByDefault) {
  ExcelRun run = RunExcel(PlainTable());
  EXPECT_TRUE(run.Sheet().auto_fit_columns.empty());
}

TEST(ExcelBorders, DisplayBordersOffDrawsNone) {
  ExcelRun run = RunExcel(PlainTable(), Properties({{"DisplayBorders", "0"}}));
  EXPECT_TRUE(run.Sheet().borders.empty());
  EXPECT_EQ(run.Sheet().Number(5, 4), 4);
}

TEST(ExcelScreen, AVisibleApplicationRefreshesOnlyAtFixedPoints) {
  ExcelRun hidden = RunExcel(PlainTable());
  EXPECT_TRUE(hidden.workbook.screen_updating.empty());
  ExcelRun shown =
      RunExcel(PlainTable(), Properties({{"HideApplication", "0"}, {"LaunchApplication", "-1"}}));
  const std::vector<bool>& updates = shown.workbook.screen_updating;
  ASSERT_GE(updates.size(), 2u);
  EXPECT_FALSE(updates.front());
  EXPECT_TRUE(updates.back());
  // 8 annotation slots, 2 axes, 2 value rows: one on-off pair each.
  EXPECT_EQ(updates.size(), 1u + 2u * 12u + 1u);
}

TEST(ExcelErrors, RenderChecksItsInputFirst) {
  RecordingWorkbook workbook;
  FakeOfficeExport exporter;
  CTableRender uninitialised(workbook);
  try {
    uninitialised.Render(std::string_view("<Document/>"));
    FAIL() << "no error";
  } catch (const frame::OfficeLogicError& error) {
    EXPECT_EQ(error.description, "CRenderTable.Render: CRenderTable not Initialized");
    EXPECT_EQ(error.source, "CRenderTable.Render");
  }
  CTableRender render(workbook);
  render.Initialize("<properties/>", exporter);
  try {
    render.Render(std::nullopt);
    FAIL() << "no error";
  } catch (const frame::OfficeLogicError& error) {
    EXPECT_EQ(error.description, "CRenderTable.Render: Tables XML is NULL");
    EXPECT_EQ(error.number, static_cast<std::int32_t>(0x80040000u));
  }
}

TEST(ExcelErrors, MalformedTablesXmlNamesTheParsersReason) {
  ExcelRun run = RunExcel("<Document><Tables></Document>");
  ASSERT_TRUE(run.error);
  EXPECT_EQ(run.error->source, "CRenderTable.Render");
  EXPECT_THAT(run.error->description,
              ::testing::StartsWith("CRenderTable.Render: Failed to load table XML: "));
  EXPECT_GT(run.error->description.size(),
            std::string("CRenderTable.Render: Failed to load table XML: ").size());
  EXPECT_TRUE(run.Sheet().cells.empty());
}

TEST(ExcelErrors, MalformedPropertiesAreRefused) {
  ExcelRun run = RunExcel(PlainTable(), "<properties>");
  ASSERT_TRUE(run.error);
  EXPECT_EQ(run.error->source, "CRenderTable.Initialize");
}

TEST(ExcelErrors, AnUnknownElementHeadingIsReported) {
  std::string gender = Variable("Gender", "Gender", Element("M", "Male"), Heading("X"));
  ExcelRun run = RunExcel(Document(
      Table(" IsPopulated=\"false\"", Top(gender, Heading("Gender")) + Side(Age(), Heading("Age")))));
  ASSERT_TRUE(run.error);
  EXPECT_EQ(run.error->description, "CRenderTable.GetElementFromHeading: Failed to find element : X");
  // The side axis was laid out before the error.
  EXPECT_EQ(run.Sheet().Text(4, 2), "Young");
}

}  // namespace
}  // namespace tabulo::excel::fixtures

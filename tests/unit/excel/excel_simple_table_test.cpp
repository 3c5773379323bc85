#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "excel/excel_test_support.h"

namespace tabulo::excel::fixtures {
namespace {

using ::testing::ElementsAre;

// Gender on top, Age on the side, counts and column percentages (1 decimal).
std::string SimpleTable(const std::string& attributes = "") {
  return Document(
      Table(attributes, Top(Gender(), Heading("Gender")) + Side(Age(), Heading("Age")),
            CellItems({"Type=\"Count\"", "Type=\"ColPercent\" Decimals=\"1\""}) +
                Values(Row({"10", "25.0%", "30", "75.0%"}) + Row({"20", "40.0%", "30", "60.0%"}))));
}

TEST(ExcelSimpleTable, WritesLabelsAndValuesIntoTheExpectedCells) {
  ExcelRun run = RunExcel(SimpleTable());
  ASSERT_FALSE(run.error) << run.error->description;
  const RecordingWorksheet& sheet = run.Sheet();
  EXPECT_EQ(sheet.name, "T1");
  // Row 1 is the blank row after the (empty) header annotations; the top
  // axis takes rows 2-3, the side axis columns 1-2.
  EXPECT_THAT(sheet.Contents(), ElementsAre("R2C3=Gender", "R3C3=Male", "R3C4=Female", "R4C1=Age",
                                            "R4C2=Young", "R4C3#10", "R4C4#30", "R5C3#0.25", "R5C4#0.75",
                                            "R6C2=Old", "R6C3#20", "R6C4#30", "R7C3#0.4", "R7C4#0.6"));
}

TEST(ExcelSimpleTable, MergesVariableAndSideElementCells) {
  ExcelRun run = RunExcel(SimpleTable());
  EXPECT_THAT(run.Sheet().merges,
              ElementsAre(Range(4, 1, 7, 1), Range(4, 2, 5, 2), Range(6, 2, 7, 2), Range(2, 3, 2, 4)));
}

TEST(ExcelSimpleTable, FormatsEachCellItemRow) {
  ExcelRun run = RunExcel(SimpleTable());
  const RecordingWorksheet& sheet = run.Sheet();
  // Counts keep General; the percentage rows get "0.0%" and italics.
  EXPECT_EQ(sheet.FormatOf(4, 3), "");
  EXPECT_EQ(sheet.FormatOf(5, 3), "0.0%");
  EXPECT_EQ(sheet.FormatOf(7, 4), "0.0%");
  EXPECT_EQ(sheet.Format(5, 4).italic, true);
  EXPECT_EQ(sheet.Format(4, 4).italic, false);
  // The axes are formatted as text.
  EXPECT_EQ(sheet.FormatOf(2, 1), "@");
  EXPECT_EQ(sheet.FormatOf(7, 2), "@");
  EXPECT_EQ(sheet.FormatOf(3, 4), "@");
}

TEST(ExcelSimpleTable, SetsStyleAttributesDirectlyWithoutWorkbookStyles) {
  ExcelRun run = RunExcel(SimpleTable());
  const RecordingWorksheet& sheet = run.Sheet();
  CellFormat variable_side = sheet.Format(4, 1);
  EXPECT_EQ(variable_side.orientation, 90);
  EXPECT_EQ(variable_side.horizontal, HorizontalAlignment::kCenter);
  EXPECT_EQ(variable_side.vertical, VerticalAlignment::kCenter);
  EXPECT_EQ(variable_side.wrap_text, true);
  EXPECT_EQ(variable_side.font_name, "Arial");
  EXPECT_EQ(variable_side.bold, true);
  EXPECT_EQ(variable_side.font_size, 10);
  CellFormat element_side = sheet.Format(4, 2);
  EXPECT_EQ(element_side.horizontal, HorizontalAlignment::kLeft);
  EXPECT_EQ(element_side.font_size, 8);
  EXPECT_EQ(element_side.bold, false);
  CellFormat element_top = sheet.Format(3, 3);
  EXPECT_EQ(element_top.horizontal, HorizontalAlignment::kCenter);
  EXPECT_EQ(element_top.orientation, 0);
  CellFormat value = sheet.Format(6, 4);
  EXPECT_EQ(value.horizontal, HorizontalAlignment::kRight);
  EXPECT_EQ(value.vertical, VerticalAlignment::kBottom);
  EXPECT_EQ(value.wrap_text, false);
  EXPECT_EQ(value.font_size, 8);
  EXPECT_TRUE(sheet.Style(6, 4).empty());
  EXPECT_TRUE(run.workbook.styles.empty());
}

TEST(ExcelSimpleTable, DrawsThinContinuousAxisBorders) {
  ExcelRun run = RunExcel(SimpleTable());
  Border thin{LineStyle::kContinuous, BorderWeight::kThin};
  EXPECT_THAT(run.Sheet().borders, ElementsAre(RecordedBorder{Range(4, 1, 7, 4), BorderEdge::kTop, thin},
                                               RecordedBorder{Range(2, 1, 7, 2), BorderEdge::kRight, thin},
                                               RecordedBorder{Range(2, 3, 7, 4), BorderEdge::kLeft, thin},
                                               RecordedBorder{Range(2, 1, 3, 4), BorderEdge::kBottom, thin}));
}

TEST(ExcelSimpleTable, SetsUpTheSheetAndItsPages) {
  ExcelRun run = RunExcel(SimpleTable());
  const RecordingWorksheet& sheet = run.Sheet();
  EXPECT_EQ(sheet.row_height, 12.75);
  EXPECT_EQ(sheet.column_width, 8.43);
  EXPECT_EQ(sheet.orientation, PageOrientation::kLandscape);
  EXPECT_EQ(sheet.title_columns, std::make_pair(1, 2));
  EXPECT_EQ(sheet.title_rows, std::make_pair(2, 3));
  EXPECT_FALSE(sheet.zoom_off);
  EXPECT_EQ(sheet.selected, (CellRef{1, 1}));
  EXPECT_TRUE(sheet.active);
  EXPECT_TRUE(sheet.At(4, 1)->ignores_number_as_text);
  EXPECT_TRUE(sheet.At(3, 4)->ignores_number_as_text);
}

TEST(ExcelSimpleTable, EachTableGetsAWorksheetOfItsOwn) {
  std::string table = Table("", Top(Gender(), Heading("Gender")) + Side(Age(), Heading("Age")),
                            CellItems({"Type=\"Count\""}) + Values(Row({"1", "2"}) + Row({"3", "4"})));
  ExcelRun run = RunExcel(Document(table + table + table), Properties({{"DisplayCharts", "0"}}));
  ASSERT_EQ(run.workbook.WorksheetCount(), 3);
  EXPECT_EQ(run.Sheet(1).name, "T1");
  EXPECT_EQ(run.Sheet(2).name, "T2");
  EXPECT_EQ(run.Sheet(3).name, "T3");
  EXPECT_EQ(run.Sheet(3).Number(5, 4), 4);
  EXPECT_TRUE(run.Sheet(1).active);
  EXPECT_FALSE(run.Sheet(3).active);
}

TEST(ExcelSimpleTable, EachChartWorksheetFollowsItsTable) {
  std::string table = Table("", Top(Gender(), Heading("Gender")) + Side(Age(), Heading("Age")),
                            CellItems({"Type=\"Count\""}) + Values(Row({"1", "2"}) + Row({"3", "4"})));
  ExcelRun run = RunExcel(Document(table + table));
  ASSERT_FALSE(run.error) << run.error->description;
  ASSERT_EQ(run.workbook.WorksheetCount(), 4);
  EXPECT_EQ(run.Sheet(1).name, "T1");
  EXPECT_EQ(run.Sheet(2).name, "T1_Ch");
  EXPECT_EQ(run.Sheet(3).name, "T2");
  EXPECT_EQ(run.Sheet(4).name, "T2_Ch");
  // The second table's chart data refer to its own worksheet.
  EXPECT_EQ(run.Sheet(4).Formula(1, 2), "='T2'!R3C3");
  EXPECT_EQ(run.Sheet(4).Formula(2, 2), "='T2'!R4C3");
  EXPECT_TRUE(run.Sheet(1).active);
}

TEST(ExcelSimpleTable, ADocumentWithoutTablesLeavesTheWorkbookAlone) {
  ExcelRun run = RunExcel("<Document><Tables/></Document>");
  EXPECT_FALSE(run.error);
  EXPECT_TRUE(run.Sheet().cells.empty());
  EXPECT_TRUE(run.Sheet().name.empty());
  EXPECT_FALSE(run.Sheet().active);
}

}  // namespace
}  // namespace tabulo::excel::fixtures

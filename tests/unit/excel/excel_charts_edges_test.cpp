#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "excel/excel_chart_tables.h"

namespace tabulo::excel::fixtures {
namespace {

using ::testing::ElementsAre;

// A side variable "Item" with `count` elements E0, E1, ... against Gender,
// counts only: element i has its label in R(4 + i)C2 and its values in row
// 4 + i, columns 3 and 4.
std::string ManyRows(int count) {
  std::string elements;
  std::string headings;
  std::string rows;
  for (int i = 0; i < count; ++i) {
    std::string name = "E" + std::to_string(i);
    elements += Element(name, name);
    headings += Heading(name);
    rows += Row({std::to_string(i), std::to_string(i + 1)});
  }
  return Document(Table(
      "",
      Top(Gender(), Heading("Gender")) + Side(Variable("Item", "Item", elements, headings), Heading("Item")),
      CellItems({"Type=\"Count\""}) + Values(rows)));
}

TEST(ExcelChartLimits, AVariableChartTakesAt254Series) {
  ExcelRun run = RunExcel(ManyRows(300));
  ASSERT_FALSE(run.error) << run.error->description;
  RecordingWorksheet& sheet = ChartSheet(run);
  ASSERT_EQ(sheet.charts.size(), 1u);
  EXPECT_EQ(sheet.Chart(0).source, Range(1, 1, 255, 3));
  EXPECT_EQ(sheet.Formula(255, 1), "='T1'!R257C2");
  EXPECT_EQ(sheet.Formula(255, 3), "='T1'!R257C4");
  EXPECT_TRUE(sheet.IsEmpty(256, 1));
}

TEST(ExcelChartLimits, AnElementChartTakesAt255Categories) {
  ExcelRun run = RunExcel(ManyRows(300),
                          Properties({{"ChartCategoryElements", "Per Element"}, {"ChartRowsAsSeries", "0"}}));
  ASSERT_FALSE(run.error) << run.error->description;
  RecordingWorksheet& sheet = ChartSheet(run);
  ASSERT_EQ(sheet.charts.size(), 2u);
  EXPECT_EQ(sheet.Chart(0).source, Range(1, 1, 2, 256));
  EXPECT_EQ(sheet.Formula(1, 256), "='T1'!R258C2");
  EXPECT_EQ(sheet.Formula(2, 256), "='T1'!R258C3");
  EXPECT_EQ(sheet.Chart(1).source, Range(4, 1, 5, 256));
}

TEST(ExcelChartLimits, ATableChartTakesAt255SeriesBelowItsCategories) {
  ExcelRun run = RunExcel(ManyRows(300), Properties({{"ChartCategoryElements", "Per Table"}}));
  ASSERT_FALSE(run.error) << run.error->description;
  RecordingWorksheet& sheet = ChartSheet(run);
  EXPECT_EQ(sheet.Chart(0).source, Range(1, 1, 255, 3));
  EXPECT_EQ(sheet.Formula(255, 1), "='T1'!R257C2");
}

TEST(ExcelChartLimits, NoMoreThan200ChartsPerTable) {
  ExcelRun run = RunExcel(ManyRows(205), Properties({{"ChartCategoryElements", "Per Element"}}));
  ASSERT_FALSE(run.error) << run.error->description;
  RecordingWorksheet& sheet = ChartSheet(run);
  ASSERT_EQ(sheet.charts.size(), 200u);
  EXPECT_EQ(sheet.Chart(199).frame, (ChartFrame{20, 49770, 400, 230}));
  EXPECT_EQ(sheet.Chart(199).source, Range(598, 1, 599, 3));
  EXPECT_EQ(sheet.Text(599, 1), "E199");
  EXPECT_TRUE(sheet.IsEmpty(602, 1));
  EXPECT_TRUE(sheet.IsEmpty(1, 1));
}

// Gender (Male, Female) with Age nested on top, Class (A, B) on the side,
// counts only.
std::string NestedTop(const std::string& male_extra, const std::string& age, const std::string& rows) {
  std::string gender = Variable("Gender", "Gender", Element("M", "Male", male_extra) + Element("F", "Female"),
                                Heading("M") + Heading("F"), age, Heading("Age") + Heading("Age"));
  std::string klass =
      Variable("Class", "Class", Element("A", "A") + Element("B", "B"), Heading("A") + Heading("B"));
  return Document(Table("", Top(gender, Heading("Gender")) + Side(klass, Heading("Class")),
                        CellItems({"Type=\"Count\""}) + Values(rows)));
}

TEST(ExcelHiddenChartElements, AHiddenParentsValuesAreSkipped) {
  // Male is hidden: the table shows Female's ages in columns 3 and 4, whose
  // values are c3 and c4 of each row.
  ExcelRun run = RunExcel(NestedTop(Attr("ShownOnTable", "false"), Age(2),
                                    Row({"x", "2", "3", "-"}) + Row({"5", "6", "7", "8"})));
  ASSERT_FALSE(run.error) << run.error->description;
  RecordingWorksheet& sheet = ChartSheet(run);
  EXPECT_THAT(sheet.Contents(), ElementsAre("R1C2:='T1'!R5C3", "R1C3:='T1'!R5C4",  //
                                            "R2C1:='T1'!R6C2", "R2C2:='T1'!R6C3",  //
                                            "R3C1:='T1'!R7C2", "R3C2:='T1'!R7C3", "R3C3:='T1'!R7C4"));
  EXPECT_EQ(run.Sheet(1).Number(6, 3), 3);
  ASSERT_EQ(sheet.charts.size(), 1u);
  EXPECT_EQ(sheet.Chart(0).title, "Class: (Gender: Female)");
  EXPECT_EQ(sheet.Chart(0).AxisTitle(ChartAxis::kCategory), "Age");
}

TEST(ExcelHiddenChartElements, AValuelessParentsColumnsAreCountedPast) {
  // Male has no values but its three ages still stand in columns 3 to 5;
  // Female's are in columns 6 to 8.
  std::string age =
      Variable("Age", "Age", Element("Y", "Young") + Element("D", "Mid") + Element("O", "Old"),
               Heading("Y") + Heading("D") + Heading("O") + Heading("Y") + Heading("D") + Heading("O"));
  ExcelRun run =
      RunExcel(NestedTop(Attr("HasCellValues", "false"), age, Row({"1", "2", "3"}) + Row({"4", "5", "6"})));
  ASSERT_FALSE(run.error) << run.error->description;
  RecordingWorksheet& sheet = ChartSheet(run);
  EXPECT_EQ(sheet.Formula(1, 2), "='T1'!R5C6");
  EXPECT_EQ(sheet.Formula(1, 4), "='T1'!R5C8");
  EXPECT_EQ(sheet.Formula(2, 2), "='T1'!R6C6");
  EXPECT_EQ(sheet.Formula(3, 4), "='T1'!R7C8");
  EXPECT_EQ(run.Sheet(1).Number(7, 8), 6);
  EXPECT_EQ(sheet.charts.size(), 1u);
}

TEST(ExcelHiddenChartElements, HiddenBasesAreSkippedByTheirValues) {
  std::string age = Variable(
      "Age", "Age", Element("B", "Base", Attr("Type", "Base")) + Element("Y", "Young") + Element("O", "Old"),
      Heading("B") + Heading("Y") + Heading("O"));
  std::string xml =
      Document(Table("", Top(age, Heading("Age")) + Side(Gender(), Heading("Gender")),
                     CountAndPercent() + Values(Row({"120", "100.0%", "50", "41.7%", "x", "58.3%"}) +
                                                Row({"80", "100.0%", "40", "50.0%", "40", "-"}))));
  ExcelRun run = RunExcel(xml, Properties({{"HideBaseElements", "-1"}}));
  ASSERT_FALSE(run.error) << run.error->description;
  RecordingWorksheet& sheet = ChartSheet(run);
  // Young and Old now stand in columns 3 and 4; their percentages are the
  // fourth and sixth values of each row.
  EXPECT_THAT(sheet.Contents(), ElementsAre("R1C2:='T1'!R3C3", "R1C3:='T1'!R3C4",                     //
                                            "R2C1:='T1'!R4C2", "R2C2:='T1'!R5C3", "R2C3:='T1'!R5C4",  //
                                            "R3C1:='T1'!R6C2", "R3C2:='T1'!R7C3"));
}

TEST(ExcelNoCharts, ATableWithNothingToChartSaysSo) {
  ExcelRun run = RunExcel(GenderByAge(), Properties({{"ChartCategoryElements", "No Chart"}}));
  ASSERT_FALSE(run.error) << run.error->description;
  RecordingWorksheet& sheet = ChartSheet(run);
  EXPECT_EQ(sheet.name, "T1_Ch");
  EXPECT_TRUE(sheet.charts.empty());
  EXPECT_THAT(sheet.Contents(), ElementsAre("R1C1=A chart cannot be produced for this table"));
  EXPECT_TRUE(sheet.text_hidden);
  EXPECT_EQ(sheet.font_colour_index, 0);
  EXPECT_EQ(sheet.selected, (CellRef{1, 1}));
}

TEST(ExcelNoCharts, AnAxisWithEveryVariableHiddenGetsTheTextAndTheExportGoesOn) {
  std::string hidden = Attr("ShownOnTable", "false");
  std::string gender =
      Variable("Gender", "Gender", Element("M", "Male", hidden) + Element("F", "Female", hidden),
               Heading("M") + Heading("F"), Age(2), Heading("Age") + Heading("Age"));
  std::string first =
      Table("", Top(gender, Heading("Gender")) + Side(Age(), Heading("Age")),
            CellItems({"Type=\"Count\""}) + Values(Row({"1", "2", "3", "4"}) + Row({"5", "6", "7", "8"})));
  ExcelRun run = RunExcel(
      Document(first + Table("", Top(Gender(), Heading("Gender")) + Side(Age(), Heading("Age")),
                             CellItems({"Type=\"Count\""}) + Values(Row({"1", "2"}) + Row({"3", "4"})))));
  ASSERT_FALSE(run.error) << run.error->description;
  ASSERT_EQ(run.workbook.WorksheetCount(), 4);
  EXPECT_EQ(run.Sheet(2).Text(1, 1), "A chart cannot be produced for this table");
  EXPECT_TRUE(run.Sheet(2).charts.empty());
  EXPECT_EQ(run.Sheet(4).charts.size(), 1u);
}

TEST(ExcelNoCharts, NoChartSheetWhenChartsAreSwitchedOff) {
  EXPECT_EQ(RunExcel(GenderByAge(), Properties({{"ChartType", "No Chart"}})).workbook.WorksheetCount(), 1);
  EXPECT_EQ(RunExcel(GenderByAge(TableProperties({{"ChartType", "no chart"}}))).workbook.WorksheetCount(), 1);
  EXPECT_EQ(
      RunExcel(GenderByAge(), Properties({{"ChartCategoryElements", "0"}, {"ChartSpecialElements", "false"}}))
          .workbook.WorksheetCount(),
      1);
  EXPECT_EQ(RunExcel(GenderByAge(), Properties({{"DisplayCharts", "0"}})).workbook.WorksheetCount(), 1);
}

TEST(ExcelNoCharts, NoChartSheetForTablesWithoutValuesOrWithMergedLetters) {
  std::string unpopulated = Document(
      Table(" IsPopulated=\"false\"", Top(Gender(), Heading("Gender")) + Side(Age(), Heading("Age"))));
  EXPECT_EQ(RunExcel(unpopulated).workbook.WorksheetCount(), 1);
  std::string letters = Document(Table("", Top(Gender(), Heading("Gender")) + Side(Age(), Heading("Age")),
                                       CellItems({"Type=\"Count\"", "Type=\"ColPropResults\""}) +
                                           Values(Row({"1", "B", "2", ""}) + Row({"3", "", "4", "A"}))));
  EXPECT_EQ(RunExcel(letters, Properties({{"MergeColPropResults", "-1"}})).workbook.WorksheetCount(), 1);
  EXPECT_EQ(RunExcel(letters).workbook.WorksheetCount(), 2);
}

TEST(ExcelNoCharts, APopulatedTableWithoutCellItemsIsReported) {
  std::string xml = Document(Table("", Top(Gender(), Heading("Gender")) + Side(Age(), Heading("Age")),
                                   Values(Row({"1", "2"}) + Row({"3", "4"}))));
  ExcelRun run = RunExcel(xml);
  ASSERT_TRUE(run.error);
  EXPECT_EQ(run.error->source, "CRenderTable.GetChartCellItems");
  EXPECT_EQ(run.error->description, "CRenderTable.GetChartCellItems: Table has no cell items");
  ASSERT_EQ(run.workbook.WorksheetCount(), 1);
  EXPECT_EQ(run.Sheet(1).Number(5, 4), 4);
}

TEST(ExcelNoCharts, TheTablesCellItemPropertyChoosesTheValues) {
  ExcelRun run = RunExcel(GenderByAge(TableProperties({{"ChartCellItem", "count"}})));
  ASSERT_FALSE(run.error) << run.error->description;
  RecordingWorksheet& sheet = ChartSheet(run);
  // The count rows: 4 (Young) and 6 (Old); counts keep General.
  EXPECT_EQ(sheet.Formula(2, 2), "='T1'!R4C3");
  EXPECT_EQ(sheet.Formula(3, 3), "='T1'!R6C4");
  EXPECT_EQ(sheet.FormatOf(2, 2), "");
  EXPECT_EQ(sheet.Chart(0).AxisTitle(ChartAxis::kValue), "Count");
}

}  // namespace
}  // namespace tabulo::excel::fixtures

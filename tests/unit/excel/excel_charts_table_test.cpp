#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "excel/excel_chart_tables.h"

namespace tabulo::excel::fixtures {
namespace {

using ::testing::ElementsAre;

std::string PerTable() { return Properties({{"ChartCategoryElements", "Per Table"}}); }

TEST(ExcelTableCharts, OneBlockEachWayChartsLikeAVariable) {
  ExcelRun run = RunExcel(GenderByAge(), PerTable());
  ASSERT_FALSE(run.error) << run.error->description;
  RecordingWorksheet& sheet = ChartSheet(run);
  EXPECT_THAT(sheet.Contents(), ElementsAre("R1C2:='T1'!R3C3", "R1C3:='T1'!R3C4",                     //
                                            "R2C1:='T1'!R4C2", "R2C2:='T1'!R5C3", "R2C3:='T1'!R5C4",  //
                                            "R3C1:='T1'!R6C2", "R3C2:='T1'!R7C3", "R3C3:='T1'!R7C4"));
  ASSERT_EQ(sheet.charts.size(), 1u);
  RecordingChart& chart = sheet.Chart(0);
  EXPECT_EQ(chart.source, Range(1, 1, 3, 3));
  EXPECT_FALSE(chart.category_major_ticks_removed);
  // The table's name stands in for a missing description.
  EXPECT_EQ(chart.title, "T");
  EXPECT_EQ(chart.AxisTitle(ChartAxis::kCategory), "Gender");
  EXPECT_EQ(chart.AxisTitle(ChartAxis::kValue), "ColPercent");
}

// Region (North, South) with Age nested on the side; Gender and Class side
// by side on top; counts only. The side axis is four columns deep (ages in
// column 4, rows 4 to 7), the values start in column 5.
std::string RegionsByGenderAndClass(const std::string& description = "Survey &amp; more") {
  std::string region = Variable("Region", "Area", Element("N", "North") + Element("S", "South"),
                                Heading("N") + Heading("S"), Age(2), Heading("Age") + Heading("Age"));
  std::string klass =
      Variable("Class", "Class", Element("A", "First") + Element("B", "Second"), Heading("A") + Heading("B"));
  return Document(Table(
      " Description=\"" + description + "\"",
      Top(Gender() + klass, Heading("Gender") + Heading("Class")) + Side(region, Heading("Region")),
      CellItems({"Type=\"Count\""}) + Values(Row({"1", "2", "3", "4"}) + Row({"5", "6", "*", "8"}) +
                                             Row({"9", "10", "11", "12"}) + Row({"13", "14", "15", "16"}))));
}

TEST(ExcelTableCharts, SeveralBlocksStackTheirHeadings) {
  ExcelRun run = RunExcel(RegionsByGenderAndClass(), PerTable());
  ASSERT_FALSE(run.error) << run.error->description;
  RecordingWorksheet& sheet = ChartSheet(run);
  // Two header rows over the categories, two label columns beside the
  // series: the parent element as text, then the age.
  EXPECT_THAT(sheet.Contents(),
              ElementsAre("R1C3=Gender", "R1C5=Class",                                                 //
                          "R2C3:='T1'!R3C5", "R2C4:='T1'!R3C6", "R2C5:='T1'!R3C7", "R2C6:='T1'!R3C8",  //
                          "R3C1=North,", "R3C2:='T1'!R4C4", "R3C3:='T1'!R4C5", "R3C4:='T1'!R4C6",
                          "R3C5:='T1'!R4C7", "R3C6:='T1'!R4C8",                                        //
                          "R4C2:='T1'!R5C4", "R4C3:='T1'!R5C5", "R4C4:='T1'!R5C6", "R4C6:='T1'!R5C8",  //
                          "R5C1=South,", "R5C2:='T1'!R6C4", "R5C3:='T1'!R6C5", "R5C4:='T1'!R6C6",
                          "R5C5:='T1'!R6C7", "R5C6:='T1'!R6C8",  //
                          "R6C2:='T1'!R7C4", "R6C3:='T1'!R7C5", "R6C4:='T1'!R7C6", "R6C5:='T1'!R7C7",
                          "R6C6:='T1'!R7C8"));
  ASSERT_EQ(sheet.charts.size(), 1u);
  RecordingChart& chart = sheet.Chart(0);
  EXPECT_EQ(chart.source, Range(1, 1, 6, 6));
  EXPECT_TRUE(chart.category_major_ticks_removed);
  EXPECT_EQ(chart.title, "Survey & more");
  // Several category blocks: no category axis title.
  EXPECT_FALSE(chart.AxisHasTitle(ChartAxis::kCategory));
  EXPECT_EQ(chart.AxisTitle(ChartAxis::kValue), "Count");
}

TEST(ExcelTableCharts, CategoryHeadingsNameTheBlockPath) {
  ExcelRun run = RunExcel(RegionsByGenderAndClass(),
                          Properties({{"ChartCategoryElements", "Per Table"}, {"ChartRowsAsSeries", "0"}}));
  ASSERT_FALSE(run.error) << run.error->description;
  RecordingWorksheet& sheet = ChartSheet(run);
  // Now the ages are the categories and the top elements the series, with
  // no element path: one label column.
  EXPECT_EQ(sheet.Text(1, 2), "Area: North, Age");
  EXPECT_EQ(sheet.Text(1, 4), "Area: South, Age");
  EXPECT_EQ(sheet.Formula(2, 2), "='T1'!R4C4");
  EXPECT_EQ(sheet.Formula(2, 5), "='T1'!R7C4");
  EXPECT_EQ(sheet.Formula(3, 1), "='T1'!R3C5");
  EXPECT_EQ(sheet.Formula(6, 1), "='T1'!R3C8");
  EXPECT_EQ(sheet.Formula(6, 5), "='T1'!R7C8");
  EXPECT_EQ(sheet.Chart(0).source, Range(1, 1, 6, 5));
}

TEST(ExcelTableCharts, ADescriptionIsCutTo255Characters) {
  std::string long_text = std::string(254, 'a') + "\xC3\xA9" + "bbb";
  ExcelRun run = RunExcel(RegionsByGenderAndClass(long_text), PerTable());
  ASSERT_FALSE(run.error) << run.error->description;
  EXPECT_EQ(ChartSheet(run).Chart(0).title, std::string(254, 'a') + "\xC3\xA9");
}

TEST(ExcelTableCharts, VariablePairsChartEachBlockAgainstEachOther) {
  ExcelRun run = RunExcel(RegionsByGenderAndClass());
  ASSERT_FALSE(run.error) << run.error->description;
  RecordingWorksheet& sheet = ChartSheet(run);
  // North x Gender, North x Class, South x Gender, South x Class.
  ASSERT_EQ(sheet.charts.size(), 4u);
  EXPECT_EQ(sheet.Chart(1).AxisTitle(ChartAxis::kCategory), "Class: (Area: North)");
  EXPECT_EQ(sheet.Chart(2).AxisTitle(ChartAxis::kCategory), "Gender: (Area: South)");
  EXPECT_EQ(sheet.Formula(5, 2), "='T1'!R3C7");
  EXPECT_EQ(sheet.Formula(6, 1), "='T1'!R4C4");
  // The asterisk of North/Old x First is no value.
  EXPECT_TRUE(sheet.IsEmpty(7, 2));
  EXPECT_EQ(sheet.Formula(7, 3), "='T1'!R5C8");
  EXPECT_EQ(sheet.Chart(3).source, Range(13, 1, 15, 3));
}

// Counts, percentages and test letters; the top headings carry ids.
std::string WithLetters() {
  std::string gender = Variable("Gender", "Gender", Element("M", "Male") + Element("F", "Female"),
                                Heading("M", Attr("HeadingId", "A")) + Heading("F", Attr("HeadingId", "B")));
  return Document(Table(
      "", Top(gender, Heading("Gender")) + Side(Age(), Heading("Age")),
      CellItems({"Type=\"Count\"", "Type=\"ColPercent\"", "Type=\"ColPropResults\""}) +
          Values(Row({"10", "25%", "B", "30", "75%", "*a"}) + Row({"20", "40%", "", "30", "60%", "A"}))));
}

TEST(ExcelColumnProportions, LettersLabelThePointsAndIdsTheCategories) {
  ExcelRun run = RunExcel(WithLetters(), Properties({{"ChartColPropResults", "-1"}}));
  ASSERT_FALSE(run.error) << run.error->description;
  RecordingWorksheet& sheet = ChartSheet(run);
  // Category labels carry the heading id and so are texts.
  EXPECT_EQ(sheet.Text(1, 2), "Male: A");
  EXPECT_EQ(sheet.Text(1, 3), "Female: B");
  // Three rows per age below a three-row top axis: Young's percentages in
  // row 6, Old's in row 9.
  EXPECT_EQ(sheet.Formula(2, 2), "='T1'!R6C3");
  EXPECT_EQ(sheet.Formula(3, 3), "='T1'!R9C4");
  // "*a" is not shown, Old x Male has none.
  EXPECT_THAT(sheet.Chart(0).CallsNamed({"SetPointDataLabel"}),
              ElementsAre("SetPointDataLabel(1,1,B)", "SetPointDataLabel(2,2,A)"));
}

TEST(ExcelColumnProportions, WithoutTheSettingNoLettersAndPlainReferences) {
  ExcelRun run = RunExcel(WithLetters());
  ASSERT_FALSE(run.error) << run.error->description;
  // Male's label stands above the row of ids.
  EXPECT_EQ(ChartSheet(run).Formula(1, 2), "='T1'!R3C3");
  EXPECT_TRUE(ChartSheet(run).Chart(0).point_labels.empty());
}

TEST(ExcelColumnProportions, PerTableLettersCountPointsAcrossBlocks) {
  std::string gender = Variable("Gender", "Gender", Element("M", "Male") + Element("F", "Female"),
                                Heading("M", Attr("HeadingId", "A")) + Heading("F", Attr("HeadingId", "B")));
  std::string klass = Variable("Class", "Class", Element("X", "First") + Element("Y", "Second"),
                               Heading("X", Attr("HeadingId", "C")) + Heading("Y", Attr("HeadingId", "D")));
  std::string xml = Document(Table(
      "", Top(gender + klass, Heading("Gender") + Heading("Class")) + Side(Age(), Heading("Age")),
      CellItems({"Type=\"Count\"", "Type=\"ColPropResults\""}) +
          Values(Row({"1", "", "2", "", "3", "D", "4", ""}) + Row({"5", "", "6", "A", "7", "", "8", "C"}))));
  ExcelRun run =
      RunExcel(xml, Properties({{"ChartCategoryElements", "Per Table"}, {"ChartColPropResults", "-1"}}));
  ASSERT_FALSE(run.error) << run.error->description;
  EXPECT_THAT(
      ChartSheet(run).Chart(0).CallsNamed({"SetPointDataLabel"}),
      ElementsAre("SetPointDataLabel(2,2,A)", "SetPointDataLabel(1,3,D)", "SetPointDataLabel(2,4,C)"));
}

TEST(ExcelSplitCells, ValuesReferToTheTableOfTheirCellItem) {
  ExcelRun run = RunExcel(GenderByAge(), Properties({{"SplitCells", "-1"}}));
  ASSERT_FALSE(run.error) << run.error->description;
  // The count table has its values in rows 4 and 5, the percentage table
  // (after a blank row) in rows 9 and 10; labels come from the first.
  EXPECT_THAT(ChartSheet(run).Contents(),
              ElementsAre("R1C2:='T1'!R3C3", "R1C3:='T1'!R3C4",                     //
                          "R2C1:='T1'!R4C2", "R2C2:='T1'!R9C3", "R2C3:='T1'!R9C4",  //
                          "R3C1:='T1'!R5C2", "R3C2:='T1'!R10C3", "R3C3:='T1'!R10C4"));
}

TEST(ExcelSplitCells, BasesAreReadWhereTheCountTableStands) {
  std::string age = Variable(
      "Age", "Age", Element("B", "Base", Attr("Type", "Base")) + Element("Y", "Young") + Element("O", "Old"),
      Heading("B") + Heading("Y") + Heading("O"));
  std::string xml =
      Document(Table("", Top(age, Heading("Age")) + Side(Gender(), Heading("Gender")),
                     CountAndPercent() + Values(Row({"120", "100.0%", "50", "41.7%", "70", "58.3%"}) +
                                                Row({"80", "100.0%", "40", "50.0%", "40", "50.0%"}))));
  ExcelRun run = RunExcel(xml, Properties({{"DisplaySeriesBase", "-1"}, {"SplitCells", "-1"}}));
  ASSERT_FALSE(run.error) << run.error->description;
  EXPECT_EQ(ChartSheet(run).Text(3, 1), "Female (80)");
  // Female's percentage of Young: second table, rows 9 and 10.
  EXPECT_EQ(ChartSheet(run).Formula(3, 2), "='T1'!R10C4");
}

}  // namespace
}  // namespace tabulo::excel::fixtures

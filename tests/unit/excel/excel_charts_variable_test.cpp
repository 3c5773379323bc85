#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "excel/excel_chart_tables.h"

namespace tabulo::excel::fixtures {
namespace {

using ::testing::ElementsAre;

TEST(ExcelVariableCharts, ChartDataReferToTheTableCells) {
  ExcelRun run = RunExcel(GenderByAge());
  ASSERT_FALSE(run.error) << run.error->description;
  ASSERT_EQ(run.workbook.WorksheetCount(), 2);
  RecordingWorksheet& sheet = ChartSheet(run);
  EXPECT_EQ(sheet.name, "T1_Ch");
  // Categories (Male, Female) across, series (Young, Old) down.
  EXPECT_THAT(sheet.Contents(), ElementsAre("R1C2:='T1'!R3C3", "R1C3:='T1'!R3C4",                     //
                                            "R2C1:='T1'!R4C2", "R2C2:='T1'!R5C3", "R2C3:='T1'!R5C4",  //
                                            "R3C1:='T1'!R6C2", "R3C2:='T1'!R7C3", "R3C3:='T1'!R7C4"));
  EXPECT_EQ(sheet.FormatOf(2, 2), "0.0%");
  EXPECT_EQ(sheet.FormatOf(3, 3), "0.0%");
  EXPECT_EQ(sheet.FormatOf(1, 2), "");
  EXPECT_EQ(sheet.FormatOf(2, 1), "");
  EXPECT_TRUE(sheet.text_hidden);
  EXPECT_EQ(sheet.font_colour_index, std::nullopt);
  EXPECT_EQ(sheet.selected, (CellRef{1, 1}));
  EXPECT_FALSE(sheet.active);
  EXPECT_TRUE(run.Sheet(1).active);
}

TEST(ExcelVariableCharts, TheChartIsBuiltInOrder) {
  ExcelRun run = RunExcel(GenderByAge());
  ASSERT_FALSE(run.error) << run.error->description;
  ASSERT_EQ(ChartSheet(run).charts.size(), 1u);
  RecordingChart& chart = ChartSheet(run).Chart(0);
  EXPECT_EQ(chart.frame, (ChartFrame{20, 20, 400, 230}));
  EXPECT_THAT(
      chart.calls,
      ElementsAre("SetType(51)", "ApplyCustomType(51)", "SetAutoScaleFont(0)", "SetSourceData(R1C1:R3C3)",
                  "SetHasLegend(1)", "SetLegendPosition(-4152)", "SetHasTitle(1)", "SetTitleText(Age)",
                  "SetTitleFont(Arial)", "SetValueAxisMajorUnit()", "SetValueAxisNumberFormat(0.0%)",
                  "SetAxisHasTitle(2,1)", "SetAxisTitleText(2,ColPercent)", "SetAxisHasTitle(1,1)",
                  "SetAxisTitleText(1,Gender)", "SetCategoryTickLabelSpacing(1)",
                  "SetCategoryTickMarkSpacing(1)"));
  EXPECT_EQ(chart.title_font, (ChartFont{"Arial", true, 14}));
  // One step of the last decimal of a percentage with one decimal.
  EXPECT_DOUBLE_EQ(*chart.major_unit, 0.001);
  EXPECT_EQ(chart.minimum, std::nullopt);
}

TEST(ExcelVariableCharts, TopElementsBecomeSeriesWhenRowsAreNotSeries) {
  ExcelRun run = RunExcel(GenderByAge(), Properties({{"ChartRowsAsSeries", "0"}}));
  ASSERT_FALSE(run.error) << run.error->description;
  RecordingWorksheet& sheet = ChartSheet(run);
  EXPECT_THAT(sheet.Contents(), ElementsAre("R1C2:='T1'!R4C2", "R1C3:='T1'!R6C2",                     //
                                            "R2C1:='T1'!R3C3", "R2C2:='T1'!R5C3", "R2C3:='T1'!R7C3",  //
                                            "R3C1:='T1'!R3C4", "R3C2:='T1'!R5C4", "R3C3:='T1'!R7C4"));
  RecordingChart& chart = sheet.Chart(0);
  EXPECT_EQ(chart.title, "Gender");
  EXPECT_EQ(chart.AxisTitle(ChartAxis::kCategory), "Age");
}

TEST(ExcelVariableCharts, ATableTextThatIsNoNumberLeavesAGap) {
  ExcelRun run = RunExcel(GenderByAge("", "-"));
  ASSERT_FALSE(run.error) << run.error->description;
  EXPECT_TRUE(ChartSheet(run).IsEmpty(3, 3));
  EXPECT_EQ(ChartSheet(run).Formula(3, 2), "='T1'!R7C3");
}

TEST(ExcelVariableCharts, NestedSeriesVariablesGiveOneChartPerParentElement) {
  std::string region = Variable("Region", "Area", Element("N", "North") + Element("S", "South"),
                                Heading("N") + Heading("S"), Age(2), Heading("Age") + Heading("Age"));
  std::string xml =
      Document(Table("", Top(Gender(), Heading("Gender")) + Side(region, Heading("Region")),
                     CellItems({"Type=\"Count\""}) +
                         Values(Row({"1", "2"}) + Row({"3", "4"}) + Row({"5", "6"}) + Row({"7", "8"}))));
  ExcelRun run = RunExcel(xml);
  ASSERT_FALSE(run.error) << run.error->description;
  RecordingWorksheet& sheet = ChartSheet(run);
  // The side axis is four columns deep: the ages stand in column 4 from
  // row 4, the values from column 5; each chart takes its rows and a blank.
  EXPECT_THAT(sheet.Contents(), ElementsAre("R1C2:='T1'!R3C5", "R1C3:='T1'!R3C6",                     //
                                            "R2C1:='T1'!R4C4", "R2C2:='T1'!R4C5", "R2C3:='T1'!R4C6",  //
                                            "R3C1:='T1'!R5C4", "R3C2:='T1'!R5C5", "R3C3:='T1'!R5C6",  //
                                            "R5C2:='T1'!R3C5", "R5C3:='T1'!R3C6",                     //
                                            "R6C1:='T1'!R6C4", "R6C2:='T1'!R6C5", "R6C3:='T1'!R6C6",  //
                                            "R7C1:='T1'!R7C4", "R7C2:='T1'!R7C5", "R7C3:='T1'!R7C6"));
  ASSERT_EQ(sheet.charts.size(), 2u);
  EXPECT_EQ(sheet.Chart(0).title, "Age");
  EXPECT_EQ(sheet.Chart(0).AxisTitle(ChartAxis::kCategory), "Gender: (Area: North)");
  EXPECT_EQ(sheet.Chart(1).AxisTitle(ChartAxis::kCategory), "Gender: (Area: South)");
  EXPECT_EQ(sheet.Chart(1).source, Range(5, 1, 7, 3));
  EXPECT_EQ(sheet.Chart(1).frame, (ChartFrame{20, 270, 400, 230}));
  // Counts without decimals: the cells keep General and the unit is 1.
  EXPECT_EQ(sheet.FormatOf(2, 2), "");
  EXPECT_EQ(sheet.Chart(0).major_unit, 1);
  EXPECT_EQ(sheet.Chart(0).axis_number_format, std::nullopt);
  EXPECT_EQ(sheet.Chart(0).AxisTitle(ChartAxis::kValue), "Count");
}

TEST(ExcelVariableCharts, SeriesBasesAreAppendedOnlyWhenThereIsOne) {
  std::string age = Variable(
      "Age", "Age", Element("B", "Base", Attr("Type", "Base")) + Element("Y", "Young") + Element("O", "Old"),
      Heading("B") + Heading("Y") + Heading("O"));
  std::string xml =
      Document(Table("", Top(age, Heading("Age")) + Side(Gender(), Heading("Gender")),
                     CountAndPercent() + Values(Row({"120", "100.0%", "50", "41.7%", "70", "58.3%"}) +
                                                Row({"", "", "40", "50.0%", "40", "50.0%"}))));
  ExcelRun run = RunExcel(xml, Properties({{"DisplaySeriesBase", "-1"}}));
  ASSERT_FALSE(run.error) << run.error->description;
  RecordingWorksheet& sheet = ChartSheet(run);
  // The base column is no category; its count follows the series name as
  // text. Female's base cell is empty: her name stays a reference.
  EXPECT_THAT(sheet.Contents(), ElementsAre("R1C2:='T1'!R3C4", "R1C3:='T1'!R3C5",                     //
                                            "R2C1=Male (120)", "R2C2:='T1'!R5C4", "R2C3:='T1'!R5C5",  //
                                            "R3C1:='T1'!R6C2", "R3C2:='T1'!R7C4", "R3C3:='T1'!R7C5"));
}

TEST(ExcelVariableCharts, ATableWithOnlyASideAxisChartsOneFrequencySeries) {
  std::string age = Variable(
      "Age", "Age", Element("B", "Base", Attr("Type", "Base")) + Element("Y", "Young") + Element("O", "Old"),
      Heading("B") + Heading("Y") + Heading("O"));
  std::string xml = Document(Table(
      "", Side(age, Heading("Age")),
      CountAndPercent() + Values(Row({"250", "100.0%"}) + Row({"100", "40.0%"}) + Row({"150", "60.0%"}))));
  ExcelRun run = RunExcel(xml, Properties({{"DisplaySeriesBase", "-1"}}));
  ASSERT_FALSE(run.error) << run.error->description;
  RecordingWorksheet& sheet = ChartSheet(run);
  // No top axis: the values stand in column 3, two rows per age from row 2
  // (Base), Young's label in R4C2 and its percentage in R5C3.
  EXPECT_THAT(sheet.Contents(), ElementsAre("R1C2:='T1'!R4C2", "R1C3:='T1'!R6C2",  //
                                            "R2C1=Frequency (250)", "R2C2:='T1'!R5C3", "R2C3:='T1'!R7C3"));
  ASSERT_EQ(sheet.charts.size(), 1u);
  EXPECT_EQ(sheet.Chart(0).title, "Frequency");
  EXPECT_EQ(sheet.Chart(0).AxisTitle(ChartAxis::kCategory), "Age");
}

TEST(ExcelVariableCharts, ATableWithOnlyATopAxisAlsoChartsItAsCategories) {
  std::string xml = Document(Table("", Top(Gender(), Heading("Gender")),
                                   CountAndPercent() + Values(Row({"10", "40.0%", "15", "60.0%"}))));
  ExcelRun run = RunExcel(xml, Properties({{"ChartRowsAsSeries", "0"}}));
  ASSERT_FALSE(run.error) << run.error->description;
  // No side axis: the values stand in rows 4 (counts) and 5.
  EXPECT_THAT(ChartSheet(run).Contents(), ElementsAre("R1C2:='T1'!R3C1", "R1C3:='T1'!R3C2", "R2C1=Frequency",
                                                      "R2C2:='T1'!R5C1", "R2C3:='T1'!R5C2"));
}

TEST(ExcelVariableCharts, TheFirstSeriesElementSetsTheFormat) {
  std::string age = Variable("Age", "Age", Element("Y", "Young", Attr("Decimals", "2")) + Element("O", "Old"),
                             Heading("Y") + Heading("O"));
  std::string xml = Document(Table("", Top(Gender(), Heading("Gender")) + Side(age, Heading("Age")),
                                   CountAndPercent() + Values(Row({"10", "25.00%", "30", "75.00%"}) +
                                                              Row({"20", "40.0%", "30", "60.0%"}))));
  ExcelRun run = RunExcel(xml);
  ASSERT_FALSE(run.error) << run.error->description;
  EXPECT_EQ(ChartSheet(run).FormatOf(3, 3), "0.00%");
  EXPECT_EQ(ChartSheet(run).Chart(0).axis_number_format, "0.00%");
}

TEST(ExcelVariableCharts, PercentageAxesRunFromNoneToAll) {
  ExcelRun run =
      RunExcel(GenderByAge(), Properties({{"FormatPercentageAxes", "-1"}}), ChartBehaviour{{}, {}, 0.25, {}});
  ASSERT_FALSE(run.error) << run.error->description;
  RecordingChart& chart = ChartSheet(run).Chart(0);
  EXPECT_EQ(chart.minimum, 0);
  EXPECT_EQ(chart.maximum, 1);
  // The automatic unit is above the smallest one and stays.
  EXPECT_EQ(chart.major_unit, std::nullopt);
}

TEST(ExcelVariableCharts, PercentagesWithoutSignsScaleAsNumbers) {
  std::string off = TableProperties({{"ShowPercentSigns", "0"}});
  std::string xml = Document(
      Table("", Top(Gender(), Heading("Gender")) + Side(Age(), Heading("Age")),
            CountAndPercent() +
                Values(Row({"10", "25.0", "30", "75.0"}) + Row({"20", "40.0", "30", "60.0"})) + off));
  ExcelRun run = RunExcel(xml, Properties({{"FormatPercentageAxes", "-1"}}));
  ASSERT_FALSE(run.error) << run.error->description;
  RecordingChart& chart = ChartSheet(run).Chart(0);
  // The table holds 25 for 25 %: the axis runs to 100 in steps of at
  // least one decimal.
  EXPECT_EQ(ChartSheet(run).FormatOf(2, 2), "0.0");
  EXPECT_EQ(chart.minimum, 0);
  EXPECT_EQ(chart.maximum, 100);
  EXPECT_DOUBLE_EQ(*chart.major_unit, 0.1);
}

}  // namespace
}  // namespace tabulo::excel::fixtures

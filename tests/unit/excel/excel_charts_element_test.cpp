#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "excel/excel_chart_tables.h"

namespace tabulo::excel::fixtures {
namespace {

using ::testing::ElementsAre;

std::string PerElement() { return Properties({{"ChartCategoryElements", "Per Element"}}); }

TEST(ExcelElementCharts, OneChartPerSeriesElementWithItsNameAsText) {
  ExcelRun run = RunExcel(GenderByAge(), PerElement());
  ASSERT_FALSE(run.error) << run.error->description;
  RecordingWorksheet& sheet = ChartSheet(run);
  EXPECT_THAT(
      sheet.Contents(),
      ElementsAre("R1C2:='T1'!R3C3", "R1C3:='T1'!R3C4", "R2C1=Young", "R2C2:='T1'!R5C3",
                  "R2C3:='T1'!R5C4",  //
                  "R4C2:='T1'!R3C3", "R4C3:='T1'!R3C4", "R5C1=Old", "R5C2:='T1'!R7C3", "R5C3:='T1'!R7C4"));
  EXPECT_EQ(sheet.FormatOf(2, 3), "0.0%");
  EXPECT_EQ(sheet.FormatOf(5, 2), "0.0%");
  ASSERT_EQ(sheet.charts.size(), 2u);
  RecordingChart& old = sheet.Chart(1);
  EXPECT_EQ(old.frame, (ChartFrame{20, 270, 400, 230}));
  EXPECT_EQ(old.source, Range(4, 1, 5, 3));
  EXPECT_EQ(old.has_legend, true);
  EXPECT_EQ(old.legend_position, LegendPosition::kRight);
  EXPECT_EQ(old.title, "Age");
  EXPECT_EQ(old.AxisTitle(ChartAxis::kValue), "ColPercent");
  EXPECT_EQ(old.AxisTitle(ChartAxis::kCategory), "Gender");
}

TEST(ExcelElementCharts, SeriesNamesAreStrippedOfMarkup) {
  std::string age = Variable("Age", "Age", Element("Y", "&lt;b&gt;Young&lt;/b&gt;") + Element("O", "Old"),
                             Heading("Y") + Heading("O"));
  std::string xml = Document(Table(
      "", Top(Gender(), Heading("Gender")) + Side(age, Heading("Age")),
      CountAndPercent() + Values(Row({"10", "25.0%", "30", "75.0%"}) + Row({"20", "40.0%", "30", "60.0%"}))));
  ExcelRun run = RunExcel(xml, PerElement());
  ASSERT_FALSE(run.error) << run.error->description;
  EXPECT_EQ(ChartSheet(run).Text(2, 1), "Young");
}

TEST(ExcelElementCharts, TheLastCategoryBaseFollowsTheSeriesName) {
  std::string gender =
      Variable("Gender", "Gender",
               Element("B", "Base", Attr("Type", "Base")) + Element("M", "Male") + Element("F", "Female"),
               Heading("B") + Heading("M") + Heading("F"));
  std::string region =
      Variable("Region", "Region", Element("N", "North") + Element("S", "South") + Element("T", "Total"),
               Heading("N") + Heading("S") + Heading("T"));
  std::string xml =
      Document(Table("", Top(region, Heading("Region")) + Side(gender, Heading("Gender")),
                     CountAndPercent() + Values(Row({"100", "100%", "150", "100%", "250", "100%"}) +
                                                Row({"40", "40%", "60", "40%", "100", "40%"}) +
                                                Row({"60", "60%", "90", "60%", "150", "60%"}))));
  ExcelRun run = RunExcel(
      xml, Properties({{"ChartCategoryElements", "Per Element"}, {"DisplayLastCategoryBase", "-1"}}));
  ASSERT_FALSE(run.error) << run.error->description;
  RecordingWorksheet& sheet = ChartSheet(run);
  // Charts for Male and Female; the base is the Base row's count under
  // the last category.
  ASSERT_EQ(sheet.charts.size(), 2u);
  EXPECT_EQ(sheet.Text(2, 1), "Male (Total : 250)");
  EXPECT_EQ(sheet.Text(5, 1), "Female (Total : 250)");
  EXPECT_EQ(sheet.Chart(0).legend_position, LegendPosition::kBottom);
  // Male's row is the second side leaf: rows 6 and 7.
  EXPECT_EQ(sheet.Formula(2, 4), "='T1'!R7C5");
}

TEST(ExcelElementCharts, SingleValuedSeriesReadTheirOnlyValue) {
  std::string age =
      Variable("Age", "Age", Element("Y", "Young") + Element("A", "Mean age", Attr("Type", "Mean")),
               Heading("Y") + Heading("A", Attr("IsSingleValue", "true")));
  std::string xml = Document(
      Table("", Top(Gender(), Heading("Gender")) + Side(age, Heading("Age")),
            CountAndPercent() + Values(Row({"10", "25.0%", "30", "75.0%"}) + Row({"41.5", "", "39", ""}))));
  ExcelRun run = RunExcel(xml, Properties({{"ChartCategoryElements", "No Chart"}}));
  ASSERT_FALSE(run.error) << run.error->description;
  RecordingWorksheet& sheet = ChartSheet(run);
  // The special chart: the mean over the category columns, from its first
  // row (the count row, 6), with the chart item's decimals and no legend.
  EXPECT_THAT(sheet.Contents(), ElementsAre("R1C2:='T1'!R3C3", "R1C3:='T1'!R3C4", "R2C1=Mean age",
                                            "R2C2:='T1'!R6C3", "R2C3:='T1'!R6C4"));
  EXPECT_EQ(sheet.FormatOf(2, 2), "0.0");
  RecordingChart& chart = sheet.Chart(0);
  EXPECT_EQ(chart.has_legend, false);
  EXPECT_EQ(chart.AxisTitle(ChartAxis::kValue), "Mean age");
  EXPECT_DOUBLE_EQ(*chart.major_unit, 0.1);
}

TEST(ExcelElementCharts, AnElementsOwnDecimalsWin) {
  std::string age =
      Variable("Age", "Age",
               Element("Y", "Young") + Element("A", "Mean age", Attr("Type", "Mean") + Attr("Decimals", "2")),
               Heading("Y") + Heading("A", Attr("IsSingleValue", "true")));
  std::string xml = Document(Table(
      "", Top(Gender(), Heading("Gender")) + Side(age, Heading("Age")),
      CountAndPercent() + Values(Row({"10", "25.0%", "30", "75.0%"}) + Row({"41.25", "", "39.5", ""}))));
  ExcelRun run = RunExcel(xml, Properties({{"ChartCategoryElements", "No Chart"}}));
  ASSERT_FALSE(run.error) << run.error->description;
  EXPECT_EQ(ChartSheet(run).FormatOf(2, 3), "0.00");
  EXPECT_EQ(ChartSheet(run).Chart(0).axis_number_format, "0.00");
}

// Age (Young, Old, Mean) on the side, Gender on top.
std::string WithMeanRow() {
  std::string age = Variable(
      "Age", "Age", Element("Y", "Young") + Element("O", "Old") + Element("A", "Mean", Attr("Type", "Mean")),
      Heading("Y") + Heading("O") + Heading("A"));
  return Document(
      Table("", Top(Gender(), Heading("Gender")) + Side(age, Heading("Age")),
            CountAndPercent() + Values(Row({"10", "25.0%", "30", "75.0%"}) +
                                       Row({"20", "40.0%", "30", "60.0%"}) + Row({"35.5", "", "41.5", ""}))));
}

TEST(ExcelSpecialCharts, AMeanRowIsDrawnOverTheCategoryColumns) {
  ExcelRun run = RunExcel(WithMeanRow());
  ASSERT_FALSE(run.error) << run.error->description;
  RecordingWorksheet& sheet = ChartSheet(run);
  ASSERT_EQ(sheet.charts.size(), 2u);
  // The category chart holds Young and Old only.
  EXPECT_EQ(sheet.Chart(0).source, Range(1, 1, 3, 3));
  EXPECT_EQ(sheet.Formula(3, 1), "='T1'!R6C2");
  // The special chart follows after a blank row: Mean over Male and Female.
  EXPECT_EQ(sheet.Formula(5, 2), "='T1'!R3C3");
  EXPECT_EQ(sheet.Formula(5, 3), "='T1'!R3C4");
  EXPECT_EQ(sheet.Text(6, 1), "Mean");
  EXPECT_EQ(sheet.Chart(1).source, Range(5, 1, 6, 3));
}

TEST(ExcelSpecialCharts, SpecialElementsAreNeverCategories) {
  ExcelRun run = RunExcel(WithMeanRow(), Properties({{"ChartRowsAsSeries", "0"}}));
  ASSERT_FALSE(run.error) << run.error->description;
  RecordingWorksheet& sheet = ChartSheet(run);
  // Gender is the series side and has no special element: one chart, over
  // Young and Old.
  ASSERT_EQ(sheet.charts.size(), 1u);
  EXPECT_EQ(sheet.Chart(0).source, Range(1, 1, 3, 3));
  EXPECT_TRUE(sheet.IsEmpty(1, 4));
}

TEST(ExcelSpecialCharts, NoChartForSpecialElementsLeavesTheMeanOut) {
  ExcelRun run = RunExcel(WithMeanRow(), Properties({{"ChartSpecialElements", "No Chart"}}));
  ASSERT_FALSE(run.error) << run.error->description;
  ASSERT_EQ(ChartSheet(run).charts.size(), 1u);
  EXPECT_TRUE(ChartSheet(run).IsEmpty(6, 1));
}

TEST(ExcelPieCharts, PiesAreMadePerElementWithTitlesOnTwoLines) {
  ExcelRun run = RunExcel(GenderByAge(), Properties({{"ChartType", "Pie"}}));
  ASSERT_FALSE(run.error) << run.error->description;
  RecordingWorksheet& sheet = ChartSheet(run);
  ASSERT_EQ(sheet.charts.size(), 2u);
  RecordingChart& young = sheet.Chart(0);
  EXPECT_THAT(young.CallsNamed({"SetType", "ApplyCustomType", "SetSourceData"}),
              ElementsAre("SetType(5)", "ApplyCustomType(5)", "SetSourceData(R1C1:R2C3)"));
  EXPECT_EQ(young.title, "Gender\rAge: Young");
  EXPECT_EQ(young.legend_position, LegendPosition::kRight);
  // A pie has no axes to title or scale.
  EXPECT_THAT(young.CallsNamed({"SetAxisHasTitle", "SetValueAxisMajorUnit", "SetValueAxisNumberFormat"}),
              ElementsAre());
  EXPECT_EQ(sheet.Chart(1).title, "Gender\rAge: Old");
}

TEST(ExcelPieCharts, PieTitlesNameThePathsOfBothBlocks) {
  std::string region = Variable("Region", "Area", Element("N", "North") + Element("S", "South"),
                                Heading("N") + Heading("S"), Age(2), Heading("Age") + Heading("Age"));
  std::string xml =
      Document(Table("", Top(Gender(), Heading("Gender")) + Side(region, Heading("Region")),
                     CellItems({"Type=\"Count\""}) +
                         Values(Row({"1", "2"}) + Row({"3", "4"}) + Row({"5", "6"}) + Row({"7", "8"}))));
  ExcelRun run = RunExcel(xml, Properties({{"ChartType", "3D Pie"}}));
  ASSERT_FALSE(run.error) << run.error->description;
  ASSERT_EQ(ChartSheet(run).charts.size(), 4u);
  EXPECT_EQ(ChartSheet(run).Chart(3).title, "Gender: (Area: South)\rAge: Old");
  EXPECT_EQ(ChartSheet(run).Chart(3).type, ChartType::k3DPie);
}

}  // namespace
}  // namespace tabulo::excel::fixtures

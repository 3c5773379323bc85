#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "excel/excel_chart_tables.h"

namespace tabulo::excel::fixtures {
namespace {

using ::testing::ElementsAre;

ChartBehaviour WithTemplate(const std::string& path, ChartType result) {
  ChartBehaviour behaviour;
  behaviour.templates[path] = result;
  return behaviour;
}

TEST(ExcelChartTypes, ABuiltInTypeIsSetAndAppliedAsCustomType) {
  ExcelRun run = RunExcel(GenderByAge(), Properties({{"ChartType", "Stacked Bar"}}));
  ASSERT_FALSE(run.error) << run.error->description;
  RecordingChart& chart = ChartSheet(run).Chart(0);
  EXPECT_THAT(chart.CallsNamed({"SetType", "ApplyCustomType", "SetAutoScaleFont", "ClearDataLabels"}),
              ElementsAre("SetType(58)", "ApplyCustomType(58)", "SetAutoScaleFont(0)"));
}

TEST(ExcelChartTypes, TheTemplateIsAppliedFromItsFolder) {
  ExcelRun run = RunExcel(GenderByAge(),
                          Properties({{"ChartTemplate", "bars.crtx"}, {"ChartTemplateLocation", "/charts"}}),
                          WithTemplate("/charts/bars.crtx", ChartType::kBarClustered));
  ASSERT_FALSE(run.error) << run.error->description;
  RecordingChart& chart = ChartSheet(run).Chart(0);
  EXPECT_THAT(chart.calls,
              ::testing::IsSupersetOf({"ApplyChartTemplate(/charts/bars.crtx)", "ClearDataLabels()"}));
  EXPECT_THAT(chart.CallsNamed({"SetType", "ApplyCustomType"}), ElementsAre());
  EXPECT_EQ(chart.type, ChartType::kBarClustered);
  EXPECT_EQ(chart.auto_scale_font, false);
  // Not a user-defined type: the title gets its font.
  EXPECT_EQ(chart.title, "Age");
  EXPECT_EQ(chart.title_font, (ChartFont{"Arial", true, 14}));
}

TEST(ExcelChartTypes, APieTemplateForVariableChartsFallsBackToColumns) {
  ExcelRun run =
      RunExcel(GenderByAge(), Properties({{"ChartTemplate", "pie.crtx"}, {"ChartTemplateLocation", "/t"}}),
               WithTemplate("/t/pie.crtx", ChartType::kPie));
  ASSERT_FALSE(run.error) << run.error->description;
  RecordingChart& chart = ChartSheet(run).Chart(0);
  EXPECT_THAT(chart.CallsNamed({"ApplyChartTemplate", "SetType"}),
              ElementsAre("ApplyChartTemplate(/t/pie.crtx)", "SetType(51)"));
  EXPECT_EQ(chart.AxisTitle(ChartAxis::kCategory), "Gender");
}

TEST(ExcelChartTypes, APieTemplateStaysWhenEveryChartIsPerElement) {
  ExcelRun run = RunExcel(GenderByAge(),
                          Properties({{"ChartType", "Pie"},
                                      {"ChartTemplate", "pie.crtx"},
                                      {"ChartTemplateLocation", "/t"},
                                      {"ChartSpecialElements", "No Chart"}}),
                          WithTemplate("/t/pie.crtx", ChartType::kPieExploded));
  ASSERT_FALSE(run.error) << run.error->description;
  RecordingChart& chart = ChartSheet(run).Chart(0);
  EXPECT_THAT(chart.CallsNamed({"SetType"}), ElementsAre());
  EXPECT_EQ(chart.type, ChartType::kPieExploded);
  EXPECT_EQ(chart.title, "Gender\rAge: Young");
}

TEST(ExcelChartTypes, ATableWithItsOwnTypeDropsTheExportsTemplate) {
  std::string own_type = TableProperties({{"ChartType", "Line"}});
  ExcelRun run = RunExcel(GenderByAge(own_type),
                          Properties({{"ChartTemplate", "bars.crtx"}, {"ChartTemplateLocation", "/charts"}}),
                          WithTemplate("/charts/bars.crtx", ChartType::kBarClustered));
  ASSERT_FALSE(run.error) << run.error->description;
  RecordingChart& chart = ChartSheet(run).Chart(0);
  EXPECT_THAT(chart.CallsNamed({"ApplyChartTemplate", "SetType", "ClearDataLabels"}),
              ElementsAre("SetType(4)"));
}

TEST(ExcelChartTypes, ATableTypeEqualToTheExportsKeepsTheTemplate) {
  std::string same_type = TableProperties({{"ChartType", "clustered column"}});
  ExcelRun run = RunExcel(GenderByAge(same_type),
                          Properties({{"ChartTemplate", "bars.crtx"}, {"ChartTemplateLocation", "/charts"}}),
                          WithTemplate("/charts/bars.crtx", ChartType::kBarClustered));
  ASSERT_FALSE(run.error) << run.error->description;
  EXPECT_THAT(ChartSheet(run).Chart(0).CallsNamed({"ApplyChartTemplate"}),
              ElementsAre("ApplyChartTemplate(/charts/bars.crtx)"));
}

TEST(ExcelChartTypes, ATablesOwnTemplateAndFolderWin) {
  std::string own = TableProperties(
      {{"ChartType", "Line"}, {"ChartTemplate", "lines.crtx"}, {"ChartTemplateLocation", "/mine"}});
  ExcelRun run = RunExcel(GenderByAge(own), Properties({{"ChartTemplateLocation", "/charts"}}),
                          WithTemplate("/mine/lines.crtx", ChartType::kLineMarkers));
  ASSERT_FALSE(run.error) << run.error->description;
  EXPECT_EQ(ChartSheet(run).Chart(0).type, ChartType::kLineMarkers);
}

TEST(ExcelChartTypes, AMissingTemplateFailsTheTablesChartsAndIsReported) {
  ExcelRun run = RunExcel(GenderByAge(), Properties({{"ChartTemplate", "gone.crtx"}}));
  ASSERT_TRUE(run.error);
  EXPECT_EQ(run.error->description, "CRenderTable.RenderTable: no such template");
  // The table and its chart sheet stay.
  ASSERT_EQ(run.workbook.WorksheetCount(), 2);
  EXPECT_EQ(ChartSheet(run).Chart(0).CallsNamed({"ApplyChartTemplate"}),
            std::vector<std::string>{"ApplyChartTemplate(gone.crtx)"});
}

TEST(ExcelUserDefinedTypes, AnUnknownNameLeavesClusteredColumnsWithTitles) {
  ExcelRun run = RunExcel(GenderByAge(), Properties({{"ChartType", "Fancy Bars"}}));
  ASSERT_FALSE(run.error) << run.error->description;
  RecordingChart& chart = ChartSheet(run).Chart(0);
  EXPECT_THAT(
      chart.calls,
      ElementsAre("SetType(51)", "SetAutoScaleFont(0)", "SetSourceData(R1C1:R3C3)",
                  "ApplyCustomType(Fancy Bars)", "SetHasTitle(1)", "SetTitleFont(Arial)",
                  "SetAxisHasTitle(1,1)", "SetAxisHasTitle(2,1)", "ClearDataLabels()", "SetHasLegend(1)",
                  "SetLegendPosition(-4152)", "SetHasTitle(1)", "SetTitleText(Age)",
                  "SetValueAxisMajorUnit()", "SetValueAxisNumberFormat(0.0%)", "SetAxisHasTitle(2,1)",
                  "SetAxisTitleText(2,ColPercent)", "SetAxisHasTitle(1,1)", "SetAxisTitleText(1,Gender)",
                  "SetCategoryTickLabelSpacing(1)", "SetCategoryTickMarkSpacing(1)"));
  EXPECT_EQ(chart.type, ChartType::kColumnClustered);
}

TEST(ExcelUserDefinedTypes, AKnownTypeKeepsItsOwnTitlesAndFonts) {
  ChartBehaviour behaviour;
  behaviour.custom_types["Fancy Bars"] = ChartType::kBarStacked;
  ExcelRun run = RunExcel(GenderByAge(), Properties({{"ChartType", "Fancy Bars"}}), behaviour);
  ASSERT_FALSE(run.error) << run.error->description;
  RecordingChart& chart = ChartSheet(run).Chart(0);
  EXPECT_EQ(chart.type, ChartType::kBarStacked);
  EXPECT_TRUE(chart.data_labels_cleared);
  // The type shows no title and no axis titles, so none are set.
  EXPECT_FALSE(chart.has_title);
  EXPECT_THAT(chart.CallsNamed({"SetTitleText", "SetTitleFont", "SetAxisTitleText"}), ElementsAre());
}

TEST(ExcelUserDefinedTypes, APieTypeForVariableChartsFallsBackToColumns) {
  ChartBehaviour behaviour;
  behaviour.custom_types["Round"] = ChartType::k3DPie;
  ExcelRun run = RunExcel(GenderByAge(), Properties({{"ChartType", "Round"}}), behaviour);
  ASSERT_FALSE(run.error) << run.error->description;
  RecordingChart& chart = ChartSheet(run).Chart(0);
  EXPECT_THAT(chart.CallsNamed({"SetType", "ApplyCustomType"}),
              ElementsAre("SetType(51)", "ApplyCustomType(Round)", "SetType(51)"));
  EXPECT_EQ(chart.type, ChartType::kColumnClustered);
}

TEST(ExcelChartFailures, RefusedSettingsAreAbsorbedWhereTheLogicAllowsIt) {
  ChartBehaviour behaviour;
  behaviour.failing_calls = {"SetType", "ApplyCustomType", "SetTitleText", "ValueAxisMajorUnit",
                             "SetCategoryTickLabelSpacing"};
  ExcelRun run = RunExcel(GenderByAge(), Properties({}), behaviour);
  ASSERT_FALSE(run.error) << run.error->description;
  RecordingChart& chart = ChartSheet(run).Chart(0);
  // The chart is still built and titled as far as Excel lets it.
  EXPECT_EQ(chart.source, Range(1, 1, 3, 3));
  EXPECT_EQ(chart.auto_scale_font, false);
  EXPECT_EQ(chart.has_legend, true);
  EXPECT_EQ(chart.axis_number_format, "0.0%");
  EXPECT_EQ(chart.AxisTitle(ChartAxis::kValue), "ColPercent");
  EXPECT_EQ(ChartSheet(run).font_colour_index, std::nullopt);
}

TEST(ExcelChartFailures, ARefusedSourceFailsTheTableAndTheExportGoesOn) {
  ChartBehaviour behaviour;
  behaviour.failing_calls = {"SetSourceData"};
  std::string table = Table("", Top(Gender(), Heading("Gender")) + Side(Age(), Heading("Age")),
                            CellItems({"Type=\"Count\""}) + Values(Row({"1", "2"}) + Row({"3", "4"})));
  ExcelRun run = RunExcel(Document(table + table), Properties({}), behaviour);
  ASSERT_TRUE(run.error);
  EXPECT_EQ(run.error->description, "CRenderTable.RenderTable: SetSourceData refused");
  ASSERT_EQ(run.workbook.WorksheetCount(), 4);
  EXPECT_EQ(run.Sheet(3).name, "T2");
  EXPECT_EQ(run.Sheet(3).Number(5, 4), 4);
}

}  // namespace
}  // namespace tabulo::excel::fixtures

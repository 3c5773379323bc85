#include <gtest/gtest.h>

#include "chart_plan_fixture.h"

namespace tabulo::charts {
namespace {

using testing::Strings;
using testing::Values;
using PerVariableChartsTest = testing::ChartPlanTest;

TEST_F(PerVariableChartsTest, OneChartPerPairWithTheSideElementsAsSeries) {
  TableChartPlan plan = Plan(testing::GenderByAge());
  EXPECT_EQ(plan.table_name, "T1");
  EXPECT_EQ(plan.position, ChartPosition::kAfterGrid);
  auto charts = Charts(plan);
  ASSERT_EQ(charts.size(), 1u);
  const ChartDescription& chart = charts[0].description;
  EXPECT_EQ(chart.type, chart_type::kColumnClustered);
  EXPECT_EQ(chart.title, "Sex");
  EXPECT_EQ(chart.category_axis_title, "Age group");
  EXPECT_EQ(chart.value_axis_title, "ColPercent");
  // The bases are neither categories nor series.
  EXPECT_EQ(chart.categories, (Strings{"Young", "Old"}));
  ASSERT_EQ(chart.series.size(), 2u);
  EXPECT_EQ(chart.series[0].name, "Male");
  EXPECT_EQ(chart.series[0].values, (Values{40, 47}));
  EXPECT_EQ(chart.series[1].name, "Female");
  EXPECT_EQ(chart.series[1].values, (Values{60, 53}));
  EXPECT_TRUE(chart.legend.shown);
  EXPECT_EQ(chart.legend.position, legend_position::kRight);
  EXPECT_TRUE(chart.number_format.percentage);
  EXPECT_EQ(chart.number_format.decimals, 1);
  EXPECT_FALSE(chart.number_format.fixed_scale);
}

TEST_F(PerVariableChartsTest, WithoutRowsAsSeriesTheTopElementsAreTheSeries) {
  settings_.rows_as_series = false;
  settings_.chart_cell_item = cell_item::kCount;
  auto charts = Charts(Plan(testing::GenderByAge()));
  ASSERT_EQ(charts.size(), 1u);
  const ChartDescription& chart = charts[0].description;
  EXPECT_EQ(chart.title, "Age group");
  EXPECT_EQ(chart.category_axis_title, "Sex");
  EXPECT_EQ(chart.value_axis_title, "Count");
  EXPECT_EQ(chart.categories, (Strings{"Male", "Female"}));
  EXPECT_EQ(SeriesNames(chart), (Strings{"Young", "Old"}));
  EXPECT_EQ(chart.series[0].values, (Values{40, 60}));
  EXPECT_EQ(chart.series[1].values, (Values{70, 80}));
  EXPECT_FALSE(chart.number_format.percentage);
  EXPECT_EQ(chart.number_format.decimals, -1);
}

TEST_F(PerVariableChartsTest, VariableNamesStandInForLabelsWhenLabelsAreOff) {
  settings_.use_variable_labels = false;
  ChartDescription chart = SingleChart(Plan(testing::GenderByAge()));
  EXPECT_EQ(chart.title, "Gender");
  EXPECT_EQ(chart.category_axis_title, "Age");
}

TEST_F(PerVariableChartsTest, SeriesBaseIsTheCountAtTheCategoryVariablesBase) {
  settings_.display_series_base = true;
  ChartDescription chart = SingleChart(Plan(testing::GenderByAge()));
  EXPECT_EQ(SeriesNames(chart), (Strings{"Male (110)", "Female (140)"}));
  EXPECT_TRUE(chart.legend.shown);
  EXPECT_EQ(chart.legend.position, legend_position::kRight);
}

TEST_F(PerVariableChartsTest, AnEmptyBaseCellAddsNoEmptyBrackets) {
  settings_.display_series_base = true;
  std::string xml = testing::GenderByAge();
  testing::ReplaceFirst(xml, "c1=\"110\"", "c1=\"\"");
  ChartDescription chart = SingleChart(Plan(xml));
  EXPECT_EQ(SeriesNames(chart), (Strings{"Male", "Female (140)"}));
}

TEST_F(PerVariableChartsTest, SeriesBaseNeedsACountItem) {
  settings_.display_series_base = true;
  std::string xml = testing::GenderByAge();
  testing::ReplaceFirst(xml, "<CellItem Type=\"Count\"/>", "<CellItem Type=\"Mean\"/>");
  ChartDescription chart = SingleChart(Plan(xml));
  EXPECT_EQ(SeriesNames(chart), (Strings{"Male", "Female"}));
}

TEST_F(PerVariableChartsTest, SeriesBaseFallsBackToUnweightedCounts) {
  settings_.display_series_base = true;
  std::string xml = testing::GenderByAge();
  testing::ReplaceFirst(xml, "<CellItem Type=\"Count\"/>", "<CellItem Type=\"UnweightedCounts\"/>");
  ChartDescription chart = SingleChart(Plan(xml));
  EXPECT_EQ(SeriesNames(chart), (Strings{"Male (110)", "Female (140)"}));
}

TEST_F(PerVariableChartsTest, ATableWithOnlyASideAxisHasOneBlankCategory) {
  std::string xml = testing::TableXml(
      "Name=\"S\" IsPopulated=\"true\"", testing::GenderSide(),
      testing::kCountAndColPercent + testing::RowsXml({{"250", "100%"}, {"110", "44%"}, {"140", "56%"}}));
  auto charts = Charts(Plan(xml));
  ASSERT_EQ(charts.size(), 1u);
  const ChartDescription& chart = charts[0].description;
  EXPECT_EQ(chart.categories, (Strings{" "}));
  EXPECT_EQ(chart.title, "Sex");
  EXPECT_EQ(chart.category_axis_title, "Frequency");
  EXPECT_EQ(SeriesNames(chart), (Strings{"Male", "Female"}));
  EXPECT_EQ(chart.series[0].values, (Values{44}));
  EXPECT_EQ(chart.series[1].values, (Values{56}));
}

TEST_F(PerVariableChartsTest, WithoutASeriesVariableOneFrequencySeries) {
  settings_.rows_as_series = false;
  std::string xml = testing::TableXml(
      "Name=\"S\" IsPopulated=\"true\"", testing::GenderSide(),
      testing::kCountAndColPercent + testing::RowsXml({{"250", "100%"}, {"110", "44%"}, {"140", "56%"}}));
  ChartDescription chart = SingleChart(Plan(xml));
  EXPECT_EQ(chart.title, "Frequency");
  EXPECT_EQ(chart.category_axis_title, "Sex");
  EXPECT_EQ(chart.categories, (Strings{"Male", "Female"}));
  ASSERT_EQ(chart.series.size(), 1u);
  EXPECT_EQ(chart.series[0].name, "Frequency");
  EXPECT_EQ(chart.series[0].values, (Values{44, 56}));
}

TEST_F(PerVariableChartsTest, AtMost256SeriesAreDrawn) {
  std::vector<testing::Elem> brands;
  std::vector<std::vector<std::string>> rows;
  for (int i = 1; i <= 300; ++i) {
    brands.push_back({"b" + std::to_string(i), "Brand " + std::to_string(i)});
    rows.push_back({std::to_string(i)});
  }
  std::string axes =
      testing::RootAxisXml("Side", testing::VariableXml("Brand", "Brand", brands), {"Brand"}) +
      testing::RootAxisXml("Top", testing::VariableXml("Any", "Any", {{"yes", "Yes"}}), {"Any"});
  settings_.chart_cell_item = cell_item::kCount;
  std::string xml = testing::TableXml("Name=\"B\" IsPopulated=\"true\"", axes,
                                      "<CellItems><CellItem/></CellItems>" + testing::RowsXml(rows));
  auto charts = Charts(Plan(xml));
  ASSERT_EQ(charts.size(), 1u);
  const ChartDescription& chart = charts[0].description;
  ASSERT_EQ(chart.series.size(), 256u);
  EXPECT_EQ(chart.series.front().name, "Brand 1");
  EXPECT_EQ(chart.series.back().name, "Brand 256");
  EXPECT_EQ(chart.series.back().values, (Values{256}));
}

TEST_F(PerVariableChartsTest, VariablePreviewPutsTheSeriesBaseIntoTheCategoryLabels) {
  settings_.chart_type = chart_type::kVariablePreview;
  settings_.category_structure = chart_structure::kPerElement;  // the preview is always per variable
  auto charts = Charts(Plan(testing::GenderByAge()));
  ASSERT_EQ(charts.size(), 1u);
  const ChartDescription& chart = charts[0].description;
  EXPECT_EQ(chart.type, chart_type::kVariablePreview);
  EXPECT_EQ(chart.title, "Age group");
  EXPECT_EQ(chart.category_axis_title, "");
  EXPECT_EQ(chart.value_axis_title, "");
  EXPECT_EQ(chart.categories, (Strings{"Young (100)", "Old (150)"}));
  EXPECT_EQ(SeriesNames(chart), (Strings{"Male", "Female"}));
  EXPECT_FALSE(chart.legend.shown);
}

TEST_F(PerVariableChartsTest, VariablePreviewLeavesLabelsWithEmptyBaseCellsAlone) {
  settings_.chart_type = chart_type::kVariablePreview;
  std::string xml = testing::GenderByAge();
  testing::ReplaceFirst(xml, "c3=\"100\"", "c3=\"\"");
  ChartDescription chart = SingleChart(Plan(xml));
  EXPECT_EQ(chart.categories, (Strings{"Young", "Old (150)"}));
}

}  // namespace
}  // namespace tabulo::charts

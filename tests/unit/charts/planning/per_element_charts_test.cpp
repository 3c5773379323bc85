#include <gtest/gtest.h>

#include "chart_plan_fixture.h"

namespace tabulo::charts {
namespace {

using testing::Strings;
using testing::Values;
using PerElementChartsTest = testing::ChartPlanTest;

TEST_F(PerElementChartsTest, OneChartPerSeriesElement) {
  settings_.category_structure = chart_structure::kPerElement;
  auto charts = Charts(Plan(testing::GenderByAge()));
  ASSERT_EQ(charts.size(), 2u);
  EXPECT_EQ(charts[0].number, 1);
  EXPECT_EQ(charts[1].number, 2);
  const ChartDescription& male = charts[0].description;
  EXPECT_EQ(male.title, "Sex");
  EXPECT_EQ(male.category_axis_title, "Age group");
  EXPECT_EQ(male.value_axis_title, "ColPercent");
  EXPECT_EQ(male.categories, (Strings{"Young", "Old"}));
  ASSERT_EQ(male.series.size(), 1u);
  EXPECT_EQ(male.series[0].name, "Male");
  EXPECT_EQ(male.series[0].values, (Values{40, 47}));
  EXPECT_TRUE(male.legend.shown);
  EXPECT_EQ(male.legend.position, legend_position::kRight);
  const ChartDescription& female = charts[1].description;
  EXPECT_EQ(SeriesNames(female), (Strings{"Female"}));
  EXPECT_EQ(female.series[0].values, (Values{60, 53}));
}

TEST_F(PerElementChartsTest, LastCategoryBaseGoesIntoTheSeriesNameAndMovesTheLegendDown) {
  settings_.category_structure = chart_structure::kPerElement;
  settings_.display_last_category_base = true;
  auto charts = Charts(Plan(testing::GenderByAge()));
  ASSERT_EQ(charts.size(), 2u);
  // The count of the side base (Total) under the last category (Old).
  EXPECT_EQ(SeriesNames(charts[0].description), (Strings{"Male (Old : 150)"}));
  EXPECT_EQ(SeriesNames(charts[1].description), (Strings{"Female (Old : 150)"}));
  EXPECT_TRUE(charts[0].description.legend.shown);
  EXPECT_EQ(charts[0].description.legend.position, legend_position::kBottom);
}

TEST_F(PerElementChartsTest, LastCategoryBaseNeedsACountOrUnweightedCountItem) {
  settings_.category_structure = chart_structure::kPerElement;
  settings_.display_last_category_base = true;
  std::string xml = testing::GenderByAge();
  testing::ReplaceFirst(xml, "<CellItem Type=\"Count\"/>", "<CellItem Type=\"Sum\"/>");
  auto charts = Charts(Plan(xml));
  ASSERT_EQ(charts.size(), 2u);
  EXPECT_EQ(SeriesNames(charts[0].description), (Strings{"Male"}));
  EXPECT_EQ(charts[0].description.legend.position, legend_position::kRight);
}

TEST_F(PerElementChartsTest, LastCategoryBaseNeedsABaseElementOfTheSeriesVariable) {
  settings_.category_structure = chart_structure::kPerElement;
  settings_.display_last_category_base = true;
  std::string xml = testing::GenderByAge();
  testing::ReplaceFirst(xml, "Label=\"Total\" Type=\"Base\"", "Label=\"Total\" Type=\"Text\"");
  auto charts = Charts(Plan(xml));
  ASSERT_EQ(charts.size(), 2u);
  EXPECT_EQ(SeriesNames(charts[0].description), (Strings{"Male"}));
}

TEST_F(PerElementChartsTest, WithoutASeriesVariableOneFrequencyChartFromTheFirstRow) {
  settings_.category_structure = chart_structure::kPerElement;
  settings_.display_last_category_base = true;
  settings_.rows_as_series = false;
  std::string xml = testing::TableXml(
      "Name=\"S\" IsPopulated=\"true\"", testing::GenderSide(),
      testing::kCountAndColPercent + testing::RowsXml({{"250", "100%"}, {"110", "44%"}, {"140", "56%"}}));
  auto charts = Charts(Plan(xml));
  ASSERT_EQ(charts.size(), 1u);
  const ChartDescription& chart = charts[0].description;
  EXPECT_EQ(chart.title, "Frequency");
  EXPECT_EQ(chart.category_axis_title, "Sex");
  EXPECT_EQ(chart.categories, (Strings{"Male", "Female"}));
  // Without a series variable the base comes from the first column: the
  // count of the last category, Female.
  EXPECT_EQ(SeriesNames(chart), (Strings{"Frequency (Female : 140)"}));
  EXPECT_EQ(chart.series[0].values, (Values{44, 56}));
}

TEST_F(PerElementChartsTest, APieIsChartedPerElementWithATwoLineTitle) {
  settings_.chart_type = chart_type::kPie;
  settings_.category_structure = chart_structure::kPerTable;
  auto charts = Charts(Plan(testing::GenderByAge()));
  ASSERT_EQ(charts.size(), 2u);
  const ChartDescription& chart = charts[0].description;
  EXPECT_EQ(chart.type, chart_type::kPie);
  EXPECT_EQ(chart.title, "Age group\nSex: Male");
  EXPECT_EQ(chart.category_axis_title, "");
  EXPECT_EQ(chart.value_axis_title, "");
  EXPECT_TRUE(chart.legend.shown);
  EXPECT_EQ(chart.legend.position, legend_position::kRight);
  EXPECT_EQ(chart.categories, (Strings{"Young", "Old"}));
  EXPECT_EQ(charts[1].description.title, "Age group\nSex: Female");
}

TEST_F(PerElementChartsTest, APieWithoutSeriesVariableIsTitledFrequency) {
  settings_.chart_type = chart_type::k3DPie;
  std::string xml = testing::TableXml(
      "Name=\"S\" IsPopulated=\"true\"", testing::AgeTop(),
      testing::kCountAndColPercent + testing::RowsXml({{"250", "100%", "100", "40%", "150", "60%"}}));
  auto charts = Charts(Plan(xml));
  ASSERT_EQ(charts.size(), 1u);
  EXPECT_EQ(charts[0].description.title, "Age group\nFrequency");
  EXPECT_EQ(charts[0].description.series[0].values, (Values{40, 60}));
}

}  // namespace
}  // namespace tabulo::charts

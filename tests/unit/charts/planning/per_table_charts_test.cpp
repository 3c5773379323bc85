#include <gtest/gtest.h>

#include "chart_plan_fixture.h"

namespace tabulo::charts {
namespace {

using testing::Strings;
using testing::Values;
using PerTableChartsTest = testing::ChartPlanTest;

TEST_F(PerTableChartsTest, OneChartOfAllVariablesTitledWithTheTableDescription) {
  settings_.category_structure = chart_structure::kPerTable;
  ChartDescription chart = SingleChart(Plan(testing::GenderByAge()));
  EXPECT_EQ(chart.title, "Sex by age");
  EXPECT_EQ(chart.category_axis_title, "Age group");
  EXPECT_EQ(chart.value_axis_title, "ColPercent");
  EXPECT_EQ(chart.categories, (Strings{"Young", "Old"}));
  EXPECT_EQ(SeriesNames(chart), (Strings{"Male", "Female"}));
  EXPECT_EQ(chart.series[1].values, (Values{60, 53}));
  EXPECT_TRUE(chart.legend.shown);
  EXPECT_EQ(chart.legend.position, legend_position::kRight);
}

TEST_F(PerTableChartsTest, NestedCategoriesArePrefixedWithTheElementsAboveThem) {
  settings_.category_structure = chart_structure::kPerTable;
  settings_.chart_cell_item = cell_item::kCount;
  ChartDescription chart = SingleChart(Plan(testing::BrandByAgeAndGender()));
  EXPECT_EQ(chart.title, "Brands");
  EXPECT_EQ(chart.categories, (Strings{"Young, Male", "Young, Female", "Old, Male", "Old, Female"}));
  // Two instances of Sex: no single category variable to name the axis.
  EXPECT_EQ(chart.category_axis_title, "");
  EXPECT_EQ(SeriesNames(chart), (Strings{"A", "B"}));
  EXPECT_EQ(chart.series[0].values, (Values{10, 20, 30, 40}));
  EXPECT_EQ(chart.series[1].values, (Values{15, 25, 35, 45}));
  EXPECT_EQ(chart.value_axis_title, "Count");
}

TEST_F(PerTableChartsTest, NestedSeriesNamesArePrefixedToo) {
  settings_.category_structure = chart_structure::kPerTable;
  settings_.rows_as_series = false;
  settings_.display_series_base = true;  // never in a per-table chart
  ChartDescription chart = SingleChart(Plan(testing::BrandByAgeAndGender()));
  EXPECT_EQ(chart.categories, (Strings{"A", "B"}));
  EXPECT_EQ(chart.category_axis_title, "Brand");
  EXPECT_EQ(SeriesNames(chart), (Strings{"Young, Male", "Young, Female", "Old, Male", "Old, Female"}));
  EXPECT_EQ(chart.series[2].values, (Values{30, 35}));
}

TEST_F(PerTableChartsTest, WithoutSeriesVariablesOneFrequencySeries) {
  settings_.category_structure = chart_structure::kPerTable;
  std::string xml = testing::TableXml(
      "Name=\"S\" Description=\"Ages\" IsPopulated=\"true\"", testing::AgeTop(),
      testing::kCountAndColPercent + testing::RowsXml({{"250", "100%", "100", "40%", "150", "60%"}}));
  ChartDescription chart = SingleChart(Plan(xml));
  EXPECT_EQ(chart.categories, (Strings{"Young", "Old"}));
  ASSERT_EQ(chart.series.size(), 1u);
  EXPECT_EQ(chart.series[0].name, "Frequency");
  EXPECT_EQ(chart.series[0].values, (Values{40, 60}));
}

}  // namespace
}  // namespace tabulo::charts

#include <gtest/gtest.h>

#include "chart_plan_fixture.h"

namespace tabulo::charts {
namespace {

using testing::Strings;
using testing::Values;
using SpecialChartsTest = testing::ChartPlanTest;

TEST_F(SpecialChartsTest, AMeanRowIsDrawnOverTheCategoriesOfTheOtherVariable) {
  auto charts = Charts(Plan(testing::GenderByAgeWithMean()));
  ASSERT_EQ(charts.size(), 2u);
  // First the category chart, without the mean.
  EXPECT_EQ(SeriesNames(charts[0].description), (Strings{"Male", "Female"}));
  // Then the special chart per element.
  const ChartDescription& mean = charts[1].description;
  EXPECT_EQ(charts[1].number, 2);
  EXPECT_EQ(mean.title, "Sex");
  EXPECT_EQ(mean.category_axis_title, "Age group");
  EXPECT_EQ(mean.value_axis_title, "Mean score");
  EXPECT_EQ(mean.categories, (Strings{"Young", "Old"}));
  ASSERT_EQ(mean.series.size(), 1u);
  EXPECT_EQ(mean.series[0].name, "Mean score");
  // Single-valued: the first cell item, not the charted percentage.
  EXPECT_EQ(mean.series[0].values, (Values{2.1, 2.8}));
  EXPECT_FALSE(mean.legend.shown);
  EXPECT_EQ(mean.number_format.decimals, 2);
  EXPECT_FALSE(mean.number_format.percentage);
}

TEST_F(SpecialChartsTest, ASingleValuedSeriesIsNoPercentageWhateverItemIsCharted) {
  settings_.category_structure = chart_structure::kNoChart;
  settings_.format_percentage_axes = true;
  std::string xml = testing::GenderByAgeWithMean();
  testing::ReplaceFirst(xml, "<CellItem Type=\"ColPercent\" Decimals=\"1\"/>",
                        "<CellItem Type=\"RowPercent\" Decimals=\"1\"/>");
  settings_.chart_cell_item = 2;  // RowPercent
  ChartDescription chart = SingleChart(Plan(xml));
  EXPECT_EQ(chart.series[0].values, (Values{2.1, 2.8}));
  EXPECT_FALSE(chart.number_format.percentage);
  EXPECT_TRUE(chart.number_format.fixed_scale);
  EXPECT_EQ(chart.number_format.decimals, 2);
}

TEST_F(SpecialChartsTest, PerVariableSpecialChart) {
  settings_.category_structure = chart_structure::kNoChart;
  settings_.special_structure = chart_structure::kPerVariable;
  ChartDescription chart = SingleChart(Plan(testing::GenderByAgeWithMean()));
  EXPECT_EQ(chart.categories, (Strings{"Young", "Old"}));
  EXPECT_EQ(SeriesNames(chart), (Strings{"Mean score"}));
  EXPECT_EQ(chart.series[0].values, (Values{2.1, 2.8}));
  EXPECT_EQ(chart.value_axis_title, "");
  EXPECT_TRUE(chart.legend.shown);
  EXPECT_EQ(chart.number_format.decimals, 2);
}

TEST_F(SpecialChartsTest, PerTableSpecialChart) {
  settings_.category_structure = chart_structure::kNoChart;
  settings_.special_structure = chart_structure::kPerTable;
  ChartDescription chart = SingleChart(Plan(testing::GenderByAgeWithMean()));
  EXPECT_EQ(chart.title, "Sex by age");
  EXPECT_EQ(chart.categories, (Strings{"Young", "Old"}));
  EXPECT_EQ(SeriesNames(chart), (Strings{"Mean score"}));
  EXPECT_EQ(chart.category_axis_title, "Age group");
  EXPECT_EQ(chart.value_axis_title, "");
}

TEST_F(SpecialChartsTest, SpecialElementsAreNeverCategories) {
  settings_.rows_as_series = false;
  settings_.special_structure = chart_structure::kNoChart;
  ChartDescription chart = SingleChart(Plan(testing::GenderByAgeWithMean()));
  EXPECT_EQ(chart.categories, (Strings{"Male", "Female"}));
}

TEST_F(SpecialChartsTest, NoSpecialChartWithoutASeriesVariable) {
  settings_.category_structure = chart_structure::kNoChart;
  std::string xml = testing::TableXml(
      "Name=\"S\" IsPopulated=\"true\"", testing::AgeTop(),
      testing::kCountAndColPercent + testing::RowsXml({{"250", "100%", "100", "40%", "150", "60%"}}));
  for (std::int32_t structure :
       {chart_structure::kPerElement, chart_structure::kPerVariable, chart_structure::kPerTable}) {
    settings_.special_structure = structure;
    EXPECT_TRUE(Plan(xml).items.empty()) << "structure " << structure;
  }
}

}  // namespace
}  // namespace tabulo::charts

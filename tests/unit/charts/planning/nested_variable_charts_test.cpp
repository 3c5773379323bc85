#include <gtest/gtest.h>

#include "chart_plan_fixture.h"

namespace tabulo::charts {
namespace {

using testing::Strings;
using testing::Values;
using NestedVariableChartsTest = testing::ChartPlanTest;

TEST_F(NestedVariableChartsTest, OnlyVariablesWithoutNestedVariablesTakePart) {
  // Per variable: one chart per instance of Sex, none for Age group, whose
  // elements hold no cells of their own.
  settings_.chart_cell_item = cell_item::kCount;
  auto charts = Charts(Plan(testing::BrandByAgeAndGender()));
  ASSERT_EQ(charts.size(), 2u);
  const ChartDescription& young = charts[0].description;
  EXPECT_EQ(young.title, "Brand ( Age group: Young )");
  EXPECT_EQ(young.category_axis_title, "Sex");
  EXPECT_EQ(young.categories, (Strings{"Male", "Female"}));
  EXPECT_EQ(young.series[0].values, (Values{10, 20}));
  EXPECT_EQ(young.series[1].values, (Values{15, 25}));
  const ChartDescription& old = charts[1].description;
  EXPECT_EQ(old.title, "Brand ( Age group: Old )");
  EXPECT_EQ(old.series[0].values, (Values{30, 40}));
}

TEST_F(NestedVariableChartsTest, TheSeriesNestingContextGoesIntoTheCategoryAxisTitle) {
  settings_.rows_as_series = false;
  auto charts = Charts(Plan(testing::BrandByAgeAndGender()));
  ASSERT_EQ(charts.size(), 2u);
  EXPECT_EQ(charts[0].description.title, "Sex");
  EXPECT_EQ(charts[0].description.category_axis_title, "Brand: ( Age group: Young )");
  EXPECT_EQ(charts[1].description.category_axis_title, "Brand: ( Age group: Old )");
}

TEST_F(NestedVariableChartsTest, PieTitlesCarryTheNestingContexts) {
  settings_.chart_type = chart_type::kPieExploded;
  settings_.chart_cell_item = cell_item::kCount;
  auto charts = Charts(Plan(testing::BrandByAgeAndGender()));
  // A and B over Sex under Young, then over Sex under Old.
  ASSERT_EQ(charts.size(), 4u);
  EXPECT_EQ(charts[0].description.title, "Sex\nBrand: A: ( Age group: Young )");
  EXPECT_EQ(charts[1].description.title, "Sex\nBrand: B: ( Age group: Young )");
  EXPECT_EQ(charts[3].description.title, "Sex\nBrand: B: ( Age group: Old )");
  EXPECT_EQ(charts[3].description.series[0].values, (Values{35, 45}));
}

TEST_F(NestedVariableChartsTest, PieFirstLineCarriesTheSeriesNestingContext) {
  settings_.chart_type = chart_type::kPie;
  settings_.rows_as_series = false;
  auto charts = Charts(Plan(testing::BrandByAgeAndGender()));
  ASSERT_EQ(charts.size(), 4u);
  EXPECT_EQ(charts[0].description.title, "Brand: ( Age group: Young )\nSex: Male");
  EXPECT_EQ(charts[2].description.title, "Brand: ( Age group: Old )\nSex: Male");
}

TEST_F(NestedVariableChartsTest, TheContextFollowsTheLabelSettingsOfTheTable) {
  context_.use_element_labels = false;
  context_.use_variable_labels = false;
  std::string xml = testing::BrandByAgeAndGender();
  // Element names differ from their labels here.
  testing::ReplaceFirst(xml, "Name=\"Young\" Label=\"Young\"", "Name=\"Y\" Label=\"Young\"");
  testing::ReplaceFirst(xml, "<Heading Name=\"Young\"", "<Heading Name=\"Y\"");
  auto charts = Charts(Plan(xml));
  ASSERT_EQ(charts.size(), 2u);
  EXPECT_EQ(charts[0].description.title, "Brand ( Age: Y )");
}

}  // namespace
}  // namespace tabulo::charts

#include <gtest/gtest.h>

#include "chart_plan_fixture.h"
#include "charts/planning/effective_settings.h"

namespace tabulo::charts {
namespace {

using testing::PropertyXml;
using testing::Strings;
using testing::Values;
using ChartSettingsTest = testing::ChartPlanTest;

constexpr int kString = 8;
constexpr int kBoolean = 11;
constexpr int kInteger = 3;

TEST_F(ChartSettingsTest, ATableChartTypeOfNoChartMakesNoCharts) {
  TableChartPlan plan = Plan(testing::GenderByAge(PropertyXml("ChartType", kString, "No Chart")));
  EXPECT_EQ(plan.position, ChartPosition::kAfterGrid);
  EXPECT_TRUE(plan.items.empty());
}

TEST_F(ChartSettingsTest, TheNoChartSettingMakesNoCharts) {
  settings_.chart_type = chart_type::kNoChart;
  EXPECT_TRUE(Plan(testing::GenderByAge()).items.empty());
}

TEST_F(ChartSettingsTest, ATableChartTypeOverridesTheSetting) {
  settings_.chart_type = chart_type::kLine;
  const tables::CTable& table =
      Prepare(testing::GenderByAge(PropertyXml("chartTYPE", kString, "3d stacked bar")));
  EXPECT_EQ(EffectiveSettings(table, settings_).chart_type, chart_type::k3DBarStacked);
}

TEST_F(ChartSettingsTest, UnknownOrUntypedTableChartTypesAreClusteredColumns) {
  settings_.chart_type = chart_type::kLine;
  const tables::CTable& unknown = Prepare(testing::GenderByAge(PropertyXml("ChartType", kString, "Radar")));
  EXPECT_EQ(EffectiveSettings(unknown, settings_).chart_type, chart_type::kColumnClustered);
  const tables::CTable& integer = Prepare(testing::GenderByAge(PropertyXml("ChartType", kInteger, "6")));
  EXPECT_EQ(EffectiveSettings(integer, settings_).chart_type, chart_type::kColumnClustered);
}

TEST_F(ChartSettingsTest, TableStructuresOverrideTheSettings) {
  const tables::CTable& table =
      Prepare(testing::GenderByAge(PropertyXml("ChartCategoryElements", kString, "Per Table") +
                                   PropertyXml("ChartSpecialElements", kString, "no chart")));
  EffectiveChartSettings effective = EffectiveSettings(table, settings_);
  EXPECT_EQ(effective.category_structure, chart_structure::kPerTable);
  EXPECT_EQ(effective.special_structure, chart_structure::kNoChart);
}

TEST_F(ChartSettingsTest, UnknownTableStructuresFallBackPerFamily) {
  settings_.category_structure = chart_structure::kPerTable;
  settings_.special_structure = chart_structure::kPerTable;
  const tables::CTable& table =
      Prepare(testing::GenderByAge(PropertyXml("ChartCategoryElements", kString, "x") +
                                   PropertyXml("ChartSpecialElements", kString, "y")));
  EffectiveChartSettings effective = EffectiveSettings(table, settings_);
  EXPECT_EQ(effective.category_structure, chart_structure::kPerVariable);
  EXPECT_EQ(effective.special_structure, chart_structure::kPerElement);
}

TEST_F(ChartSettingsTest, BooleanTableStructuresSwitchChartsOnOrOff) {
  settings_.category_structure = chart_structure::kPerTable;
  settings_.special_structure = chart_structure::kPerTable;
  const tables::CTable& table =
      Prepare(testing::GenderByAge(PropertyXml("ChartCategoryElements", kBoolean, "true") +
                                   PropertyXml("ChartSpecialElements", kBoolean, "false")));
  EffectiveChartSettings effective = EffectiveSettings(table, settings_);
  EXPECT_EQ(effective.category_structure, chart_structure::kPerVariable);
  EXPECT_EQ(effective.special_structure, chart_structure::kNoChart);
}

TEST_F(ChartSettingsTest, PiesAreAlwaysPerElement) {
  settings_.chart_type = chart_type::k3DPieExploded;
  settings_.category_structure = chart_structure::kPerTable;
  settings_.special_structure = chart_structure::kNoChart;
  const tables::CTable& table = Prepare(testing::GenderByAge());
  EffectiveChartSettings effective = EffectiveSettings(table, settings_);
  EXPECT_EQ(effective.category_structure, chart_structure::kPerElement);
  EXPECT_EQ(effective.special_structure, chart_structure::kNoChart);
}

TEST_F(ChartSettingsTest, TheVariablePreviewChartsCategoriesPerVariableOnly) {
  settings_.category_structure = chart_structure::kNoChart;
  const tables::CTable& table =
      Prepare(testing::GenderByAge(PropertyXml("ChartType", kString, "Variable Preview")));
  EffectiveChartSettings effective = EffectiveSettings(table, settings_);
  EXPECT_EQ(effective.chart_type, chart_type::kVariablePreview);
  EXPECT_EQ(effective.category_structure, chart_structure::kPerVariable);
  EXPECT_EQ(effective.special_structure, chart_structure::kNoChart);
}

TEST_F(ChartSettingsTest, ATableChartCellItemPicksTheItemCharted) {
  ChartDescription chart =
      SingleChart(Plan(testing::GenderByAge(PropertyXml("ChartCellItem", kString, "count"))));
  EXPECT_EQ(chart.series[0].values, (Values{40, 70}));
  EXPECT_EQ(chart.value_axis_title, "Count");
  EXPECT_FALSE(chart.number_format.percentage);
}

TEST_F(ChartSettingsTest, AChartCellItemTheTableLacksFallsBackToCount) {
  settings_.chart_cell_item = 3;  // TotalPercent
  ChartDescription chart =
      SingleChart(Plan(testing::GenderByAge(PropertyXml("ChartCellItem", kString, "Mean"))));
  EXPECT_EQ(chart.value_axis_title, "Count");
  EXPECT_EQ(chart.series[0].values, (Values{40, 70}));
}

TEST_F(ChartSettingsTest, ProfileAndUnpopulatedTablesGetNoCharts) {
  std::string body = testing::kCountAndColPercent + testing::RowsXml(testing::kGenderByAgeRows);
  std::string axes = testing::GenderSide() + testing::AgeTop();
  EXPECT_TRUE(
      Plan(testing::TableXml("Name=\"P\" Type=\"profile\" IsPopulated=\"true\"", axes, body)).items.empty());
  EXPECT_TRUE(Plan(testing::TableXml("Name=\"U\" IsPopulated=\"false\"", axes, body)).items.empty());
  EXPECT_TRUE(Plan(testing::TableXml("Name=\"E\" IsPopulated=\"true\"", axes, testing::kCountAndColPercent))
                  .items.empty());
}

TEST_F(ChartSettingsTest, LocaleValuesAreReadWithTheDocumentsSeparators) {
  std::string xml = testing::GenderByAge();
  testing::ReplaceFirst(xml, "c4=\"40%\"", "c4=\"45,5%\"");
  settings_.locale_id = 1031;
  EXPECT_EQ(SingleChart(Plan(xml)).series[0].values, (Values{45.5, 47}));
  settings_.locale_id = 0;
  EXPECT_EQ(SingleChart(Plan(xml)).series[0].values, (Values{45, 47}));
}

}  // namespace
}  // namespace tabulo::charts
